// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/supportfiles.h"

#include "core/korvaneerror.h"
#include "core/romaccess.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string gUserBase;

std::string slashes(std::string name)
{
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

bool hasSupportFolder(const std::string& base)
{
    std::error_code error;
    return std::filesystem::is_directory(base + "korvane", error);
}

} // namespace

std::string SupportFilePath(const std::string& relativeName)
{
    return Rom.ExeDir + slashes(relativeName);
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
    return ::access((Rom.ExeDir + "korvane").c_str(), W_OK) == 0;
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
    std::error_code error;
    if (!std::filesystem::exists(own, error)) {
        std::filesystem::create_directories(std::filesystem::path(own).parent_path(), error);
        if (error || !std::filesystem::copy_file(shared, own, error))
            throw KorvaneError("Cannot open file " + own);
    }
    return own;
}

FileText ReadWholeFile(const std::string& path, std::size_t maxSize)
{
    FileText result;
    // Non-blocking: opening a FIFO must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.error = errno;
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        result.error = errno;
    else if (S_ISDIR(st.st_mode))
        result.error = EISDIR;
    else if (!S_ISREG(st.st_mode))
        result.error = EINVAL;
    else if (static_cast<std::uint64_t>(st.st_size) > maxSize)
        result.error = EFBIG;
    char buffer[4096];
    while (result.error == 0) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno != EINTR)
                result.error = errno;
        } else if (n == 0) {
            break;
        } else if (result.text.size() + static_cast<std::size_t>(n) > maxSize) {
            // A file that grows while it is read.
            result.error = EFBIG;
        } else {
            result.text.append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    if (result.error != 0)
        result.text.clear();
    return result;
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
