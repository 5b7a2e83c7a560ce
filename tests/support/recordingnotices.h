// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/notices.h"

#include <QStringList>

// Records messages and error reports instead of showing boxes, for as long
// as it lives.
class RecordingNotices : public Notices
{
public:
    RecordingNotices() { SetNotices(this); }
    ~RecordingNotices() override { SetNotices(nullptr); }

    void showMessage(const QString& text) override { messages << text; }
    void reportError(const QString& text) override { errors << text; }
    void clear()
    {
        messages.clear();
        errors.clear();
    }

    QStringList messages;
    QStringList errors;
};
