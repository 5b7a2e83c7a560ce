// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/testfiles.h"

#include "core/korvaneerror.h"
#include "core/platform/files.h"
#include "core/romfile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

TempDir::TempDir()
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100 && mPath.empty(); ++attempt) {
        const std::filesystem::path candidate = base / ("korvane-test-" + std::to_string(random() % 1000000000));
        if (std::filesystem::create_directory(candidate)) {
            const std::u8string name = candidate.generic_u8string();
            mPath.assign(name.begin(), name.end());
        }
    }
    if (mPath.empty())
        throw std::runtime_error("cannot make a temporary folder");
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(mPath, ignored);
}

std::string TempDir::file(const std::string& name) const
{
    return mPath + "/" + name;
}

std::string ErrorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const KorvaneError& e) {
        return e.what();
    }
    return "no error";
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream in(FsPath(path), std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

#ifdef _WIN32

// Another program holding the file: a writer's handle shares reading only
// (so the test can still look at the bytes), a reader's shares reading.
// Either refuses the program's writes; the writer refuses its reads too.
ForeignLock::ForeignLock(const std::string& path, Kind kind)
{
    const std::wstring name = FsPath(path).wstring();
    const DWORD access = kind == Kind::Shared ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    HANDLE file = ::CreateFileW(name.c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("cannot lock " + path);
    mHandle = file;
}

ForeignLock::~ForeignLock()
{
    if (mHandle)
        ::CloseHandle(mHandle);
}

Unwritable::Unwritable(const std::string& path) : mPath(path)
{
    std::error_code error;
    std::filesystem::permissions(FsPath(path), std::filesystem::perms::all & ~std::filesystem::perms::owner_write
                                                    & ~std::filesystem::perms::group_write
                                                    & ~std::filesystem::perms::others_write,
                                 error);
    mOk = !error;
}

Unwritable::~Unwritable()
{
    std::error_code error;
    std::filesystem::permissions(FsPath(mPath), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, error);
}

bool WriteLimit::Supported()
{
    return false;
}

WriteLimit::WriteLimit(std::uint64_t) {}

WriteLimit::~WriteLimit() = default;

#else

ForeignLock::ForeignLock(const std::string& path, Kind kind)
{
    mFd = ::open(path.c_str(), (kind == Kind::Record ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    struct flock record {};
    record.l_type = F_WRLCK;
    record.l_whence = SEEK_SET;
    if (mFd < 0
        || (kind == Kind::Record ? ::fcntl(mFd, F_SETLK, &record)
                                 : ::flock(mFd, (kind == Kind::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB))
               != 0)
        throw std::runtime_error("cannot lock " + path);
}

ForeignLock::~ForeignLock()
{
    if (mFd >= 0)
        ::close(mFd);
}
namespace {

bool setImmutable(const std::string& path, bool on)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

} // namespace

Unwritable::Unwritable(const std::string& path) : mPath(path)
{
    mOk = ::chmod(path.c_str(), 0444) == 0;
    if (mOk && ::geteuid() == 0)
        mOk = mImmutable = setImmutable(path, true);
}

Unwritable::~Unwritable()
{
    if (mImmutable)
        setImmutable(mPath, false);
    ::chmod(mPath.c_str(), 0644);
}

bool WriteLimit::Supported()
{
    return true;
}

WriteLimit::WriteLimit(std::uint64_t limit)
{
    rlimit current {};
    ::getrlimit(RLIMIT_FSIZE, &current);
    mSoft = current.rlim_cur;
    mHard = current.rlim_max;
    // Without this the process would be killed by SIGXFSZ.
    mPreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit lowered {static_cast<rlim_t>(limit), current.rlim_max};
    if (::setrlimit(RLIMIT_FSIZE, &lowered) != 0)
        throw std::runtime_error("cannot lower RLIMIT_FSIZE");
}

WriteLimit::~WriteLimit()
{
    const rlimit restored {static_cast<rlim_t>(mSoft), static_cast<rlim_t>(mHard)};
    ::setrlimit(RLIMIT_FSIZE, &restored);
    std::signal(SIGXFSZ, mPreviousHandler);
}

#endif
