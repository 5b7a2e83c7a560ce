// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The screen text codec in both directions.

#include "core/korvaneerror.h"
#include "editors/text/textcodec.h"
#include "tests/fuzz/fuzzcheck.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Codes to text: every code the alphabet knows comes back unchanged.
    const std::vector<std::uint8_t> bytes(data, data + size);
    const std::string byteText = DecodeTextBytes(bytes);
    std::vector<std::uint16_t> words;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        words.push_back(static_cast<std::uint16_t>(data[i] << 8 | data[i + 1]));
    const std::string wordText = DecodeTextWords(words);

    bool allBytesKnown = true;
    for (const std::uint8_t b : bytes)
        allBytesKnown = allBytesKnown && TextByteChar(b).has_value();
    if (allBytesKnown)
        FUZZ_CHECK(EncodeTextBytes(byteText, static_cast<int>(bytes.size())) == bytes);
    bool allWordsKnown = true;
    for (const std::uint16_t w : words)
        allWordsKnown = allWordsKnown && TextWordChar(w).has_value();
    if (allWordsKnown)
        FUZZ_CHECK(EncodeTextWords(wordText, static_cast<int>(words.size())) == words);

    // Text to codes: arbitrary (even malformed) UTF-8 either encodes to the
    // asked count or is refused with a message.
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int count = size == 0 ? 0 : data[0] % 40;
    try {
        FUZZ_CHECK(EncodeTextBytes(text, count).size() == static_cast<std::size_t>(count));
        FUZZ_CHECK(!FirstCharWithoutCode(text, count).has_value());
    } catch (const KorvaneError& e) {
        FUZZ_CHECK(FirstCharWithoutCode(text, count).has_value());
        FUZZ_CHECK(std::string(e.what()).size() > 0);
    }
    try {
        FUZZ_CHECK(EncodeTextWords(text, count).size() == static_cast<std::size_t>(count));
    } catch (const KorvaneError&) {
    }
    return 0;
}
