// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The contract of the platform layer, the same on Linux and on Windows.

#include "core/patchfiles.h"
#include "core/platform/files.h"
#include "core/romfile.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using Access = RomFile::Access;

struct Platform : ::testing::Test
{
    TempDir dir;
    std::string path = dir.file("rom.bin");

    void SetUp() override { std::ofstream(FsPath(path), std::ios::binary) << std::string(0x200, '\x5A'); }
};

// Readers share the file; a writer shares it with nobody, and the refusal
// says that another program holds it.
TEST_F(Platform, AWriterSharesTheFileWithNobody)
{
    const struct
    {
        Access first;
        Access second;
        bool opens;
    } cases[] = {{Access::Read, Access::Read, true},
                 {Access::Read, Access::Write, false},
                 {Access::Write, Access::Read, false},
                 {Access::Write, Access::Write, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.first) * 2 + int(c.second));
        RomFile first(path, c.first);
        ASSERT_TRUE(first.isOpen());
        RomFile second(path, c.second);
        EXPECT_EQ(second.isOpen(), c.opens);
        if (!c.opens) {
            EXPECT_EQ(SystemErrorText(second.error()), "held by another program");
        }
    }
    RomFile again(path, Access::Write);
    EXPECT_TRUE(again.isOpen());
}

#ifndef _WIN32
// A program that locks with lockf (a POSIX record lock) rather than flock
// holds the file as well. (The lock is held by a child: a process drops its
// own record locks whenever it closes any descriptor of the file.)
TEST_F(Platform, RecordLocksOfOtherProgramsAreRespected)
{
    int locked[2];
    int release[2];
    ASSERT_EQ(::pipe(locked), 0);
    ASSERT_EQ(::pipe(release), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        const char ok = fd >= 0 && ::lockf(fd, F_TLOCK, 0) == 0 ? 'y' : 'n';
        char done = 0;
        if (::write(locked[1], &ok, 1) == 1 && ::read(release[0], &done, 1) >= 0)
            ::_exit(0);
        ::_exit(1);
    }
    char ok = 0;
    ASSERT_EQ(::read(locked[0], &ok, 1), 1);
    EXPECT_EQ(ok, 'y');
    for (const Access access : {Access::Read, Access::Write}) {
        RomFile file(path, access);
        EXPECT_FALSE(file.isOpen());
        EXPECT_EQ(SystemErrorText(file.error()), "held by another program");
    }
    const char go = 'g';
    EXPECT_EQ(::write(release[1], &go, 1), 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    for (int fd : {locked[0], locked[1], release[0], release[1]})
        ::close(fd);
    EXPECT_TRUE(RomFile(path, Access::Write).isOpen());
}
#endif

TEST_F(Platform, AReadOnlyFileOpensForReadingOnly)
{
    Unwritable unwritable(path);
    if (!unwritable.ok())
        GTEST_SKIP() << "cannot make a file unwritable here";
    EXPECT_FALSE(RomFile::Writable(path));
    EXPECT_TRUE(RomFile(path, Access::Read).isOpen());
    RomFile write(path, Access::Write);
    EXPECT_FALSE(write.isOpen());
    EXPECT_TRUE(write.error() == EACCES || write.error() == EPERM) << write.error();
}

// Offsets past 2 GiB and 4 GiB (the high half of a Windows offset) land
// where they say; the file is sparse where the system allows.
TEST_F(Platform, PositionedReadsAndWritesPastFourGibibytes)
{
    RomFile file(path, Access::Write);
    ASSERT_TRUE(file.isOpen());
    const unsigned char word[2] = {0xA5, 0x5A};
    for (const std::int64_t offset : {std::int64_t{0x80000010}, std::int64_t{0x100000010}}) {
        SCOPED_TRACE(offset);
        ASSERT_TRUE(file.writeAt(offset, word, sizeof word));
        unsigned char back[4] = {};
        EXPECT_EQ(file.readAt(offset - 1, back, sizeof back), 3);
        EXPECT_EQ(back[1], 0xA5);
        EXPECT_EQ(back[2], 0x5A);
        EXPECT_EQ(file.size(), offset + 2);
    }
    const std::uint64_t syncs = RomFile::SyncCount();
    EXPECT_TRUE(file.sync());
    EXPECT_EQ(RomFile::SyncCount(), syncs + 1);
    unsigned char none[2] = {};
    EXPECT_EQ(file.readAt(file.size(), none, sizeof none), 0);
    EXPECT_EQ(file.readAt(-1, none, sizeof none), -1);
}

// The new content replaces the old one whole, and no temporary file stays;
// a folder in the way is left as it is.
TEST_F(Platform, ReplaceIsAtomicAndLeavesNothingBehind)
{
    ASSERT_EQ(ReplaceFileContents(path, "new", 3), 0);
    EXPECT_EQ(ReadFileText(path, 100).text, "new");
    fs::create_directory(FsPath(dir.file("folder")));
    EXPECT_NE(ReplaceFileContents(dir.file("folder"), "x", 1), 0);
    EXPECT_TRUE(fs::is_directory(FsPath(dir.file("folder"))));
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(FsPath(dir.path())))
        ++entries;
    EXPECT_EQ(entries, 2);
}

