// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Where the values of an untouched original image went in a modified one.
//
// A value is found in place when the bytes around it (a window centred on
// its first byte) are the same at the same address in both images. Else the
// window of the original, widened (32, 64, 128, 256 bytes) until it occurs
// once in the original, is looked for in the modified image: where it occurs
// exactly once the value has moved there; nowhere, or more than once, it is
// not found. Every window length costs one pass over each image, whatever
// the number of values (a rolling hash of all the windows of that length).

// A value of the original: its key, address and size.
struct ValuePlace
{
    std::string key;
    std::int64_t offset;
    std::int64_t size;
};

enum class LocateResult { InPlace, Moved, NotFound, Ambiguous };

struct LocatedValue
{
    std::string key;
    std::int64_t usual;  // its address in the original
    std::int64_t found;  // its address in the image, or -1
    LocateResult result;
};

// Each value of values (addresses of original) in image, in the order given.
std::vector<LocatedValue> LocateValues(const std::vector<std::uint8_t>& original,
                                       const std::vector<std::uint8_t>& image,
                                       const std::vector<ValuePlace>& values);

// "in place", "moved", "not found", "ambiguous": the word korvane-tool
// locate prints.
const char* LocateResultName(LocateResult result);
// The same in the user's language, where it is shown.
std::string LocateResultText(LocateResult result);
