#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Support files: the level and palette lists and tile bitmaps in the folder
// korvane/ beside the executable.

// ExeDir joined with a support file name written with backslashes, such as
// "\korvane\p1levels.txt"; every backslash becomes '/'.
std::string SupportFilePath(const std::string& relativeName);

// The largest list file the program reads.
inline constexpr std::size_t kMaxListFileSize = 1 << 20;

// The content of a whole file, or the errno of the failure. Only a regular
// file (a link to one counts) of at most maxSize bytes is read: a directory
// gives EISDIR, any other kind of file (a FIFO, a device) EINVAL without
// waiting for it, a larger file EFBIG.
struct FileText
{
    std::string text;
    int error = 0;
};
FileText ReadWholeFile(const std::string& path, std::size_t maxSize = kMaxListFileSize);

// Splits text into its lines at CR LF, LF or CR. Lines are kept as they are
// (no trimming, empty lines included); a line break at the very end adds no
// line, so an empty text has none.
std::vector<std::string> SplitLines(const std::string& text);
