// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/disassembler/disassembler.h"
#include "ui_disassembler.h"

#include "editors/disassembler/instructionword.h"
#include "editors/editorlist.h"
#include "ui/handlers.h"

Disassembler::Disassembler(QWidget* parent) : QDialog(parent), mUi(std::make_unique<Ui::Disassembler>())
{
    mUi->setupUi(this);
    ConnectHandler(mUi->convertButton, &QPushButton::clicked, this, &Disassembler::convert);
}

Disassembler::~Disassembler() = default;

void Disassembler::convert()
{
    // On an error EAsm keeps its text: the conversion throws before it is set.
    mUi->EAsm->setText(QString::fromStdString(ConvertInstructionWord(mUi->Machine->text().toStdString())));
}

std::unique_ptr<QDialog> NewDisassemblerEditor(ImageSession*, EditorMemory&, QWidget* owner)
{
    return std::make_unique<Disassembler>(owner);
}
