// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/romfile.h"

#include "core/korvaneerror.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::uint64_t gOpenCount = 0;
std::uint64_t gSyncCount = 0;

// Why an open file is no plain file of its own: a second link, or not a
// regular file. 0 when it is one.
int plainFileFault(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return errno;
    if (!S_ISREG(st.st_mode))
        return EINVAL;
    if (st.st_nlink != 1)
        return EMLINK;
    return 0;
}

// Why an open file cannot serve as an image: a folder or no regular file.
int notRegularFault(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return errno;
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    return S_ISREG(st.st_mode) ? 0 : EINVAL;
}

} // namespace

RomFile::RomFile(const std::string& path, Access access, Kind kind)
{
    ++gOpenCount;
    // Non-blocking: opening a FIFO for reading must not wait for a writer.
    int flags = (access == Access::Write ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NONBLOCK;
    if (kind == Kind::PlainFile)
        flags |= O_NOFOLLOW;
    mFd = ::open(path.c_str(), flags);
    if (mFd < 0) {
        mErrno = errno;
        return;
    }
    mErrno = kind == Kind::PlainFile ? plainFileFault(mFd) : notRegularFault(mFd);
    if (mErrno == 0 && ::flock(mFd, (access == Access::Write ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0)
        mErrno = errno;
    if (mErrno != 0) {
        ::close(mFd);
        mFd = -1;
    }
}

bool RomFile::Writable(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno != EACCES && errno != EPERM && errno != EROFS && errno != ETXTBSY;
}

void RomFile::requireOpen(const std::string& path) const
{
    if (!isOpen())
        throw OpenError(path, mErrno);
}

RomFile::~RomFile()
{
    if (mFd >= 0)
        ::close(mFd);
}

std::ptrdiff_t RomFile::readAt(std::int64_t offset, void* buffer, std::size_t count)
{
    if (offset < 0) {
        mErrno = EINVAL;
        return -1;
    }
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pread(mFd, out + done, count - done, offset + static_cast<std::int64_t>(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            mErrno = errno;
            return -1;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<std::ptrdiff_t>(done);
}

bool RomFile::writeAt(std::int64_t offset, const void* buffer, std::size_t count)
{
    if (offset < 0) {
        mErrno = EINVAL;
        return false;
    }
    const auto* in = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pwrite(mFd, in + done, count - done, offset + static_cast<std::int64_t>(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            mErrno = errno;
            return false;
        }
        if (n == 0) {
            mErrno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::int64_t RomFile::size()
{
    struct stat st {};
    if (::fstat(mFd, &st) != 0) {
        mErrno = errno;
        return -1;
    }
    return st.st_size;
}

bool RomFile::sync()
{
    ++gSyncCount;
    if (::fsync(mFd) != 0) {
        mErrno = errno;
        return false;
    }
    return true;
}

std::uint64_t RomFile::OpenCount()
{
    return gOpenCount;
}

std::uint64_t RomFile::SyncCount()
{
    return gSyncCount;
}

std::string SystemErrorText(int err)
{
    // The only source of this one: another program's lock on the file.
    if (err == EWOULDBLOCK)
        return "held by another program";
    return std::strerror(err);
}
