// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Windows side of the platform layer: RomFile and the calls of
// core/platform/files.h through the wide-character Win32 API. Paths arrive
// as UTF-8 and become UTF-16 here; Win32 error codes become the errno
// values the rest of the program knows.

#include "core/platform/files.h"
#include "core/romfile.h"

#include "core/korvaneerror.h"
#include "core/translate.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>

namespace {

// Counted on every thread that opens images (the header panel sums on its own).
std::atomic<std::uint64_t> gOpenCount{0};
std::atomic<std::uint64_t> gSyncCount{0};

// A name that is not valid UTF-8 names no file: it gives an empty string,
// which every call refuses.
std::wstring wide(const std::string& path)
{
    if (path.empty())
        return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), int(path.size()), nullptr, 0);
    if (n <= 0)
        return {};
    std::wstring out(std::size_t(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), int(path.size()), out.data(), n);
    return out;
}

bool isFolder(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EWOULDBLOCK;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_PARAMETER:
        return EINVAL;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_FILE_TOO_LARGE:
        return EFBIG;
    default:
        return EIO;
    }
}

// The errno of a failed open of path: a folder refuses as EISDIR.
int openFault(const std::wstring& path)
{
    const DWORD error = ::GetLastError();
    if (error == ERROR_ACCESS_DENIED && isFolder(path))
        return EISDIR;
    return errnoOf(error);
}

HANDLE handleOf(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

// Why an open file cannot serve: a device or pipe (EINVAL), or, for a
// plain file, a reparse point (ELOOP) or a second link (EMLINK).
int fileFault(HANDLE file, bool plain)
{
    if (::GetFileType(file) != FILE_TYPE_DISK)
        return EINVAL;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(file, &info))
        return errnoOf(::GetLastError());
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return EISDIR;
    if (plain && (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return ELOOP;
    if (plain && info.nNumberOfLinks != 1)
        return EMLINK;
    return 0;
}

// Reads or writes at offset, in pieces a DWORD can count.
template <typename Call>
bool positioned(std::int64_t offset, std::size_t count, Call call, std::size_t& done, DWORD& error)
{
    done = 0;
    while (done < count) {
        const DWORD piece = DWORD(std::min<std::size_t>(count - done, 1u << 30));
        OVERLAPPED where{};
        const auto at = static_cast<std::uint64_t>(offset) + done;
        where.Offset = DWORD(at & 0xFFFFFFFFu);
        where.OffsetHigh = DWORD(at >> 32);
        DWORD moved = 0;
        if (!call(done, piece, &moved, &where)) {
            error = ::GetLastError();
            return false;
        }
        if (moved == 0)
            break;
        done += moved;
    }
    return true;
}

} // namespace

RomFile::RomFile(const std::string& path, Access access, Kind kind)
{
    ++gOpenCount;
    const std::wstring name = wide(path);
    if (name.empty()) {
        mErrno = path.empty() ? ENOENT : EINVAL;
        return;
    }
    const bool write = access == Access::Write;
    // What Windows refuses anyway; Wine, run as root, would not.
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (write && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)
        && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        mErrno = EACCES;
        return;
    }
    // Writing shares nothing; reading shares reading only.
    DWORD flags = FILE_ATTRIBUTE_NORMAL;
    if (kind == Kind::PlainFile)
        flags |= FILE_FLAG_OPEN_REPARSE_POINT;
    HANDLE file = ::CreateFileW(name.c_str(), write ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ,
                                write ? 0 : FILE_SHARE_READ, nullptr, OPEN_EXISTING, flags, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        mErrno = openFault(name);
        return;
    }
    mErrno = fileFault(file, kind == Kind::PlainFile);
    if (mErrno != 0)
        ::CloseHandle(file);
    else
        mHandle = reinterpret_cast<std::intptr_t>(file);
}

bool RomFile::Writable(const std::string& path)
{
    const std::wstring name = wide(path);
    if (name.empty())
        return true;
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)
        && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    HANDLE file = ::CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        ::CloseHandle(file);
        return true;
    }
    const DWORD error = ::GetLastError();
    return !((error == ERROR_ACCESS_DENIED && !isFolder(name)) || error == ERROR_WRITE_PROTECT);
}

void RomFile::requireOpen(const std::string& path) const
{
    if (!isOpen())
        throw OpenError(path, mErrno);
}

RomFile::~RomFile()
{
    if (isOpen())
        ::CloseHandle(handleOf(mHandle));
}

