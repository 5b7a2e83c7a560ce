// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

inline constexpr const char* kAppName = "Pelbo Korvane";
// The version the windows show; the package has its own (PackageVersion).
inline constexpr const char* kAppVersion = "v0.04";

// The package version, "major.minor.patch": what --version prints and the
// packages carry. The build sets it from the project's version.
const char* PackageVersion();

// The application title, "Pelbo Korvane v0.04": the caption of the main
// window and of every message box.
std::string AppTitle();

// The title followed by " - " and what (UTF-8), as captions that name a game
// or an editor read.
std::string AppTitleWith(const std::string& what);

// Text of the general error report: the message, with a full stop appended
// when its last byte sorts after '.'.
std::string ErrorReportText(const std::string& message);
