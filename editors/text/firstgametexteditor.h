// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui_firstgametexteditor.h"

#include <QDialog>

// The first game's text editor: a fixed layout that reads and writes nothing.
class FirstGameTextEditor : public QDialog, private Ui::FirstGameTextEditor
{
    Q_OBJECT

public:
    explicit FirstGameTextEditor(QWidget* parent = nullptr);
};
