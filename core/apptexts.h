// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

inline constexpr const char* kAppName = "Pelbo Korvane";

// The program's version, "major.minor.patch": what --version prints, the
// windows show and the packages carry. The build sets it from the project's
// version.
const char* PackageVersion();

// The application title, "Pelbo Korvane": the caption of every message box,
// and of the main window after the image's name.
std::string AppTitle();

// Text of the general error report: the message, with a full stop appended
// when its last byte sorts after '.'.
std::string ErrorReportText(const std::string& message);
