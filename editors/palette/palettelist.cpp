#include "editors/palette/palettelist.h"

#include "app/korvaneerror.h"
#include "app/numbers.h"
#include "app/procedures.h"
#include "app/textcodepage.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Characters from 1-based column first, at most count of them; empty past
// the end of the line.
std::string columns(const std::string& line, std::size_t first, std::size_t count = std::string::npos)
{
    if (line.size() < first)
        return {};
    return line.substr(first - 1, count);
}

std::uint32_t hexField(const std::string& field)
{
    return static_cast<std::uint32_t>(StrToInt("$" + field));
}

std::string readWholeFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        ThrowFileError(errno);
    std::string text;
    int err = 0;
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        err = errno;
    else if (S_ISDIR(st.st_mode))
        err = EISDIR;
    char buffer[4096];
    while (err == 0) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
        } else if (n == 0) {
            break;
        } else {
            text.append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    if (err != 0)
        ThrowFileError(err);
    return text;
}

} // namespace

PaletteEntry ParsePaletteLine(const std::string& line)
{
    PaletteEntry entry;
    std::size_t shift = 0;
    if (columns(line, 8, 4) == "MARS") {
        entry.format = ColourFormat::Mars;
        shift = 5;
    }
    entry.offset = hexField(columns(line, 1, 6));
    entry.count = static_cast<std::uint8_t>(hexField(columns(line, 8 + shift, 2)));
    entry.name = columns(line, 11 + shift);
    return entry;
}

std::string PaletteListPath(const std::string& gameCode)
{
    return SupportFilePath("\\korvane\\" + gameCode + "pals.txt");
}

std::size_t LoadPaletteList(const std::string& path, std::vector<PaletteEntry>& table,
                            const std::function<void(const std::string& name)>& addName)
{
    const std::string text = readWholeFile(path);
    if (table.size() < kPaletteTableSize)
        table.resize(kPaletteTableSize);

    std::size_t count = 0;
    std::size_t pos = 0;
    // The end test follows each line, so even an empty file yields one
    // (empty) line.
    do {
        if (count == kPaletteTableSize)
            throw KorvaneError("The palette list has more than " + DecStr(kPaletteTableSize)
                               + " lines; the rest was not read");
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(pos, end - pos);
        pos = end;
        if (end < text.size())
            pos = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        table[count] = ParsePaletteLine(line);
        addName(table[count].name);
        ++count;
    } while (pos < text.size());
    return count;
}

void CheckPaletteCount(const PaletteEntry& entry)
{
    if (entry.count > kMaxPaletteColours)
        throw KorvaneError("The palette \"" + Cp1252ToUtf8(entry.name) + "\" has " + DecStr(entry.count) + " colours, more than the "
                           + DecStr(kMaxPaletteColours) + " the editor can hold; it is not loaded");
}
