// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checksum.h"
#include "core/korvaneerror.h"
#include "core/romaccess.h"
#include "core/romfile.h"
#include "core/supportfiles.h"
#include "tests/support/testfiles.h"
#include "core/syntheticimage.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

struct RomAccess : ::testing::Test
{
    TempDir dir;
    std::string path = dir.file("rom.bin");

    void SetUp() override
    {
        SyntheticImage(0x200, 0xEE).bytes(0x10, {0x12, 0x34}).bytes(0x20, {0x00, 0x01, 0x02, 0x03}).byte(0x180, 0x47)
            .save(path);
    }

};

TEST_F(RomAccess, ReadsLittleEndianAndSwapsToBigEndian)
{
    EXPECT_EQ(ReadRomValue(path, 0x180, 1), 0x47u);
    EXPECT_EQ(ReadRomValue(path, 0x10, 2), 0x3412u);
    EXPECT_EQ(SwapWord(ReadRomValue(path, 0x10, 2)), 0x1234u);
    EXPECT_EQ(ReadRomValue(path, 0x20, 4), 0x03020100u);
    EXPECT_EQ(SwapLong(ReadRomValue(path, 0x20, 4)), 0x00010203u);
    EXPECT_EQ(ReadRomValue(path, 0x1FF, 1), 0xEEu);
}

TEST_F(RomAccess, WritesTheLowBytesLowestFirst)
{
    struct Row
    {
        int count;
        std::uint32_t value;
        std::vector<std::uint8_t> bytes;
    };
    const Row rows[] = {
        {1, 0x1234, {0x34, 0xEE, 0xEE, 0xEE}},
        {2, SwapWord(0x1234), {0x12, 0x34, 0xEE, 0xEE}},
        {4, SwapLong(0x0007FFFF), {0x00, 0x07, 0xFF, 0xFF}},
        {4, 0x04030201, {0x01, 0x02, 0x03, 0x04}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.count);
        SetUp();
        const auto before = ReadFileBytes(path);
        WriteRomBytes(path, 0x40, row.count, row.value);
        auto expected = before;
        std::copy(row.bytes.begin(), row.bytes.end(), expected.begin() + 0x40);
        EXPECT_EQ(ReadFileBytes(path), expected);
    }
    WriteRomBytes(path, 0x40, 2, SwapWord(0x1234));
    EXPECT_EQ(SwapWord(ReadRomValue(path, 0x40, 2)), 0x1234u);
}

TEST_F(RomAccess, SwapsOnlyTheBytesTheyName)
{
    EXPECT_EQ(SwapWord(0x12345678), 0x7856u);
    EXPECT_EQ(SwapWord(0xABCD1234), 0x3412u);
    EXPECT_EQ(SwapLong(0x12345678), 0x78563412u);
    EXPECT_EQ(SwapLong(SwapLong(0xCAFEF00D)), 0xCAFEF00Du);
}

TEST_F(RomAccess, ReadPastTheEndFailsAndReleasesTheFile)
{
    EXPECT_EQ(ErrorOf([&] { ReadRomValue(path, 0x1FF, 2); }), "Stream read error");
    EXPECT_EQ(ErrorOf([&] { ReadRomValue(path, 0x200, 1); }), "Stream read error");
    EXPECT_EQ(ErrorOf([&] { ReadRomValue(path, -1, 1); }), "Stream read error");
    // Released: another exclusive open succeeds at once.
    EXPECT_EQ(ReadRomValue(path, 0x1FF, 1), 0xEEu);
    EXPECT_NO_THROW(ForeignLock lock(path));
}

TEST_F(RomAccess, UnopenableFilesNameThePath)
{
    const std::string missing = dir.file("missing.bin");
    const std::string folder = dir.file("folder.bin");
    std::filesystem::create_directory(folder);
    for (const std::string& p : {missing, folder}) {
        SCOPED_TRACE(p);
        EXPECT_EQ(ErrorOf([&] { ReadRomValue(p, 0, 1); }), "Cannot open file " + p);
        EXPECT_EQ(ErrorOf([&] { WriteRomBytes(p, 0, 1, 0); }), "Cannot open file " + p);
        EXPECT_EQ(ErrorOf([&] { RomFileSize(p); }), "Cannot open file " + p);
    }
    EXPECT_FALSE(std::filesystem::exists(missing)) << "a write must never create the file";
}

