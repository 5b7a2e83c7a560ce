// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui_disasm.h"

#include <QDialog>

// Names the operand-less 68000 instruction of a typed instruction word.
class TDisasmFrm : public QDialog, private Ui::TDisasmFrm
{
    Q_OBJECT

public:
    explicit TDisasmFrm(QWidget* parent = nullptr);

    void Button1Click();
};

extern TDisasmFrm* DisasmFrm;