// A file copied in pieces through an open arrives whole, larger than a
// piece; a piece that fails leaves the file it would replace as it was.
TEST_F(Platform, CopiesInPiecesAreWholeOrNothing)
{
    std::string bytes((3 << 20) + 3, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 + i / 4096);
    ASSERT_EQ(ReplaceFileContents(path, bytes.data(), bytes.size()), 0);
    RomFile file(path, Access::Read);
    CopyOpenFile(file, dir.file("copy.bin"));
    EXPECT_EQ(ReadFileText(dir.file("copy.bin"), bytes.size()).text, bytes);

    int pieces = 0;
    EXPECT_EQ(ReplaceFileFrom(dir.file("copy.bin"),
                              [&](const void*& data, std::size_t& size) {
                                  data = "xyz";
                                  size = 3;
                                  return ++pieces == 3 ? EIO : 0;
                              }),
              EIO);
    EXPECT_EQ(ReadFileText(dir.file("copy.bin"), bytes.size()).text, bytes);
}

// Temporaries left by runs that ended are removed by the next write into
// their folder; a running program's, and any other name, stay.
TEST_F(Platform, StaleTemporariesAreRemoved)
{
#ifdef _WIN32
    const std::string live = std::to_string(::GetCurrentProcessId());
#else
    const std::string live = std::to_string(::getppid());
#endif
    const std::vector<std::string> names = {".rom.bin.korvane-99999999-abcdef", ".rom.bin.korvane-" + live + "-abcdef",
                                            "rom.bin.korvane-99999999-abcdef", ".rom.bin.XXXXXX"};
    for (const std::string& name : names)
        std::ofstream(FsPath(dir.file(name))) << "x";
    std::vector<std::string> unremoved;
    ASSERT_EQ(ReplaceFileFrom(path, [](const void*& data, std::size_t& size) { data = ""; size = 0; return 0; },
                              {{}, &unremoved}),
              0);
    EXPECT_TRUE(unremoved.empty());
    for (const std::string& name : names)
        EXPECT_EQ(fs::exists(FsPath(dir.file(name))), name != names[0]) << name;
}

#ifndef _WIN32
// A replaced file keeps its permission bits, never its set-ID or sticky
// bits.
TEST_F(Platform, ReplacementsGrantNoMoreThanTheFileHad)
{
    for (const mode_t mode : {04755, 02750, 01644, 0600}) {
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_EQ(ReplaceFileContents(path, "x", 1), 0);
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode & 0777) << std::oct << mode;
    }
}
#endif

TEST_F(Platform, SameFileByTwoNames)
{
    fs::create_hard_link(FsPath(path), FsPath(dir.file("link.bin")));
    std::ofstream(FsPath(dir.file("other.bin"))) << "x";
    EXPECT_TRUE(SameFile(path, dir.file("link.bin")));
    EXPECT_TRUE(SameFile(path, dir.path() + "/./rom.bin"));
    EXPECT_FALSE(SameFile(path, dir.file("other.bin")));
    EXPECT_TRUE(SameFile(dir.file("missing"), dir.file("missing")));
    EXPECT_FALSE(SameFile(dir.file("missing"), dir.file("missing2")));
}

// A file the program writes into its support folder must be a plain file of
// its own: never reached through a second link (or a symbolic one).
TEST_F(Platform, PlainFilesRefuseLinks)
{
    EXPECT_TRUE(RomFile(path, Access::Write, RomFile::Kind::PlainFile).isOpen());
    fs::create_hard_link(FsPath(path), FsPath(dir.file("link.bin")));
    RomFile linked(dir.file("link.bin"), Access::Write, RomFile::Kind::PlainFile);
    EXPECT_FALSE(linked.isOpen());
    EXPECT_EQ(linked.error(), EMLINK);
    EXPECT_TRUE(RomFile(dir.file("link.bin"), Access::Write).isOpen());
#ifndef _WIN32
    fs::create_symlink("other.bin", FsPath(dir.file("symlink.bin")));
    std::ofstream(FsPath(dir.file("other.bin"))) << "x";
    EXPECT_EQ(RomFile(dir.file("symlink.bin"), Access::Write, RomFile::Kind::PlainFile).error(), ELOOP);
#endif
}

// A name outside ASCII (UTF-8 here, UTF-16 at Windows' calls) names the
// same file for every call.
TEST_F(Platform, NamesOutsideAscii)
{
    const std::string name = dir.file("\xC3\xA4-\xC3\x9F-\xE2\x82\xAC.bin"); // ä-ß-€
    ASSERT_EQ(ReplaceFileContents(name, "abc", 3), 0);
    EXPECT_TRUE(fs::exists(FsPath(name)));
    EXPECT_EQ(ReadFileText(name, 10).text, "abc");
    RomFile file(name, Access::Write);
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(file.size(), 3);
    EXPECT_TRUE(SameFile(name, name));
}

TEST_F(Platform, WholeFilesAreReadWithinTheirBound)
{
    EXPECT_EQ(ReadFileText(path, 0x200).text.size(), 0x200u);
    EXPECT_EQ(ReadFileText(path, 0x1FF).error, EFBIG);
    EXPECT_EQ(ReadFileText(dir.path(), 0x200).error, EISDIR);
    EXPECT_EQ(ReadFileText(dir.file("missing"), 0x200).error, ENOENT);
    EXPECT_EQ(RomFile(dir.path(), Access::Read).error(), EISDIR);
}

} // namespace
