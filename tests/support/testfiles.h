// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A fresh folder under the system's temporary directory, removed with its
// contents when the object goes.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return mPath; }
    // path() + "/" + name
    std::string file(const std::string& name) const;

private:
    std::string mPath;
};

// The message of the KorvaneError that call throws, or "no error".
std::string ErrorOf(const std::function<void()>& call);

// The whole content of a file; throws std::runtime_error when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

// Holds a flock on a file from another open file description, as another
// program holding the file open would: exclusive as a writer, or shared as
// a reader (on Windows, a handle sharing nothing or only reading).
class ForeignLock
{
public:
    // Record: a record lock on the whole file (fcntl), which a reader's
    // flock does not see; the same as Exclusive on Windows.
    enum class Kind { Exclusive, Shared, Record };
    explicit ForeignLock(const std::string& path, Kind kind = Kind::Exclusive);
    ~ForeignLock();
    ForeignLock(const ForeignLock&) = delete;
    ForeignLock& operator=(const ForeignLock&) = delete;

private:
    int mFd = -1;
    void* mHandle = nullptr;
};

// While it lives, the file cannot be opened for writing by this process:
// mode 0444, and for root (whom modes do not stop) the immutable attribute
// where the file system has one (on Windows, the read-only attribute). ok()
// is false when that is not possible.
class Unwritable
{
public:
    explicit Unwritable(const std::string& path);
    ~Unwritable();
    Unwritable(const Unwritable&) = delete;
    Unwritable& operator=(const Unwritable&) = delete;
    bool ok() const { return mOk; }

private:
    std::string mPath;
    bool mImmutable = false;
    bool mOk = false;
};

// While it lives, writes that reach at or past limit bytes into any file of
// this process fail with EFBIG (RLIMIT_FSIZE, which holds for root too), as
// on a full disk: a save that writes below and above the limit fails midway.
// Windows has no such limit: there it does nothing, and Supported() is false.
class WriteLimit
{
public:
    static bool Supported();
    explicit WriteLimit(std::uint64_t limit);
    ~WriteLimit();
    WriteLimit(const WriteLimit&) = delete;
    WriteLimit& operator=(const WriteLimit&) = delete;

private:
    std::uint64_t mSoft = 0;
    std::uint64_t mHard = 0;
    void (*mPreviousHandler)(int) = nullptr;
};
