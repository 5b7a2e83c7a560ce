// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/notices.h"

#include <QStringList>

#include <functional>

// Records messages, error reports and questions instead of showing boxes,
// for as long as it lives. A question is answered from answers, in order;
// with none left, by its default button.
class RecordingNotices : public Notices
{
public:
    RecordingNotices() { SetNotices(this); }
    using Notices::ask;
    ~RecordingNotices() override { SetNotices(nullptr); }

    void showMessage(const QString& text) override
    {
        messages << text;
        if (whileMessageShown)
            whileMessageShown();
    }
    void showStatus(const QString& text) override
    {
        statuses << text;
        if (whileMessageShown)
            whileMessageShown();
    }
    void reportError(const QString& text) override { errors << text; }
    QMessageBox::StandardButton ask(const QString& text, QMessageBox::StandardButtons,
                                    QMessageBox::StandardButton defaultButton) override
    {
        questions << text;
        return answers.isEmpty() ? defaultButton : answers.takeFirst();
    }
    void clear()
    {
        messages.clear();
        statuses.clear();
        errors.clear();
        questions.clear();
    }

    // The last status is a Save's report.
    bool saveReported() const { return !statuses.isEmpty() && statuses.last().startsWith(QLatin1String("Saved ")); }

    QStringList messages;
    QStringList statuses;
    QStringList errors;
    QStringList questions;
    QList<QMessageBox::StandardButton> answers;
    // Run while a message (or a status) is "shown", as the user reads it.
    std::function<void()> whileMessageShown;
};
