#include "editors/demos/leveltables.h"

#include "app/korvaneerror.h"
#include "app/procedures.h"

#include <cstdio>

int LevelRow(LevelTable table, std::uint16_t value)
{
    for (std::size_t row = 0; row < table.size(); ++row) {
        if (table[row] == value)
            return static_cast<int>(row);
    }
    return -1;
}

std::uint16_t LevelAtRow(LevelTable table, int row, std::uint16_t current)
{
    if (row < 0 || static_cast<std::size_t>(row) >= table.size())
        return current;
    return table[static_cast<std::size_t>(row)];
}

std::vector<std::string> SplitListLines(const std::string& text)
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

std::vector<std::string> ReadLevelList(const std::string& listFile)
{
    const std::string path = SupportFilePath(listFile);
    // A directory opens as a stream too; its read fails, which is reported
    // the same way as a missing file.
    std::FILE* const file = std::fopen(path.c_str(), "rb");
    if (!file)
        throw KorvaneError("Cannot open file " + path);
    std::string text;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed)
        throw KorvaneError("Cannot open file " + path);
    return SplitListLines(text);
}
