// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/locate.h"

#include "core/translate.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace {

constexpr std::int64_t kWindows[] = {32, 64, 128, 256};
constexpr std::uint64_t kBase = 0x100000001B3ull;

// The window of length around offset, inside a file of size bytes: its
// start, or -1 when the file is shorter than the window.
std::int64_t windowStart(std::int64_t offset, std::int64_t length, std::int64_t size)
{
    if (size < length)
        return -1;
    return std::clamp<std::int64_t>(offset - length / 2, 0, size - length);
}

std::uint64_t hashOf(const std::uint8_t* bytes, std::int64_t length)
{
    std::uint64_t hash = 0;
    for (std::int64_t i = 0; i < length; ++i)
        hash = hash * kBase + bytes[i];
    return hash;
}

// The windows looked for, by hash; count and last position of each, in
// one file.
struct Needles
{
    std::int64_t length = 0;
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> byHash;
    std::vector<const std::uint8_t*> bytes;
    std::vector<int> count;
    std::vector<std::int64_t> at;

    std::size_t add(const std::uint8_t* window)
    {
        bytes.push_back(window);
        count.push_back(0);
        at.push_back(-1);
        byHash[hashOf(window, length)].push_back(bytes.size() - 1);
        return bytes.size() - 1;
    }

    // One pass over file: every occurrence of every needle counted (up to
    // two: more tells nothing new).
    void count_in(const std::vector<std::uint8_t>& file)
    {
        std::fill(count.begin(), count.end(), 0);
        std::fill(at.begin(), at.end(), -1);
        const auto size = static_cast<std::int64_t>(file.size());
        if (size < length || bytes.empty())
            return;
        std::uint64_t power = 1;
        for (std::int64_t i = 1; i < length; ++i)
            power *= kBase;
        std::uint64_t hash = hashOf(file.data(), length);
        for (std::int64_t start = 0;; ++start) {
            if (const auto found = byHash.find(hash); found != byHash.end()) {
                for (const std::size_t needle : found->second) {
                    if (count[needle] < 2 && std::memcmp(file.data() + start, bytes[needle], std::size_t(length)) == 0) {
                        ++count[needle];
                        at[needle] = start;
                    }
                }
            }
            if (start + length >= size)
                break;
            hash = (hash - file[std::size_t(start)] * power) * kBase + file[std::size_t(start + length)];
        }
    }
};

} // namespace

std::vector<LocatedValue> LocateValues(const std::vector<std::uint8_t>& original,
                                       const std::vector<std::uint8_t>& image,
                                       const std::vector<ValuePlace>& values)
{
    const auto originalSize = static_cast<std::int64_t>(original.size());
    const auto imageSize = static_cast<std::int64_t>(image.size());
    std::vector<LocatedValue> located;
    std::vector<std::size_t> open;
    for (const ValuePlace& value : values) {
        located.push_back({value.key, value.offset, -1, LocateResult::NotFound});
        const std::int64_t start = windowStart(value.offset, kWindows[0], originalSize);
        if (value.offset < 0 || value.offset + value.size > originalSize || start < 0)
            continue;
        // The same bytes around it at the same address.
        if (start + kWindows[0] <= imageSize
            && std::memcmp(original.data() + start, image.data() + start, std::size_t(kWindows[0])) == 0) {
            located.back().found = value.offset;
            located.back().result = LocateResult::InPlace;
            continue;
        }
        open.push_back(located.size() - 1);
    }
    for (const std::int64_t length : kWindows) {
        if (open.empty())
            break;
        Needles needles;
        needles.length = length;
        std::vector<std::int64_t> starts;
        for (const std::size_t index : open) {
            const std::int64_t start = windowStart(values[index].offset, length, originalSize);
            starts.push_back(start);
            needles.add(original.data() + std::max<std::int64_t>(start, 0));
        }
        needles.count_in(original);
        std::vector<int> unique(open.size());
        for (std::size_t n = 0; n < open.size(); ++n)
            unique[n] = starts[n] >= 0 && needles.count[n] == 1;
        needles.count_in(image);
        std::vector<std::size_t> wider;
        for (std::size_t n = 0; n < open.size(); ++n) {
            LocatedValue& value = located[open[n]];
            if (!unique[n]) {
                // Not yet telling in the original: a wider window.
                if (starts[n] >= 0)
                    wider.push_back(open[n]);
                value.result = LocateResult::Ambiguous;
                continue;
            }
            if (needles.count[n] == 1) {
                value.found = needles.at[n] + (value.usual - starts[n]);
                value.result = value.found == value.usual ? LocateResult::InPlace : LocateResult::Moved;
            } else {
                value.result = needles.count[n] == 0 ? LocateResult::NotFound : LocateResult::Ambiguous;
            }
        }
        open = wider;
    }
    return located;
}

const char* LocateResultName(LocateResult result)
{
    switch (result) {
    case LocateResult::InPlace:
        return QT_TRANSLATE_NOOP("Locate", "in place");
    case LocateResult::Moved:
        return QT_TRANSLATE_NOOP("Locate", "moved");
    case LocateResult::Ambiguous:
        return QT_TRANSLATE_NOOP("Locate", "ambiguous");
    case LocateResult::NotFound:
        break;
    }
    return QT_TRANSLATE_NOOP("Locate", "not found");
}

std::string LocateResultText(LocateResult result)
{
    return Translated("Locate", LocateResultName(result));
}