// Readers share the image; a writer neither waits for nor disturbs anyone.
TEST_F(RomAccess, ReadersShareTheImageAndAWriterHasItAlone)
{
    const auto before = ReadFileBytes(path);
    const std::string refused = "Cannot open file " + path;
    for (const auto kind : {ForeignLock::Kind::Shared, ForeignLock::Kind::Exclusive}) {
        SCOPED_TRACE(kind == ForeignLock::Kind::Shared ? "held by a reader" : "held by a writer");
        ForeignLock lock(path, kind);
        if (kind == ForeignLock::Kind::Shared)
            EXPECT_EQ(ReadRomValue(path, 0, 1), 0xEEu);
        else
            EXPECT_EQ(ErrorOf([&] { ReadRomValue(path, 0, 1); }), refused);
        EXPECT_EQ(ErrorOf([&] { WriteRomBytes(path, 0, 1, 0x55); }), refused);
        EXPECT_EQ(ErrorOf([&] { FixChecksum(path); }), "File access denied");
    }
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(ReadRomValue(path, 0, 1), 0xEEu);
}

// An image this process may not write is read all the same; writes are
// refused with the system's reason and leave it as it was.
TEST_F(RomAccess, ReadOnlyImagesAreReadButNeverWritten)
{
    const auto before = ReadFileBytes(path);
    Unwritable unwritable(path);
    if (!unwritable.ok())
        GTEST_SKIP() << "cannot make a file unwritable here (root without an immutable attribute)";
    EXPECT_FALSE(RomFile::Writable(path));
    EXPECT_EQ(ReadRomValue(path, 0x1FF, 1), 0xEEu);
    EXPECT_EQ(RomFileSize(path), 0x200u);
    EXPECT_NO_THROW(ReadHeaderState(path));
    try {
        WriteRomBytes(path, 0, 1, 0x55);
        ADD_FAILURE() << "written";
    } catch (const OpenError& e) {
        EXPECT_EQ(e.path(), path);
        EXPECT_TRUE(e.systemError() == EACCES || e.systemError() == EPERM) << e.systemError();
    }
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(RomAccess, WritePastTheEndExtendsTheFile)
{
    WriteRomBytes(path, 0x200, 2, SwapWord(0xA55A));
    EXPECT_EQ(std::filesystem::file_size(path), 0x202u);
    EXPECT_EQ(RomFileSize(path), 0x202u);
    EXPECT_EQ(SwapWord(ReadRomValue(path, 0x200, 2)), 0xA55Au);
}

TEST_F(RomAccess, SizesOutsideOneToFourAreRefused)
{
    for (int size : {0, 5, -1}) {
        SCOPED_TRACE(size);
        EXPECT_NE(ErrorOf([&] { ReadRomValue(path, 0, size); }), "no error");
        EXPECT_NE(ErrorOf([&] { WriteRomBytes(path, 0, size, 0); }), "no error");
    }
    EXPECT_EQ(ReadFileBytes(path)[0], 0xEE);
}

TEST_F(RomAccess, FailedWriteReportsAndLeavesEarlierBytes)
{
    if (!WriteLimit::Supported())
        GTEST_SKIP() << "no file-size limit here";
    SyntheticImage(0x2000, 0xEE).save(path);
    {
        WriteLimit limit(0x1000);
        WriteRomBytes(path, 0x10, 2, 0xBBAA); // below the limit: written
        EXPECT_EQ(ErrorOf([&] { WriteRomBytes(path, 0x1800, 2, 0); }), "Stream write error");
    }
    const auto bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes[0x10], 0xAA);
    EXPECT_EQ(bytes[0x1800], 0xEE);
}

#ifndef _WIN32
// Past a file-size limit a write fails and is reported, instead of the
// signal killing the program (checked in a child process, which the signal
// would end).
TEST_F(RomAccess, FileSizeLimitFailsTheWriteInsteadOfKillingTheProgram)
{
    SyntheticImage(0x2000, 0xEE).save(path);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        IgnoreFileSizeSignal();
        const rlimit limit{0x1000, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string error = ErrorOf([&] { WriteRomBytes(path, 0x1800, 2, 0); });
        ::_exit(error == "Stream write error" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
#endif

TEST(SupportFiles, JoinTheExecutableFolderWithSlashes)
{
    SetSupportBase("/opt/pelbo\\dir/");
    EXPECT_EQ(SupportFilePath("\\korvane\\p1levels.txt"), "/opt/pelbo\\dir//korvane/p1levels.txt");
}

} // namespace
