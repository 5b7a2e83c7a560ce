// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/text/p1texteditor.h"

Tp1texteditorf* p1texteditorf = nullptr;

Tp1texteditorf::Tp1texteditorf(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    setFixedSize(size());
}
