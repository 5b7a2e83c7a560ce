// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/translate.h"

#include <atomic>
#include <cstddef>
#include <vector>

namespace {

std::atomic<Translator> gTranslator{nullptr};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number of the place marker at text[at] ('%' and one or two digits,
// 1 to 99), with its length; 0 when there is none.
int markerAt(std::string_view text, std::size_t at, std::size_t& length)
{
    if (text[at] != '%' || at + 1 >= text.size() || !isDigit(text[at + 1]))
        return 0;
    int number = text[at + 1] - '0';
    length = 2;
    if (at + 2 < text.size() && isDigit(text[at + 2])) {
        number = number * 10 + (text[at + 2] - '0');
        length = 3;
    }
    return number;
}

// The English of a plural text without a translation: %n is the count, and
// "(s)" is nothing for one and "s" otherwise ("%n byte(s)").
std::string withCount(std::string text, int n)
{
    const std::string ending = n == 1 ? "" : "s";
    for (std::size_t at = text.find("(s)"); at != std::string::npos; at = text.find("(s)", at + ending.size()))
        text.replace(at, 3, ending);
    const std::string count = std::to_string(n);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + count.size()))
        text.replace(at, 2, count);
    return text;
}

} // namespace

void InstallTranslator(Translator translator)
{
    gTranslator.store(translator);
}

std::string Translated(const char* context, const char* source, const char* disambiguation, int n)
{
    if (const Translator translator = gTranslator.load())
        return translator(context, source, disambiguation, n);
    return n >= 0 ? withCount(source, n) : std::string(source);
}

std::string Substituted(std::string_view text, std::initializer_list<std::string_view> arguments)
{
    // The markers in the order of their numbers, each number taking the
    // next argument; text an argument brings in is never searched again.
    std::vector<int> numbers;
    for (std::size_t at = 0; at < text.size(); ++at) {
        std::size_t length = 0;
        if (const int number = markerAt(text, at, length))
            numbers.push_back(number);
    }
    std::vector<int> order;
    for (std::size_t taken = 0; taken < arguments.size(); ++taken) {
        int lowest = 0;
        for (const int number : numbers) {
            bool used = false;
            for (const int done : order)
                used = used || done == number;
            if (!used && (lowest == 0 || number < lowest))
                lowest = number;
        }
        if (lowest == 0)
            break;
        order.push_back(lowest);
    }
    std::string result;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = 0;
        const int number = markerAt(text, at, length);
        std::size_t argument = 0;
        while (number != 0 && argument < order.size() && order[argument] != number)
            ++argument;
        if (number != 0 && argument < order.size()) {
            result += *(arguments.begin() + argument);
            at += length;
        } else {
            result += text[at++];
        }
    }
    return result;
}
