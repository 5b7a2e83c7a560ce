// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once


#include <QDialog>

#include <memory>

// The first game's text editor: a fixed layout that reads and writes nothing.
namespace Ui {
class FirstGameTextEditor;
}

class FirstGameTextEditor : public QDialog
{
    Q_OBJECT

public:
    explicit FirstGameTextEditor(QWidget* parent = nullptr);
    ~FirstGameTextEditor() override;
private:
    // The generated form.
    std::unique_ptr<Ui::FirstGameTextEditor> mUi;
};
