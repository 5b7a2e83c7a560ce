// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

// A label that keeps its whole text but draws it elided in the middle when
// it does not fit, with the whole text as tool tip. Used for file paths.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
};
