// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editors/text/textmodel.h"

#include <QDialog>
#include <QString>

#include <array>
#include <memory>

namespace Ui {
class TextEditor;
}

class ImageSession;

class QLineEdit;

// The second game's text editor: 24 fixed-length screen texts.
class TextEditor : public QDialog
{
    Q_OBJECT

public:
    TextEditor(ImageSession& session, QWidget* parent = nullptr);
    ~TextEditor() override;

    // Decodes every text into its box when opened from the menu.
    void showImage();
    // Appends a copyright sign while the copyright text is shorter than its
    // count.
    void appendCopyrightSign();
    // Writes every text the user changed as one Save. Every changed text
    // is checked first: one character without a code refuses the whole save
    // and nothing is written.
    // What the boxes hold, as the model's wanted texts.
    std::vector<EditorModel*> want();
    // After a Save: the texts as the game keeps them.
    void showSaved();
    // Closes without writing.
    void closeEditor();

private:
    // The generated form.
    std::unique_ptr<Ui::TextEditor> mUi;
    QLineEdit* box(int index) const;

    // The texts as read or last saved; a box whose text still equals its
    // text there is not rewritten.
    ImageSession& mSession;
    TextModel mModel;
};
