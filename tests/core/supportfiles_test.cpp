// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/korvaneerror.h"
#include "core/leveltables.h"
#include "core/romaccess.h"
#include "core/supportfiles.h"
#include "editors/art/artmodel.h"
#include "editors/palette/palettelist.h"
#include "tests/support/testfiles.h"
#include "core/syntheticimage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;

// What may stand where a support file belongs.
struct Kind
{
    const char* label;
    std::function<void(const std::string& path, const std::string& image)> make;
};

#ifndef _WIN32
const Kind kFifo{"a FIFO", [](const std::string& path, const std::string&) { ::mkfifo(path.c_str(), 0600); }};
const Kind kDevice{"a link to /dev/zero", [](const std::string& path, const std::string&) {
                       fs::create_symlink("/dev/zero", path);
                   }};
#endif
const Kind kHuge{"a 2 MiB file", [](const std::string& path, const std::string&) {
                     std::ofstream(path) << std::string(2 << 20, '\n');
                 }};
const Kind kSymlink{"a symbolic link to the image", [](const std::string& path, const std::string& image) {
                        fs::create_symlink(image, path);
                    }};
const Kind kHardLink{"a hard link to the image", [](const std::string& path, const std::string& image) {
                         fs::create_hard_link(image, path);
                     }};

class SupportFileKinds : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::create_directory(mDir.file("korvane"));
        SetSupportBase(mDir.path() + "/");
        SyntheticImage(0x1000, 0x5A).save(mImage);
    }

    TempDir mDir;
    const std::string mImage = mDir.file("rom.bin");
};

// A list that is no regular file of at most 1 MiB is refused by name, at
// once: a FIFO does not wait for a writer, a device is not read until
// memory runs out.
TEST_F(SupportFileKinds, ListsMustBeRegularFilesOfSaneSize)
{
#ifdef _WIN32
    for (const Kind& kind : {kHuge}) {
#else
    for (const Kind& kind : {kFifo, kDevice, kHuge}) {
#endif
        SCOPED_TRACE(kind.label);
        const std::string levels = SupportFilePath(kP1LevelsFile);
        const std::string palettes = SupportFilePath("\\korvane\\p1pals.txt");
        for (const std::string& path : {levels, palettes}) {
            fs::remove(path);
            kind.make(path, mImage);
        }
        EXPECT_EQ(ErrorOf([] { ReadLevelList(kP1LevelsFile); }), "Cannot open file " + levels);
        std::vector<PaletteEntry> table;
        EXPECT_EQ(ErrorOf([&] { LoadPaletteList(palettes, table, [](const std::string&) {}); }),
                  "Cannot open file " + palettes);
    }
}

// A tile bitmap is written only as a regular file of its own: never through
// a link to the image or anything else.
TEST_F(SupportFileKinds, TileBitmapsAreNeverWrittenThroughLinks)
{
    const std::vector<std::uint8_t> image = ReadFileBytes(mImage);
#ifdef _WIN32
    // Wine makes no symbolic links.
    for (const Kind& kind : {kHardLink}) {
#else
    for (const Kind& kind : {kSymlink, kHardLink, kFifo}) {
#endif
        SCOPED_TRACE(kind.label);
        const std::string bitmap = SupportFilePath("\\korvane\\i1_1.bmp");
        fs::remove(bitmap);
        kind.make(bitmap, mImage);
        EXPECT_EQ(ErrorOf([&] { WriteTileBitmapFile(bitmap, std::string(246, 'B')); }), "Cannot open file " + bitmap);
        EXPECT_EQ(ReadFileBytes(mImage), image);
    }
}

// The support folder beside the executable, installed, or neither; what
// the program writes goes to the user's copy, made once from the installed
// file.
TEST(SupportFolder, FoundBesideTheExecutableOrInstalled)
{
    TempDir dir;
    const std::string portable = dir.file("portable/");
    const std::string bin = dir.file("usr/bin/");
    fs::create_directories(portable + "korvane");
    fs::create_directories(bin);
    EXPECT_EQ(FindSupportBase(portable), portable);
    EXPECT_EQ(FindSupportBase(bin), bin); // neither
    fs::create_directories(dir.file("usr/share/pelbo-korvane/korvane"));
    EXPECT_EQ(FindSupportBase(bin), bin + "../share/pelbo-korvane/");
    fs::create_directories(bin + "korvane");
    EXPECT_EQ(FindSupportBase(bin), bin);

    SetSupportBase(dir.file("usr/share/pelbo-korvane/"));
    std::ofstream(SupportBase() + "korvane/i1_1.bmp") << "installed";
    SetUserSupportBase({});
    // The name is joined as written, its first backslash included.
    EXPECT_EQ(WritableSupportFilePath("\\korvane\\i1_1.bmp"), SupportBase() + "/korvane/i1_1.bmp");
    const std::string user = dir.file("home/.local/share/korvane/");
    SetUserSupportBase(user);
    const std::string own = WritableSupportFilePath("\\korvane\\i1_1.bmp");
    EXPECT_EQ(own, user + "/korvane/i1_1.bmp");
    EXPECT_EQ(ReadFileBytes(own), ReadFileBytes(SupportBase() + "korvane/i1_1.bmp"));
    std::ofstream(own) << "the user's";
    EXPECT_EQ(ReadFileBytes(WritableSupportFilePath("\\korvane\\i1_1.bmp")).size(), 10u); // kept
    EXPECT_EQ(ErrorOf([] { WritableSupportFilePath("\\korvane\\i2_9.bmp"); }),
              "Cannot open file " + user + "/korvane/i2_9.bmp");
    SetUserSupportBase({});
}

} // namespace
