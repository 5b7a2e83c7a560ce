// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/text/firstgametexteditor.h"

FirstGameTextEditor::FirstGameTextEditor(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    setFixedSize(size());
}
