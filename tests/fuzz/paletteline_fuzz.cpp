// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Palette list lines and whole palette list files on arbitrary contents.

#include "core/korvaneerror.h"
#include "editors/palette/palettelist.h"
#include "tests/fuzz/fuzzcheck.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::string firstLine = text.substr(0, text.find_first_of("\r\n"));
    try {
        const PaletteEntry entry = ParsePaletteLine(firstLine);
        FUZZ_CHECK(entry.offset <= 0xFFFFFFu);
        FUZZ_CHECK(entry.name.size() <= firstLine.size());
    } catch (const KorvaneError&) {
    }

    static const std::string path = "/tmp/korvane-fuzz-pals-" + std::to_string(::getpid()) + ".txt";
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    static std::vector<PaletteEntry> table;
    std::size_t names = 0;
    try {
        const std::size_t read = LoadPaletteList(path, table, [&](const std::string&) { ++names; });
        FUZZ_CHECK(read == names);
    } catch (const KorvaneError&) {
    }
    FUZZ_CHECK(table.size() == kPaletteTableSize);
    return 0;
}
