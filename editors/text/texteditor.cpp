// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/text/texteditor.h"
#include "ui_texteditor.h"

#include "core/korvaneerror.h"
#include "core/imagesession.h"
#include "editors/editorlist.h"
#include "ui/handlers.h"
#include "ui/imagesave.h"
#include "ui/trackedform.h"

#include <QLineEdit>

namespace {

constexpr int kCopyrightIndex = 0;
const QString kCopyrightSign = QStringLiteral("\u00A9");

} // namespace

TextEditor::TextEditor(ImageSession& session, QWidget* parent)
    : QDialog(parent), mUi(std::make_unique<Ui::TextEditor>()), mSession(session)
{
    mUi->setupUi(this);
    NoButtonOnEnter(this);
    // Nothing to save until every text has been read: a box left empty by a
    // failed read would otherwise be written over bytes never shown, or past
    // the end of a short file.
    mUi->saveButton->setEnabled(false);
    ConnectHandler(mUi->copyrightButton, &QPushButton::clicked, this, &TextEditor::appendCopyrightSign);
    ConnectHandler(mUi->closeButton, &QPushButton::clicked, this, &TextEditor::closeEditor);
    std::vector<QWidget*> boxes;
    for (int i = 0; i < kTextFieldCount; ++i) {
        const TextField& field = kTextFields[static_cast<std::size_t>(i)];
        QLineEdit* edit = box(i);
        edit->setAccessibleName(QString::fromStdString(TextFieldLabel(field)));
        edit->setToolTip(tr("%1: at most %2 characters of the game's: space, digits, letters, * \u00A9 : .")
                             .arg(QString::fromStdString(TextFieldLabel(field)))
                             .arg(field.count));
        boxes.push_back(edit);
    }
    RunHandler([this] { showImage(); });
    new TrackedForm(this, mSession, mUi->saveButton,
                    {[this] { return want(); }, [this] { showSaved(); }, [this] { showImage(); }}, boxes);
}

TextEditor::~TextEditor() = default;

QLineEdit* TextEditor::box(int index) const
{
    return findChild<QLineEdit*>(QString::fromLatin1(kTextFields[static_cast<std::size_t>(index)].name));
}

void TextEditor::showImage()
{
    ReadThenShow([this] { mSession.read(mModel); },
                 [this] {
                     for (int i = 0; i < mModel.textsRead(); ++i) {
                         const QString text = QString::fromStdString(mModel.texts()[static_cast<std::size_t>(i)]);
                         QLineEdit* edit = box(i);
                         // No limit on typing: a text too long for its place is refused by
                         // Save with the place's length, never cut unseen.
                         edit->setText(text);
                         // Typing into the digits would store them as characters.
                         if (!mModel.editable(static_cast<std::size_t>(i))) {
                             edit->setReadOnly(true);
                             edit->setToolTip(tr("This text holds codes that have no character; they are shown "
                                                 "in hexadecimal and cannot be edited here."));
                         }
                     }
                 });
    mUi->saveButton->setEnabled(true);
}

void TextEditor::appendCopyrightSign()
{
    const int count = kTextFields[kCopyrightIndex].count;
    if (!mUi->Copyright->isReadOnly() && mUi->Copyright->text().size() < count)
        mUi->Copyright->setText(mUi->Copyright->text() + kCopyrightSign);
}

std::vector<EditorModel*> TextEditor::want()
{
    TextValues wanted;
    for (int i = 0; i < kTextFieldCount; ++i)
        wanted[static_cast<std::size_t>(i)] = box(i)->text().toStdString();
    try {
        mModel.want(wanted);
    } catch (const FieldError& e) {
        box(static_cast<int>(e.field()))->setFocus();
        throw;
    }
    return {&mModel};
}

void TextEditor::showSaved()
{
    // As the game keeps them: upper case, padded with blanks.
    for (int i = 0; i < kTextFieldCount; ++i)
        box(i)->setText(QString::fromStdString(mModel.texts()[static_cast<std::size_t>(i)]));
}

void TextEditor::closeEditor()
{
    close();
}

std::unique_ptr<QDialog> NewTextsEditor(ImageSession* session, EditorMemory&, QWidget* owner)
{
    if (!session)
        return nullptr;
    return std::make_unique<TextEditor>(*session, owner);
}
