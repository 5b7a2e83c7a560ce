// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once


#include <QDialog>

#include <memory>

// Names the operand-less 68000 instruction of a typed instruction word.
namespace Ui {
class Disassembler;
}

class Disassembler : public QDialog
{
    Q_OBJECT

public:
    explicit Disassembler(QWidget* parent = nullptr);
    ~Disassembler() override;

    void convert();
private:
    // The generated form.
    std::unique_ptr<Ui::Disassembler> mUi;
};