std::ptrdiff_t RomFile::readAt(std::int64_t offset, void* buffer, std::size_t count)
{
    if (offset < 0) {
        mErrno = EINVAL;
        return -1;
    }
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    DWORD error = 0;
    const bool ok = positioned(offset, count,
                               [&](std::size_t at, DWORD piece, DWORD* moved, OVERLAPPED* where) {
                                   if (::ReadFile(handleOf(mHandle), out + at, piece, moved, where))
                                       return true;
                                   // Past the end: nothing more to read.
                                   if (::GetLastError() == ERROR_HANDLE_EOF) {
                                       *moved = 0;
                                       return true;
                                   }
                                   return false;
                               },
                               done, error);
    if (!ok) {
        mErrno = errnoOf(error);
        return -1;
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
    DWORD error = 0;
    if (!positioned(offset, count,
                    [&](std::size_t at, DWORD piece, DWORD* moved, OVERLAPPED* where) {
                        return ::WriteFile(handleOf(mHandle), in + at, piece, moved, where) != 0;
                    },
                    done, error)) {
        mErrno = errnoOf(error);
        return false;
    }
    if (done < count) {
        mErrno = ENOSPC;
        return false;
    }
    return true;
}

std::int64_t RomFile::size()
{
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handleOf(mHandle), &size)) {
        mErrno = errnoOf(::GetLastError());
        return -1;
    }
    return size.QuadPart;
}

bool RomFile::sync()
{
    ++gSyncCount;
    if (!::FlushFileBuffers(handleOf(mHandle))) {
        mErrno = errnoOf(::GetLastError());
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
    // The C library here knows few of these; the texts are glibc's, so that
    // both builds say the same.
    switch (err) {
    case EWOULDBLOCK: return Translated("SystemErrors", "held by another program");
    case ENOENT: return Translated("SystemErrors", "No such file or directory");
    case EACCES: return Translated("SystemErrors", "Permission denied");
    case EISDIR: return Translated("SystemErrors", "Is a directory");
    case EINVAL: return Translated("SystemErrors", "Invalid argument");
    case EROFS: return Translated("SystemErrors", "Read-only file system");
    case ENOSPC: return Translated("SystemErrors", "No space left on device");
    case EMFILE: return Translated("SystemErrors", "Too many open files");
    case ENAMETOOLONG: return Translated("SystemErrors", "File name too long");
    case EEXIST: return Translated("SystemErrors", "File exists");
    case ENOMEM: return Translated("SystemErrors", "Cannot allocate memory");
    case EFBIG: return Translated("SystemErrors", "File too large");
    case ELOOP: return Translated("SystemErrors", "Too many levels of symbolic links");
    case EMLINK: return Translated("SystemErrors", "Too many links");
    case EIO: return Translated("SystemErrors", "Input/output error");
    default: return std::strerror(err);
    }
}

std::filesystem::path FsPath(const std::string& path)
{
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size()));
}

// Sized from the file and read straight into out, growing only for a file
// that grows meanwhile.
int ReadFileData(const std::string& path, std::size_t maxSize, std::vector<std::uint8_t>& out)
{
    out.clear();
    const std::wstring name = wide(path);
    if (name.empty())
        return path.empty() ? ENOENT : EINVAL;
    HANDLE file = ::CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return openFault(name);
    int error = fileFault(file, false);
    LARGE_INTEGER size{};
    if (error == 0 && !::GetFileSizeEx(file, &size))
        error = errnoOf(::GetLastError());
    if (error == 0 && static_cast<std::uint64_t>(size.QuadPart) > maxSize)
        error = EFBIG;
    if (error == 0)
        out.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    DWORD failure = 0;
    if (error == 0
        && !positioned(0, out.size(),
                       [&](std::size_t at, DWORD count, DWORD* moved, OVERLAPPED* where) {
                           return ::ReadFile(file, reinterpret_cast<char*>(out.data()) + at, count, moved, where) != 0
                               || ::GetLastError() == ERROR_HANDLE_EOF;
                       },
                       done, failure))
        error = errnoOf(failure);
    // The end, or what a file that grows meanwhile has gained.
    char more[65536];
    while (error == 0 && done == out.size()) {
        DWORD n = 0;
        OVERLAPPED where{};
        where.Offset = DWORD(static_cast<std::uint64_t>(done) & 0xFFFFFFFFu);
        where.OffsetHigh = DWORD(static_cast<std::uint64_t>(done) >> 32);
        if (!::ReadFile(file, more, sizeof more, &n, &where)) {
            if (::GetLastError() != ERROR_HANDLE_EOF)
                error = errnoOf(::GetLastError());
            break;
        }
        if (n == 0)
            break;
        if (done + n > maxSize) {
            error = EFBIG;
        } else {
            out.resize(done + n);
            std::memcpy(reinterpret_cast<char*>(out.data()) + done, more, n);
            done += n;
        }
    }
    ::CloseHandle(file);
    if (error != 0)
        out.clear();
    else
        out.resize(done);
    return error;
}


