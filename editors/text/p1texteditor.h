// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui_p1texteditor.h"

#include <QDialog>

// The first game's text editor: a fixed layout that reads and writes nothing.
class Tp1texteditorf : public QDialog, private Ui::Tp1texteditorf
{
    Q_OBJECT

public:
    explicit Tp1texteditorf(QWidget* parent = nullptr);
};

extern Tp1texteditorf* p1texteditorf;
