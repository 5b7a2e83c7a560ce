// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The POSIX side of the platform layer: RomFile and the calls of
// core/platform/files.h.

#include "core/platform/files.h"
#include "core/romfile.h"

#include "core/korvaneerror.h"
#include "core/translate.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Counted on every thread that opens images (the header panel sums on its own).
std::atomic<std::uint64_t> gOpenCount{0};
std::atomic<std::uint64_t> gSyncCount{0};

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
    const int fd = ::open(path.c_str(), flags);
    if (fd < 0) {
        mErrno = errno;
        return;
    }
    mErrno = kind == Kind::PlainFile ? plainFileFault(fd) : notRegularFault(fd);
    if (mErrno == 0 && ::flock(fd, (access == Access::Write ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0)
        mErrno = errno;
#ifdef F_OFD_SETLK
    // And a record lock of the whole file, so that programs that lock with
    // fcntl or lockf rather than flock are respected too (and see ours).
    if (mErrno == 0) {
        struct flock whole {};
        whole.l_type = access == Access::Write ? F_WRLCK : F_RDLCK;
        whole.l_whence = SEEK_SET;
        if (::fcntl(fd, F_OFD_SETLK, &whole) != 0)
            mErrno = (errno == EACCES || errno == EAGAIN) ? EWOULDBLOCK : errno;
    }
#endif
    if (mErrno != 0)
        ::close(fd);
    else
        mHandle = fd;
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
    if (isOpen())
        ::close(fd());
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
        const ssize_t n = ::pread(fd(), out + done, count - done, offset + static_cast<std::int64_t>(done));
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
        const ssize_t n = ::pwrite(fd(), in + done, count - done, offset + static_cast<std::int64_t>(done));
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
    if (::fstat(fd(), &st) != 0) {
        mErrno = errno;
        return -1;
    }
    return st.st_size;
}

bool RomFile::sync()
{
    ++gSyncCount;
    if (::fsync(fd()) != 0) {
        mErrno = errno;
        return false;
    }
    return true;
}

int RomFile::fd() const
{
    return static_cast<int>(mHandle);
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
        return Translated("SystemErrors", "held by another program");
    return std::strerror(err);
}

std::filesystem::path FsPath(const std::string& path)
{
    return std::filesystem::path(path);
}

// Sized from fstat and read straight into out: one read for a file that
// stays as it is, growing only for a file that grows meanwhile.
int ReadFileData(const std::string& path, std::size_t maxSize, std::vector<std::uint8_t>& out)
{
    out.clear();
    // Non-blocking: opening a FIFO must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    int error = 0;
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        error = errno;
    else if (S_ISDIR(st.st_mode))
        error = EISDIR;
    else if (!S_ISREG(st.st_mode))
        error = EINVAL;
    else if (static_cast<std::uint64_t>(st.st_size) > maxSize)
        error = EFBIG;
    if (error == 0)
        out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (error == 0 && done < out.size()) {
        const ssize_t n = ::read(fd, reinterpret_cast<char*>(out.data()) + done, out.size() - done);
        if (n < 0 && errno != EINTR)
            error = errno;
        else if (n == 0)
            break; // shortened meanwhile
        else if (n > 0)
            done += static_cast<std::size_t>(n);
    }
    // The end, or what a file that grows meanwhile has gained.
    char more[4096];
    while (error == 0 && done == out.size()) {
        const ssize_t n = ::read(fd, more, sizeof more);
        if (n < 0 && errno != EINTR)
            error = errno;
        else if (n == 0)
            break;
        else if (n > 0 && done + static_cast<std::size_t>(n) > maxSize)
            error = EFBIG;
        else if (n > 0) {
            out.resize(done + static_cast<std::size_t>(n));
            std::memcpy(reinterpret_cast<char*>(out.data()) + done, more, static_cast<std::size_t>(n));
            done += static_cast<std::size_t>(n);
        }
    }
    ::close(fd);
    if (error != 0)
        out.clear();
    else
        out.resize(done);
    return error;
}


void RemoveStaleTemporaries(const std::string& folder, std::vector<std::string>* unremoved)
{
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        const auto owner = static_cast<pid_t>(TemporaryOwner(name));
        if (owner <= 0 || owner == ::getpid() || ::kill(owner, 0) == 0 || errno != ESRCH)
            continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (::unlinkat(::dirfd(dir), name.c_str(), 0) != 0 && unremoved)
            unremoved->push_back(folder + name + ": " + SystemErrorText(errno));
    }
    ::closedir(dir);
}

int ReplaceFileFrom(const std::string& path, const NextPiece& next, const ReplaceOptions& options)
{
    // Only a regular file is replaced, a link followed only to one (whose
    // place then takes the new file) that is none of keep; a new name gets
    // what the umask allows.
    std::string target = path;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode_t mode = 0666 & ~mask;
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        if (S_ISLNK(st.st_mode)) {
            if (::stat(path.c_str(), &st) != 0)
                return errno == ENOENT ? EINVAL : errno;
            const bool kept = std::any_of(options.keep.begin(), options.keep.end(), [&st](const std::string& keep) {
                struct stat k {};
                return ::stat(keep.c_str(), &k) == 0 && k.st_dev == st.st_dev && k.st_ino == st.st_ino;
            });
            if (!kept) {
                char* resolved = ::realpath(path.c_str(), nullptr);
                if (!resolved)
                    return errno;
                target = resolved;
                std::free(resolved);
            }
        }
        if (S_ISDIR(st.st_mode))
            return EISDIR;
        if (!S_ISREG(st.st_mode))
            return EINVAL;
        // Never the set-ID or sticky bits: the new file may have another owner.
        mode = st.st_mode & 0777;
    } else if (errno != ENOENT) {
        return errno;
    }
    // A hidden temporary beside it, named for the process that writes it; a
    // long name gives way to a short one.
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    RemoveStaleTemporaries(folder, options.unremoved);
    const std::string mark = kTemporaryMark + std::to_string(::getpid()) + "-XXXXXX";
    std::string temporary = folder + "." + (name.size() + 1 + mark.size() <= 255 ? name : std::string()) + mark;
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return errno;
    int error = 0;
    for (;;) {
        const void* piece = nullptr;
        std::size_t size = 0;
        if ((error = next(piece, size)) != 0 || size == 0)
            break;
        const auto* data = static_cast<const char*>(piece);
        std::size_t done = 0;
        while (error == 0 && done < size) {
            const ssize_t n = ::write(fd, data + done, size - done);
            if (n < 0 && errno != EINTR)
                error = errno;
            else if (n > 0)
                done += static_cast<std::size_t>(n);
        }
        if (error != 0)
            break;
    }
    if (error == 0 && (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0))
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.c_str());
    return error;
}

FileKind KindOfFile(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return FileKind::None;
    if (S_ISREG(st.st_mode))
        return FileKind::Regular;
    if (S_ISDIR(st.st_mode))
        return FileKind::Folder;
    if (S_ISFIFO(st.st_mode))
        return FileKind::Fifo;
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return FileKind::Device;
    return S_ISSOCK(st.st_mode) ? FileKind::Socket : FileKind::Other;
}

bool SameFile(const std::string& a, const std::string& b)
{
    struct stat sa {};
    struct stat sb {};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0)
        return a == b;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool FolderWritable(const std::string& folder)
{
    return ::access(folder.c_str(), W_OK) == 0;
}

void IgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

void UseBinaryStandardStreams()
{
}
