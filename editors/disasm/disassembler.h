// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui_disassembler.h"

#include <QDialog>

// Names the operand-less 68000 instruction of a typed instruction word.
class Disassembler : public QDialog, private Ui::Disassembler
{
    Q_OBJECT

public:
    explicit Disassembler(QWidget* parent = nullptr);

    void Button1Click();
};
