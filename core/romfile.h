// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// An open file of the program's own: the image, or a tile bitmap of the
// support folder. Opened for reading only with a shared lock, or for reading
// and writing with an exclusive lock (flock; on Windows the share modes:
// reading shares reading, writing shares nothing), so readers never refuse
// each other while a writer refuses and is refused by everyone else; closed
// by the destructor on every path. Implemented in core/platform/.
class RomFile
{
public:
    enum class Access {
        Read,  // O_RDONLY, shared lock: a read-only image opens
        Write, // O_RDWR, exclusive lock
    };
    enum class Kind {
        Any,       // a regular file, links followed
        PlainFile, // a regular file with one link, not reached through a symbolic link
    };

    // Opens an existing file; never creates one. Returns an invalid handle on
    // failure, with the reason in error(): a lock held elsewhere gives
    // EWOULDBLOCK, a folder EISDIR, another file that is no regular file
    // EINVAL, a PlainFile that is none ELOOP or EMLINK.
    RomFile(const std::string& path, Access access, Kind kind = Kind::Any);
    ~RomFile();
    RomFile(const RomFile&) = delete;
    RomFile& operator=(const RomFile&) = delete;

    bool isOpen() const { return mHandle != -1; }
    // Throws OpenError "Cannot open file <path>" unless the file is open.
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

    // Whether the file at path could be opened for writing, as far as its
    // permissions and file system go (no lock is taken): false for a file
    // without write permission, on a read-only file system or immutable;
    // true when it cannot be told (a missing file fails its reads anyway).
    static bool Writable(const std::string& path);

private:
    // The descriptor, or the Windows HANDLE; -1 (INVALID_HANDLE_VALUE) when
    // not open.
    std::intptr_t mHandle = -1;
    int mErrno = 0;
#ifndef _WIN32
    int fd() const;
#endif
};

// The system's description of an errno value ("Permission denied"), for the
// command line; a lock another program holds is "held by another
// program".
std::string SystemErrorText(int err);
