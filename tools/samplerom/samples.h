// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/syntheticimage.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// One synthetic sample image: the file name and the game code the program
// detects in it.
struct SampleImage
{
    std::string fileName;
    std::string gameCode;
    SyntheticImage image;
};

// One image for every game the program detects, with the right serials and
// sizes, plausible values at the editors' offsets and a valid checksum.
std::vector<SampleImage> BuildSampleImages();

// A sample changed as a hack changes an image: code put in, tables moved,
// code rewritten, the image grown; its serial is the original sample's and
// its checksum valid.
struct ModifiedSample
{
    std::string fileName;
    std::string originalFileName;
    std::string gameCode;
    SyntheticImage image;
    // Runs of the original's bytes [from, from + size) that lie at to now.
    struct Run
    {
        std::int64_t from;
        std::int64_t size;
        std::int64_t to;
    };
    std::vector<Run> moved;
    // Runs of the original written over in place, as {from, size}.
    std::vector<std::pair<std::int64_t, std::int64_t>> overwritten;
};
std::vector<ModifiedSample> BuildModifiedSamples();

// The sample of gameCode; throws std::logic_error for a code without one.
SyntheticImage SampleImageOf(const std::string& gameCode);

// Writes every sample and modified sample into the existing folder dir, or with replace false
// only those missing there (a sample the user edited stays); returns the
// paths written. Throws std::runtime_error when a file cannot be written.
std::vector<std::string> WriteSampleImages(const std::string& dir, bool replace = true);
