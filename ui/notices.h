// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string>

// The two ways the program speaks to the user. The application installs
// message boxes; tests install a recorder.
class Notices
{
public:
    virtual ~Notices() = default;
    // A plain message with an OK button.
    virtual void showMessage(const QString& text) = 0;
    // The general error report: error icon, OK button.
    virtual void reportError(const QString& text) = 0;
};

// Replaces the current implementation; nullptr restores the message boxes.
// The caller keeps ownership.
void SetNotices(Notices* notices);

// A plain message box captioned with the application title.
void ShowMessage(const QString& text);

// The general error report of message (UTF-8), with its full stop rule.
void ReportError(const std::string& message);
