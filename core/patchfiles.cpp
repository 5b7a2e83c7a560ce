// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/patchfiles.h"

#include "core/ips.h"
#include "core/korvaneerror.h"
#include "core/supportfiles.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kMaxPatchFile = std::size_t{1} << 30;

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

[[noreturn]] void cannotWrite(const std::string& path, int error)
{
    throw KorvaneError("Cannot write file " + path + ": " + std::strerror(error), error);
}

} // namespace

std::optional<PatchFormat> PatchFormatOfName(const std::string& path)
{
    const std::string name = lower(path);
    if (endsWith(name, ".bps"))
        return PatchFormat::Bps;
    if (endsWith(name, ".ips"))
        return PatchFormat::Ips;
    return std::nullopt;
}

PatchFormat PatchFormatOf(const PatchBytes& patch)
{
    const auto startsWith = [&patch](const char* magic) {
        const std::size_t n = std::strlen(magic);
        return patch.size() >= n && std::equal(magic, magic + n, patch.begin());
    };
    if (startsWith("BPS1"))
        return PatchFormat::Bps;
    if (startsWith("PATCH"))
        return PatchFormat::Ips;
    throw KorvaneError("not a patch: it starts neither with \"BPS1\" nor with \"PATCH\"");
}

const char* PatchFormatName(PatchFormat format)
{
    return format == PatchFormat::Bps ? "BPS" : "IPS";
}

PatchBytes CreatePatch(PatchFormat format, const PatchBytes& original, const PatchBytes& changed)
{
    return format == PatchFormat::Bps ? CreateBpsPatch(original, changed) : CreateIpsPatch(original, changed);
}

PatchBytes ApplyPatch(const PatchBytes& patch, const PatchBytes& original)
{
    return PatchFormatOf(patch) == PatchFormat::Bps ? ApplyBpsPatch(patch, original) : ApplyIpsPatch(patch, original);
}

PatchBytes ReadBinaryFile(const std::string& path)
{
    const FileText file = ReadWholeFile(path, kMaxPatchFile);
    if (file.error != 0)
        throw OpenError(path, file.error);
    return {file.text.begin(), file.text.end()};
}

void ReplaceFile(const std::string& path, const PatchBytes& bytes)
{
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        cannotWrite(path, errno);
    int error = 0;
    std::size_t done = 0;
    while (error == 0 && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR)
            error = errno;
        else if (n > 0)
            done += static_cast<std::size_t>(n);
    }
    // Readable by everyone the umask allows, as a file made by any program.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (error == 0 && (::fchmod(fd, 0666 & ~mask) != 0 || ::fsync(fd) != 0))
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        cannotWrite(path, error);
    }
}

bool SameFile(const std::string& a, const std::string& b)
{
    struct stat sa {};
    struct stat sb {};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0)
        return a == b;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}
