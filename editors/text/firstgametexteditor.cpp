// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/text/firstgametexteditor.h"
#include "ui_firstgametexteditor.h"

#include "editors/editorlist.h"

FirstGameTextEditor::FirstGameTextEditor(QWidget* parent)
    : QDialog(parent), mUi(std::make_unique<Ui::FirstGameTextEditor>())
{
    mUi->setupUi(this);
}

FirstGameTextEditor::~FirstGameTextEditor() = default;

std::unique_ptr<QDialog> NewFirstGameTextsEditor(ImageSession*, EditorMemory&, QWidget* owner)
{
    return std::make_unique<FirstGameTextEditor>(owner);
}
