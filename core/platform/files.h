// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// The file system calls of the program besides RomFile, with one
// implementation per platform (posix.cpp, win32.cpp). A path here is the
// file name's bytes on Linux, passed on exactly as given, and UTF-8 on
// Windows, where it becomes UTF-16 at the system call. Failures are errno
// values (the Windows implementation maps its error codes to them).

// The path as std::filesystem takes it: never through the local 8-bit code
// page.
std::filesystem::path FsPath(const std::string& path);

// The content of a whole file, or the errno of the failure. Only a regular
// file (a link to one counts) of at most maxSize bytes is read: a directory
// gives EISDIR, any other kind of file (a FIFO, a device) EINVAL without
// waiting for it, a larger file EFBIG.
struct FileText
{
    std::string text;
    int error = 0;
};
// The whole file into bytes, read straight into them (sized from the file's
// size first): 0 or the errno, bytes empty on a failure.
int ReadFileData(const std::string& path, std::size_t maxSize, std::vector<std::uint8_t>& bytes);
inline FileText ReadFileText(const std::string& path, std::size_t maxSize)
{
    std::vector<std::uint8_t> bytes;
    FileText result;
    result.error = ReadFileData(path, maxSize, bytes);
    result.text.assign(bytes.begin(), bytes.end());
    return result;
}

// Writes the bytes of next to path through a new file in the same folder,
// flushed and renamed into place (replacing an existing file): path holds
// either what it held or all of the bytes, never a part. Only a regular file
// is replaced (EISDIR for a folder, EINVAL for a device or FIFO), and a link
// is followed only to a regular file, never to one of options.keep (the
// same file by device and inode): such a link is itself replaced. The new
// file gets the permission bits (0777) of the file it replaces, or what the
// umask leaves of 0666; never set-user-ID, set-group-ID or sticky bits. It
// is named ".NAME" kTemporaryMark "PID-XXXXXX" while it is written, and such
// files left beside it by a process that has ended are removed first
// (RemoveStaleTemporaries, into options.unremoved). 0, or the errno of the
// failure; the new file is removed then.
//
// next sets data and size to the next piece (it keeps the bytes until it is
// called again), a size of 0 at the end, and returns 0 or the errno of a
// failure, which ends the write.
using NextPiece = std::function<int(const void*& data, std::size_t& size)>;
struct ReplaceOptions
{
    std::vector<std::string> keep;
    std::vector<std::string>* unremoved = nullptr;
};
int ReplaceFileFrom(const std::string& path, const NextPiece& next, const ReplaceOptions& options = {});

// The same with the bytes in one piece.
inline int ReplaceFileContents(const std::string& path, const void* bytes, std::size_t size,
                               const ReplaceOptions& options = {})
{
    bool given = false;
    return ReplaceFileFrom(path, [&](const void*& data, std::size_t& count) {
        data = bytes;
        count = given ? 0 : size;
        given = true;
        return 0;
    }, options);
}

inline constexpr const char* kTemporaryMark = ".korvane-";

// The process id in the name (UTF-8) of a temporary of ReplaceFileFrom
// (".NAME" kTemporaryMark "PID-XXXXXX"), or 0 for any other name.
inline unsigned long TemporaryOwner(const std::string& name)
{
    const std::size_t mark = name.rfind(kTemporaryMark);
    if (name.empty() || name[0] != '.' || mark == std::string::npos)
        return 0;
    const std::string tail = name.substr(mark + std::char_traits<char>::length(kTemporaryMark));
    const std::size_t dash = tail.find('-');
    if (dash == 0 || dash == std::string::npos || tail.size() - dash - 1 != 6
        || tail.find_first_not_of("0123456789") != dash)
        return 0;
    return std::strtoul(tail.c_str(), nullptr, 10);
}

// Whether a and b name one file: the same device and inode (volume serial
// and file index on Windows), or the same path where a file does not exist.
bool SameFile(const std::string& a, const std::string& b);

// Removes the temporaries of ReplaceFileFrom in folder (a path ending in
// its separator, or empty for the current one) whose process has ended;
// those that cannot be removed are named in unremoved, when given.
void RemoveStaleTemporaries(const std::string& folder, std::vector<std::string>* unremoved = nullptr);

// Makes the folder path and the folders above it that are missing: 0 or
// the errno of the failure (a folder already there is no failure).
inline int MakeFolders(const std::string& path)
{
    std::error_code error;
    std::filesystem::create_directories(FsPath(path), error);
    return error ? error.default_error_condition().value() : 0;
}

// Removes the file at path, if there is one: what a failed write leaves.
inline void RemoveFile(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::remove(FsPath(path), ignored);
}

// What stands at path, links followed.
enum class FileKind { None, Regular, Folder, Fifo, Device, Socket, Other };
FileKind KindOfFile(const std::string& path);

// Whether this process may create files in folder.
bool FolderWritable(const std::string& folder);

// Writes past a file-size limit fail with EFBIG instead of ending the
// process (SIGXFSZ); nothing to do where there is no such signal.
void IgnoreFileSizeSignal();

// Standard input and output carry bytes as they are: no line-end
// translation (Windows' text mode would turn "\n" into "\r\n" and spoil
// binary output). Nothing to do on POSIX.
void UseBinaryStandardStreams();
