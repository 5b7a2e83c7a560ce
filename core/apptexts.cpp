// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/apptexts.h"

const char* PackageVersion()
{
    return KORVANE_PACKAGE_VERSION;
}

std::string AppTitle()
{
    return kAppName;
}

std::string ErrorReportText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
        return message + ".";
    return message;
}
