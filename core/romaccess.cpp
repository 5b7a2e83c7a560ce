// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/romaccess.h"

#include "core/korvaneerror.h"
#include "core/romfile.h"
#include "core/translate.h"

#include <cerrno>

namespace {

void checkSize(int size)
{
    if (size < 1 || size > 4)
        throw KorvaneError(Substituted(Translated("Files", "Invalid value size %1"), {std::to_string(size)}));
}

} // namespace

// Messages of the platform's byte-file functions.
void ThrowFileError(int err)
{
    std::string message;
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        message = Translated("Files", "File not found");
        break;
    case ENAMETOOLONG:
    case EINVAL:
        message = Translated("Files", "Invalid filename");
        break;
    case EMFILE:
    case ENFILE:
        message = Translated("Files", "Too many open files");
        break;
    case EACCES:
    case EPERM:
    case EWOULDBLOCK: // a lock held by another program
    case EISDIR:
    case EROFS:
    case ETXTBSY:
        message = Translated("Files", "File access denied");
        break;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        message = Translated("Files", "Disk full");
        break;
    default:
        throw KorvaneError(Substituted(Translated("Files", "I/O error %1"), {std::to_string(err)}), err);
    }
    throw KorvaneError(message, err);
}

std::uint32_t ReadRomValue(RomFile& file, std::int64_t offset, int size)
{
    checkSize(size);
    unsigned char bytes[4] = {0, 0, 0, 0};
    if (file.readAt(offset, bytes, static_cast<std::size_t>(size)) != size)
        throw KorvaneError(Translated("Files", "Stream read error"));
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8
        | static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::uint32_t ReadRomValue(const std::string& path, std::int32_t offset, int size)
{
    checkSize(size);
    RomFile file(path, RomFile::Access::Read);
    file.requireOpen(path);
    return ReadRomValue(file, offset, size);
}

void WriteRomBytes(RomFile& file, std::int64_t offset, int count, std::uint32_t value)
{
    checkSize(count);
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(value),
        static_cast<unsigned char>(value >> 8),
        static_cast<unsigned char>(value >> 16),
        static_cast<unsigned char>(value >> 24),
    };
    if (!file.writeAt(offset, bytes, static_cast<std::size_t>(count)))
        throw KorvaneError(Translated("Files", "Stream write error"), file.error());
}

void WriteRomBytes(const std::string& path, std::int32_t offset, int count, std::uint32_t value)
{
    checkSize(count);
    RomFile file(path, RomFile::Access::Write);
    file.requireOpen(path);
    WriteRomBytes(file, offset, count, value);
}

void WriteRomData(RomFile& file, std::int64_t offset, const std::string& bytes)
{
    if (!file.writeAt(offset, bytes.data(), bytes.size()))
        throw KorvaneError(Translated("Files", "Stream write error"), file.error());
}

std::uint32_t RomFileSize(RomFile& file)
{
    const std::int64_t size = file.size();
    if (size < 0)
        throw KorvaneError(Translated("Files", "Stream read error"));
    if (size > 0xFFFFFFFF)
        throw KorvaneError(Translated("Files", "The file is too large for a cartridge image (4 GiB or more)"));
    return static_cast<std::uint32_t>(size);
}

std::uint32_t RomFileSize(const std::string& path)
{
    RomFile file(path, RomFile::Access::Read);
    file.requireOpen(path);
    return RomFileSize(file);
}

void FlushRomFile(RomFile& file)
{
    if (!file.sync())
        ThrowFileError(file.error());
}
