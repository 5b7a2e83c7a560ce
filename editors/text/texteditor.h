// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editors/text/textmodel.h"
#include "ui_texteditor.h"

#include <QDialog>
#include <QString>

#include <array>

class ImageSession;

class QLineEdit;

// The second game's text editor: 24 fixed-length screen texts.
class TextEditor : public QDialog, private Ui::TextEditor
{
    Q_OBJECT

public:
    TextEditor(ImageSession& session, QWidget* parent = nullptr);

    // Decodes every text into its box when opened from the menu.
    void FormCreate();
    // Appends a copyright sign while the copyright text is shorter than its
    // count.
    void Button1Click();
    // Writes every text the user changed as one Save. Every changed text
    // is checked first: one character without a code refuses the whole save
    // and nothing is written.
    void Button2Click();
    // Closes without writing.
    void Button3Click();

private:
    QLineEdit* box(int index) const;

    // The texts as read or last saved; a box whose text still equals its
    // text there is not rewritten.
    ImageSession& mSession;
    TextModel mModel;
};
