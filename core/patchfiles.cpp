// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/patchfiles.h"

#include "core/ips.h"
#include "core/korvaneerror.h"
#include "core/platform/files.h"
#include "core/romfile.h"
#include "core/supportfiles.h"
#include "core/translate.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

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
    const std::string reason = error == EINVAL ? Translated("Files", "it is no regular file") : SystemErrorText(error);
    throw KorvaneError(Substituted(Translated("Files", "Cannot write file %1: %2"), {path, reason}), error);
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
    throw KorvaneError(Translated("Patches", "not a patch: it starts neither with \"BPS1\" nor with \"PATCH\""));
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
    PatchBytes bytes;
    if (const int error = ReadFileData(path, kMaxPatchFile, bytes); error != 0)
        throw OpenError(path, error);
    return bytes;
}

void CopyOpenFile(RomFile& file, const std::string& path, const std::vector<std::string>& keep)
{
    const std::int64_t size = file.size();
    if (size < 0)
        throw KorvaneError(Translated("Files", "Stream read error"), file.error());
    std::vector<unsigned char> buffer(std::size_t{1} << 20);
    std::int64_t at = 0;
    int readError = 0;
    const int error = ReplaceFileFrom(path, [&](const void*& data, std::size_t& count) {
        count = static_cast<std::size_t>(std::min<std::int64_t>(size - at, static_cast<std::int64_t>(buffer.size())));
        data = buffer.data();
        if (count == 0)
            return 0;
        if (file.readAt(at, buffer.data(), count) != static_cast<std::ptrdiff_t>(count)) {
            readError = file.error() != 0 ? file.error() : EIO;
            return readError;
        }
        at += static_cast<std::int64_t>(count);
        return 0;
    }, {keep, nullptr});
    if (readError != 0)
        throw KorvaneError(Translated("Files", "Stream read error"), readError);
    if (error != 0)
        cannotWrite(path, error);
}

void ReplaceFile(const std::string& path, const PatchBytes& bytes, std::vector<std::string>* unremoved)
{
    if (const int error = ReplaceFileContents(path, bytes.data(), bytes.size(), {{}, unremoved}); error != 0)
        cannotWrite(path, error);
}
