#pragma once

#include <string>

// Caption of the main window and of every message box.
inline constexpr const char* kAppTitle = "Pelbo Korvane v0.04";
inline constexpr const char* kAppVersion = "v0.04";

// Text of the general error report: the message, with a full stop appended
// when its last byte sorts after '.'.
std::string ErrorReportText(const std::string& message);
