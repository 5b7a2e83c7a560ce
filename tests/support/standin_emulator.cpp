// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Stands in for an emulator in the window tests: appends its arguments, one
// per line and then a line "--", to the file KORVANE_STANDIN_RECORD names,
// in one write, and ends.
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    const char* record = std::getenv("KORVANE_STANDIN_RECORD");
    if (!record)
        return 2;
    std::string text;
    for (int i = 1; i < argc; ++i)
        text += std::string(argv[i]) + "\n";
    text += "--\n";
    std::FILE* out = std::fopen(record, "ab");
    if (!out)
        return 1;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    return std::fclose(out) == 0 && written ? 0 : 1;
}
