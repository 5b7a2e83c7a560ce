// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/romaccess.h"

#include "core/korvaneerror.h"
#include "core/romfile.h"

#include <cerrno>

RomRecord Rom;

namespace {

thread_local ImageTransaction* gTransaction = nullptr;

void checkSize(int size)
{
    if (size < 1 || size > 4)
        throw KorvaneError("Invalid value size " + std::to_string(size));
}

} // namespace

ImageTransaction::ImageTransaction(const std::string& path)
    : mPath(path)
{
    mFile = Of(path);
    if (!mFile) {
        mOwn.emplace(path, RomFile::Access::Write);
        mOwn->requireOpen(path);
        mFile = &*mOwn;
    }
    mOuter = gTransaction;
    gTransaction = this;
}

ImageTransaction::~ImageTransaction()
{
    gTransaction = mOuter;
}

RomFile* ImageTransaction::Of(const std::string& path)
{
    for (ImageTransaction* t = gTransaction; t; t = t->mOuter) {
        if (t->mPath == path)
            return t->mFile;
    }
    return nullptr;
}

ImageAccess::ImageAccess(const std::string& path, RomFile::Access access)
{
    mFile = ImageTransaction::Of(path);
    if (!mFile) {
        mOwn.emplace(path, access);
        mFile = &*mOwn;
    }
}

// Messages of the platform's byte-file functions.
void ThrowFileError(int err)
{
    const char* message = nullptr;
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        message = "File not found";
        break;
    case ENAMETOOLONG:
    case EINVAL:
        message = "Invalid filename";
        break;
    case EMFILE:
    case ENFILE:
        message = "Too many open files";
        break;
    case EACCES:
    case EPERM:
    case EWOULDBLOCK: // a lock held by another program
    case EISDIR:
    case EROFS:
    case ETXTBSY:
        message = "File access denied";
        break;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        message = "Disk full";
        break;
    default:
        throw KorvaneError("I/O error " + std::to_string(err), err);
    }
    throw KorvaneError(message, err);
}

std::uint32_t ReadRomValue(const std::string& path, std::int32_t offset, int size)
{
    checkSize(size);
    ImageAccess file(path, RomFile::Access::Read);
    file->requireOpen(path);
    unsigned char bytes[4] = {0, 0, 0, 0};
    if (file->readAt(offset, bytes, static_cast<std::size_t>(size)) != size)
        throw KorvaneError("Stream read error");
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8
        | static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::uint32_t ReadRomValue(std::int32_t offset, int size)
{
    return ReadRomValue(Rom.RomPath, offset, size);
}

void WriteRomBytes(const std::string& path, std::int32_t offset, int count, std::uint32_t value)
{
    checkSize(count);
    ImageAccess file(path, RomFile::Access::Write);
    file->requireOpen(path);
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(value),
        static_cast<unsigned char>(value >> 8),
        static_cast<unsigned char>(value >> 16),
        static_cast<unsigned char>(value >> 24),
    };
    if (!file->writeAt(offset, bytes, static_cast<std::size_t>(count)))
        throw KorvaneError("Stream write error", file->error());
}

void WriteRomData(const std::string& path, std::int64_t offset, const std::string& bytes)
{
    ImageAccess file(path, RomFile::Access::Write);
    file->requireOpen(path);
    if (!file->writeAt(offset, bytes.data(), bytes.size()))
        throw KorvaneError("Stream write error", file->error());
}

void WriteRomBytes(std::int32_t offset, int count, std::uint32_t value)
{
    WriteRomBytes(Rom.RomPath, offset, count, value);
}

std::uint32_t RomFileSize(const std::string& path)
{
    ImageAccess file(path, RomFile::Access::Read);
    file->requireOpen(path);
    const std::int64_t size = file->size();
    if (size < 0)
        throw KorvaneError("Stream read error");
    if (size > 0xFFFFFFFF)
        throw KorvaneError(kTooLargeMessage);
    return static_cast<std::uint32_t>(size);
}

void FlushRomFile(const std::string& path)
{
    ImageAccess file(path, RomFile::Access::Write);
    file->requireOpen(path);
    if (!file->sync())
        ThrowFileError(file->error());
}
