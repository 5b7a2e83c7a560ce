// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checksum.h"
#include "core/detection.h"
#include "core/romaccess.h"
#include "tests/support/testfiles.h"
#include "tools/samplerom/samples.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(SampleImages, OneValidImagePerDetectedGame)
{
    TempDir dir;
    const std::vector<std::string> paths = WriteSampleImages(dir.path());
    std::vector<SampleImage> samples = BuildSampleImages();
    // The modified ones follow, detected as their originals' game.
    for (ModifiedSample& modified : BuildModifiedSamples())
        samples.push_back({modified.fileName, modified.gameCode, std::move(modified.image)});
    ASSERT_EQ(paths.size(), samples.size());
    std::set<std::string> codes;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(paths[i]);
        const Detection d = DetectGame(paths[i]);
        EXPECT_EQ(d.game->code, samples[i].gameCode);
        codes.insert(d.game->code);
        if (samples[i].gameCode == "gst")
            continue;
        // The header already agrees with the contents.
        const auto before = ReadFileBytes(paths[i]);
        FixChecksum(paths[i]);
        EXPECT_EQ(ReadFileBytes(paths[i]), before);
    }
    EXPECT_EQ(codes, (std::set<std::string>{"gst", "p1", "p1j", "p2b", "p2", "p3", "chaotix", "p1k", "p2k", "p3k",
                                            "pk"}));
}

} // namespace
