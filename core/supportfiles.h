#pragma once

#include <string>
#include <vector>

// Support files: the level and palette lists and tile bitmaps in the folder
// korvane/ beside the executable.

// ExeDir joined with a support file name written with backslashes, such as
// "\korvane\p1levels.txt"; every backslash becomes '/'.
std::string SupportFilePath(const std::string& relativeName);

// The content of a whole file, or the errno of the failure (a directory
// gives EISDIR).
struct FileText
{
    std::string text;
    int error = 0;
};
FileText ReadWholeFile(const std::string& path);

// Splits text into its lines at CR LF, LF or CR. Lines are kept as they are
// (no trimming, empty lines included); a line break at the very end adds no
// line, so an empty text has none.
std::vector<std::string> SplitLines(const std::string& text);
