// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// An open file of the program's own: the image, or a tile bitmap of the
// support folder. Opened for reading and writing with an exclusive lock
// (flock), so that no other open of the file that locks it succeeds while
// this handle lives; closed by the destructor on every path.
class RomFile
{
public:
    enum class Kind {
        Any,       // whatever the path names, links followed
        PlainFile, // a regular file with one link, not reached through a symbolic link
    };

    // Opens an existing file; never creates one. Returns an invalid handle on
    // failure, with the reason in error(): a lock held elsewhere gives
    // EWOULDBLOCK, a PlainFile that is none ELOOP, EMLINK or EINVAL.
    explicit RomFile(const std::string& path, Kind kind = Kind::Any);
    ~RomFile();
    RomFile(const RomFile&) = delete;
    RomFile& operator=(const RomFile&) = delete;

    bool isOpen() const { return mFd >= 0; }
    // Throws KorvaneError "Cannot open file <path>" unless the file is open.
    void requireOpen(const std::string& path) const;
    // errno of the failed open, or of the last failed operation.
    int error() const { return mErrno; }

    // Reads up to count bytes at offset; returns how many were read, or -1 on
    // an error.
    std::ptrdiff_t readAt(std::int64_t offset, void* buffer, std::size_t count);
    // Writes all count bytes at offset; false on any error or short write.
    bool writeAt(std::int64_t offset, const void* buffer, std::size_t count);
    // File length in bytes, or -1 on an error.
    std::int64_t size();
    // Flushes what was written to the disk (fsync); false on an error.
    bool sync();

    // Opens tried and flushes done by every RomFile of the process so far.
    // Read by the benchmarks and tests to count an operation's file opens
    // and flushes; each costs one increment.
    static std::uint64_t OpenCount();
    static std::uint64_t SyncCount();

private:
    int mFd = -1;
    int mErrno = 0;
};
