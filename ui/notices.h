// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMap>
#include <QMessageBox>
#include <QString>

#include <memory>
#include <string>

// The ways the program speaks to the user. The application installs
// message boxes; tests install a recorder.
class Notices
{
public:
    virtual ~Notices() = default;
    // A plain message with an OK button.
    virtual void showMessage(const QString& text) = 0;
    // A passing word in the main window's status bar: no box, nothing to
    // answer.
    virtual void showStatus(const QString& text) = 0;
    // The general error report: error icon, OK button.
    virtual void reportError(const QString& text) = 0;
    // A question with buttons, defaultButton taken by Enter; returns the
    // button pressed (Escape or closing the box: the Cancel or No button).
    virtual QMessageBox::StandardButton ask(const QString& text, QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) = 0;
    // The same with some buttons' texts replaced ("Save a Copy..." on the
    // Save All button).
    virtual QMessageBox::StandardButton ask(const QString& text, QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton,
                                            const QMap<QMessageBox::StandardButton, QString>& labels)
    {
        (void)labels;
        return ask(text, buttons, defaultButton);
    }
};

// The box a notice is shown in: the application title as caption, the
// text as plain text (a file name may look like HTML), owned by parent.
std::unique_ptr<QMessageBox> NoticeBox(QMessageBox::Icon icon, const QString& text,
                                       QMessageBox::StandardButtons buttons, QWidget* parent);

// Replaces the current implementation; nullptr restores the message boxes.
// The caller keeps ownership.
void SetNotices(Notices* notices);

// A plain message box captioned with the application title.
void ShowMessage(const QString& text);

// A passing word in the main window's status bar.
void ShowStatus(const QString& text);

// The general error report of message (UTF-8), with its full stop rule.
void ReportError(const std::string& message);

// A question box captioned with the application title.
QMessageBox::StandardButton Ask(const QString& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton,
                                const QMap<QMessageBox::StandardButton, QString>& labels = {});
