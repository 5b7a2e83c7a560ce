// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/disasm/disassembler.h"

#include "editors/disasm/instructionword.h"
#include "editors/editorlist.h"
#include "ui/handlers.h"

Disassembler::Disassembler(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    ConnectHandler(Button1, &QPushButton::clicked, this, &Disassembler::Button1Click);
}

void Disassembler::Button1Click()
{
    // On an error EAsm keeps its text: the conversion throws before it is set.
    EAsm->setText(QString::fromStdString(ConvertInstructionWord(Machine->text().toStdString())));
}

std::unique_ptr<QDialog> NewDisassemblerEditor(ImageSession*, EditorMemory&, QWidget* owner)
{
    return std::make_unique<Disassembler>(owner);
}