namespace {

bool processRuns(DWORD id)
{
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (!process)
        return ::GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool runs = ::GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    ::CloseHandle(process);
    return runs;
}

// The UTF-8 of a name as the system gives it.
std::string narrow(const std::wstring& name)
{
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, name.data(), int(name.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(std::size_t(std::max(length, 0)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, name.data(), int(name.size()), utf8.data(), length, nullptr, nullptr);
    return utf8;
}

} // namespace

int ReplaceFileFrom(const std::string& path, const NextPiece& next, const ReplaceOptions& options)
{
    const std::wstring name = wide(path);
    if (name.empty())
        return path.empty() ? ENOENT : EINVAL;
    // Only a regular file is replaced: never a folder or a device. A link is
    // itself replaced, never what it points to (MoveFileExW's way), so
    // options.keep needs no check here.
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            return EISDIR;
        HANDLE existing = ::CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (existing != INVALID_HANDLE_VALUE) {
            const bool disk = ::GetFileType(existing) == FILE_TYPE_DISK;
            ::CloseHandle(existing);
            if (!disk)
                return EINVAL;
        }
    }
    // A hidden temporary beside it, named for the process that writes it; a
    // long name gives way to a short one (255 characters a name).
    const std::size_t slash = name.find_last_of(L"\\/");
    const std::wstring folder = name.substr(0, slash == std::wstring::npos ? 0 : slash + 1);
    const std::wstring base = name.substr(folder.size());
    const std::size_t cut = path.find_last_of("\\/");
    RemoveStaleTemporaries(cut == std::string::npos ? std::string() : path.substr(0, cut + 1), options.unremoved);
    static std::atomic<unsigned> counter{0};
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        wchar_t random[8];
        ::swprintf(random, 8, L"%06x", (counter++ * 7919u + ::GetTickCount()) & 0xFFFFFF);
        const std::wstring suffix = wide(kTemporaryMark) + std::to_wstring(::GetCurrentProcessId()) + L"-" + random;
        temporary = folder + L"." + (base.size() + 1 + suffix.size() <= 255 ? base : std::wstring()) + suffix;
        file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            return openFault(temporary);
    }
    if (file == INVALID_HANDLE_VALUE)
        return EEXIST;
    int error = 0;
    std::int64_t written = 0;
    for (;;) {
        const void* piece = nullptr;
        std::size_t size = 0;
        if ((error = next(piece, size)) != 0 || size == 0)
            break;
        std::size_t done = 0;
        DWORD failure = 0;
        const auto* data = static_cast<const char*>(piece);
        if (!positioned(written, size,
                        [&](std::size_t at, DWORD count, DWORD* moved, OVERLAPPED* where) {
                            return ::WriteFile(file, data + at, count, moved, where) != 0;
                        },
                        done, failure))
            error = errnoOf(failure);
        else if (done < size)
            error = ENOSPC;
        if (error != 0)
            break;
        written += static_cast<std::int64_t>(size);
    }
    if (error == 0 && !::FlushFileBuffers(file))
        error = errnoOf(::GetLastError());
    if (!::CloseHandle(file) && error == 0)
        error = errnoOf(::GetLastError());
    if (error == 0
        && !::MoveFileExW(temporary.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = openFault(name);
    if (error != 0)
        ::DeleteFileW(temporary.c_str());
    return error;
}

bool SameFile(const std::string& a, const std::string& b)
{
    const auto identity = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
        const std::wstring name = wide(path);
        if (name.empty())
            return false;
        HANDLE file = ::CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        const bool ok = ::GetFileInformationByHandle(file, &info) != 0;
        ::CloseHandle(file);
        return ok;
    };
    BY_HANDLE_FILE_INFORMATION ia{};
    BY_HANDLE_FILE_INFORMATION ib{};
    if (!identity(a, ia) || !identity(b, ib))
        return a == b;
    return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh
           && ia.nFileIndexLow == ib.nFileIndexLow;
}

void RemoveStaleTemporaries(const std::string& folder, std::vector<std::string>* unremoved)
{
    const std::wstring wideFolder = folder.empty() ? std::wstring() : wide(folder);
    if (!folder.empty() && wideFolder.empty())
        return;
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW((wideFolder + L".*.korvane-*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = narrow(found.cFileName);
        const unsigned long owner = TemporaryOwner(name);
        if (owner == 0 || owner == ::GetCurrentProcessId() || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            || processRuns(static_cast<DWORD>(owner)))
            continue;
        if (!::DeleteFileW((wideFolder + found.cFileName).c_str()) && unremoved)
            unremoved->push_back(folder + name + ": " + SystemErrorText(errnoOf(::GetLastError())));
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

FileKind KindOfFile(const std::string& path)
{
    const std::wstring name = wide(path);
    const DWORD attributes = name.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return FileKind::None;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return FileKind::Folder;
    HANDLE file = ::CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FileKind::Other;
    const DWORD type = ::GetFileType(file);
    ::CloseHandle(file);
    return type == FILE_TYPE_DISK ? FileKind::Regular
         : type == FILE_TYPE_PIPE ? FileKind::Fifo
         : type == FILE_TYPE_CHAR ? FileKind::Device
                                  : FileKind::Other;
}

bool FolderWritable(const std::string& folder)
{
    const std::wstring name = wide(folder);
    if (name.empty())
        return false;
    const std::wstring probe = name + L"\\.korvane-probe-" + std::to_wstring(::GetCurrentProcessId());
    HANDLE file = ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(file);
    return true;
}

void IgnoreFileSizeSignal()
{
}

void UseBinaryStandardStreams()
{
    ::_setmode(::_fileno(stdin), _O_BINARY);
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
}
