// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/files.h"

#include <cstddef>
#include <string>
#include <vector>

// Support files: the level and palette lists and tile bitmaps in the folder
// korvane/ beside the executable.

// The folder (with a trailing '/') whose korvane/ holds the support files
// of this process, set once at start (FindSupportBase); empty until then.
void SetSupportBase(const std::string& base);
const std::string& SupportBase();

// The support base joined with a support file name written with backslashes, such as
// "\korvane\p1levels.txt"; every backslash becomes '/'.
std::string SupportFilePath(const std::string& relativeName);

// The folder (with a trailing '/') whose korvane/ holds the support files,
// for an executable in exeDir (with a trailing '/'): exeDir itself when it
// has a korvane/ folder (the build tree, a portable copy), else the
// installed exeDir + "../share/pelbo-korvane/" when that has one, else
// exeDir. Programs make it their support base.
std::string FindSupportBase(const std::string& exeDir);

// Whether this process may write into the support base's korvane/ folder.
bool SupportFolderWritable();

// Where the files the program writes into the support folder go (the art
// viewer's bitmaps) when the support base's korvane/ cannot be written, as an
// installed one: userBase (with a trailing '/'), the user's data folder.
// Empty: they are written where they are read.
void SetUserSupportBase(const std::string& userBase);

// The path of a support file the program writes: SupportFilePath, or its
// copy under the user's support base, copied from the support base on first use.
// Throws KorvaneError "Cannot open file <path>" when that copy cannot be
// made.
std::string WritableSupportFilePath(const std::string& relativeName);

// The largest list file the program reads.
inline constexpr std::size_t kMaxListFileSize = 1 << 20;

// The content of a whole file (ReadFileText of core/platform/files.h), of
// at most maxSize bytes.
FileText ReadWholeFile(const std::string& path, std::size_t maxSize = kMaxListFileSize);

// Splits text into its lines at CR LF, LF or CR. Lines are kept as they are
// (no trimming, empty lines included); a line break at the very end adds no
// line, so an empty text has none.
std::vector<std::string> SplitLines(const std::string& text);
