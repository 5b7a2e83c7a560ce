// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/supportfiles.h"

#include "core/korvaneerror.h"
#include "core/platform/files.h"

#include <algorithm>

namespace {

std::string gUserBase;
std::string gBase;

// The support files the program writes are small bitmaps.
constexpr std::size_t kMaxCopiedSupportFile = std::size_t{1} << 20;

std::string slashes(std::string name)
{
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

bool hasSupportFolder(const std::string& base)
{
    return KindOfFile(base + "korvane") == FileKind::Folder;
}

} // namespace

std::string SupportFilePath(const std::string& relativeName)
{
    return gBase + slashes(relativeName);
}

std::string FindSupportBase(const std::string& exeDir)
{
    if (hasSupportFolder(exeDir))
        return exeDir;
    const std::string installed = exeDir + "../share/pelbo-korvane/";
    if (hasSupportFolder(installed))
        return installed;
    return exeDir;
}

bool SupportFolderWritable()
{
    return FolderWritable(gBase + "korvane");
}

void SetSupportBase(const std::string& base)
{
    gBase = base;
}

const std::string& SupportBase()
{
    return gBase;
}

void SetUserSupportBase(const std::string& userBase)
{
    gUserBase = userBase;
}

std::string WritableSupportFilePath(const std::string& relativeName)
{
    const std::string shared = SupportFilePath(relativeName);
    if (gUserBase.empty())
        return shared;
    const std::string own = gUserBase + slashes(relativeName);
    if (KindOfFile(own) == FileKind::None) {
        // The installed file, copied whole or not at all.
        const FileText installed = ReadFileText(shared, kMaxCopiedSupportFile);
        if (installed.error != 0 || MakeFolders(own.substr(0, own.find_last_of("/\\"))) != 0
            || ReplaceFileContents(own, installed.text.data(), installed.text.size()) != 0)
            throw KorvaneError(CannotOpenMessage(own));
    }
    return own;
}

FileText ReadWholeFile(const std::string& path, std::size_t maxSize)
{
    return ReadFileText(path, maxSize);
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.push_back(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}
