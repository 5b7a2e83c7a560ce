// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checksum.h"
#include "core/korvaneerror.h"
#include "core/romaccess.h"
#include "tests/support/testfiles.h"
#include "core/syntheticimage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace {

// Independent reference: the sum as the cartridge holds it after the pad byte.
std::uint16_t referenceSum(std::vector<std::uint8_t> bytes)
{
    if (bytes.size() % 2)
        bytes.push_back(0);
    std::uint16_t sum = 0;
    for (std::size_t i = 0x200; i < bytes.size(); i += 2)
        sum = static_cast<std::uint16_t>(sum + bytes[i] * 256 + bytes[i + 1]);
    return sum;
}

std::uint16_t wordAt(const std::vector<std::uint8_t>& b, std::size_t o)
{
    return static_cast<std::uint16_t>(b[o] << 8 | b[o + 1]);
}

std::uint32_t longAt(const std::vector<std::uint8_t>& b, std::size_t o)
{
    return static_cast<std::uint32_t>(b[o] << 24 | b[o + 1] << 16 | b[o + 2] << 8 | b[o + 3]);
}

struct Checksum : ::testing::Test
{
    TempDir dir;
    std::string path = dir.file("rom.bin");
    void select(const SyntheticImage& image) { image.save(path); }
    std::vector<std::uint8_t> file() { return ReadFileBytes(path); }
};

TEST_F(Checksum, EvenImageGetsSumAndEndAddress)
{
    // Words from 0x200 on that add up to 0x1234.
    select(SyntheticImage(0x80000).word(0x200, 0x1000).word(0x7FFFE, 0x0234).word(0x18E, 0xDEAD));
    FixChecksum(path);
    const auto b = file();
    ASSERT_EQ(b.size(), 0x80000u);
    EXPECT_EQ(wordAt(b, 0x18E), 0x1234);
    EXPECT_EQ(longAt(b, 0x1A4), 0x0007FFFFu);
}

TEST_F(Checksum, OddImageCountsItsLastByteHighAndIsPadded)
{
    select(SyntheticImage(0x80001).word(0x200, 0x0001).byte(0x80000, 0xAB));
    FixChecksum(path);
    const auto b = file();
    ASSERT_EQ(b.size(), 0x80002u);
    EXPECT_EQ(b.back(), 0x00);
    EXPECT_EQ(b[0x80000], 0xAB);
    EXPECT_EQ(wordAt(b, 0x18E), 0xAB01);
    EXPECT_EQ(longAt(b, 0x1A4), 0x00080001u);
}

TEST_F(Checksum, SumWrapsAtSixteenBits)
{
    select(SyntheticImage(0x400).word(0x200, 0xFFFF).word(0x202, 0x0002));
    FixChecksum(path);
    EXPECT_EQ(wordAt(file(), 0x18E), 0x0001);
}

TEST_F(Checksum, MatchesReferenceOverRandomImagesAndIsIdempotent)
{
    std::mt19937 random(1234);
    // Sizes around the 64 KiB block boundary, odd sizes, and from 3 MiB up
    // (summed with a second thread).
    for (std::size_t size :
         {0x201u, 0x202u, 0x10200u, 0x10201u, 0x10202u, 0x30000u, 0x3FFFFu, 0x123457u, 0x300200u, 0x345679u}) {
        SCOPED_TRACE(size);
        SyntheticImage image(size);
        for (std::size_t i = 0; i < size; ++i)
            image.byte(i, static_cast<std::uint8_t>(random()));
        select(image);
        const auto original = file();
        FixChecksum(path);
        auto once = file();
        const std::size_t finalSize = size + (size % 2);
        ASSERT_EQ(once.size(), finalSize);
        EXPECT_EQ(wordAt(once, 0x18E), referenceSum(original));
        EXPECT_EQ(longAt(once, 0x1A4), finalSize - 1);
        // Nothing but the two header fields and the pad byte changed.
        for (std::size_t i = 0; i < size; ++i) {
            if ((i < 0x18E || i > 0x18F) && (i < 0x1A4 || i > 0x1A7)) {
                ASSERT_EQ(once[i], original[i]) << "offset " << i;
            }
        }
        FixChecksum(path);
        EXPECT_EQ(file(), once);
    }
}

TEST_F(Checksum, AgreesWithTheImageBuilder)
{
    SyntheticImage image(0x20000);
    for (std::size_t i = 0x200; i < image.size(); i += 7)
        image.byte(i, static_cast<std::uint8_t>(i));
    image.validChecksum();
    select(image);
    FixChecksum(path);
    EXPECT_EQ(file(), image.data());
}

TEST_F(Checksum, ImagesWithoutSummedAreaAreLeftAlone)
{
    for (std::size_t size : {0u, 1u, 0x18Fu, 0x1A5u, 0x1FFu, 0x200u}) {
        SCOPED_TRACE(size);
        select(SyntheticImage(size, 0x5A));
        FixChecksum(path);
        EXPECT_EQ(file(), std::vector<std::uint8_t>(size, 0x5A));
    }
}

TEST_F(Checksum, ReportsFileErrorsByName)
{
    struct Row
    {
        std::string path;
        std::string message;
    };
    std::filesystem::create_directory(dir.file("folder"));
    const Row rows[] = {
        {dir.file("missing.bin"), "File not found"},
        {dir.file("no/such/folder.bin"), "File not found"},
        {dir.file("folder"), "File access denied"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(ErrorOf([&] { FixChecksum(row.path); }), row.message);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing.bin")));
}

TEST_F(Checksum, FullDiskIsReported)
{
    if (!WriteLimit::Supported())
        GTEST_SKIP() << "no file-size limit here";
    select(SyntheticImage(0x2001).word(0x200, 0x4321));
    const auto before = file();
    {
        WriteLimit limit(0x1000); // the header lies below, the pad byte above
        EXPECT_EQ(ErrorOf([&] { FixChecksum(path); }), "Disk full");
    }
    // Nothing changed: the header was not written before the pad byte failed.
    EXPECT_EQ(file(), before);
}

TEST_F(Checksum, RefusesAFileAnotherProgramHolds)
{
    select(SyntheticImage(0x1001).word(0x200, 0x4321));
    const std::vector<std::uint8_t> before = file();
    {
        ForeignLock lock(path);
        EXPECT_EQ(ErrorOf([this] { FixChecksum(path); }), "File access denied");
    }
    EXPECT_EQ(file(), before);
}

} // namespace
