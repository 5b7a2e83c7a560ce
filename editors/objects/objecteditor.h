// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editors/objects/objectmodel.h"

#include <QDialog>

namespace Ui {
class ObjectEditor;
}

class ImageSession;
#include <QRect>
#include <QSize>

#include <memory>
#include <utility>
#include <vector>

class QTableWidget;
class QTableWidgetItem;

// The object editor of the second game: boss hit counts and the starting
// lives and movement constants of Pelbo and Tails, one 16-bit word each, in
// two name/value grids on two tabs.
class ObjectEditor : public QDialog
{
    Q_OBJECT

public:
    ObjectEditor(ImageSession& session, QWidget* parent = nullptr);
    ~ObjectEditor() override;

    // Fills both grids from the ROM; does nothing unless opened from the menu.
    void showImage();
    // Save: converts every cell, then writes every word that changed.
    // What the cells hold, as the model's wanted values.
    std::vector<EditorModel*> want();
    // After a Save: every cell in its row's own form.
    void showSaved();
    // Close, without writing.
    void closeEditor();
    // Shows the grid of the selected tab.
    void showTab();

private:
    // The generated form.
    std::unique_ptr<Ui::ObjectEditor> mUi;
    QTableWidget* gridOf(const ObjectRow& row) const;
    void appendRow(QTableWidget* grid, const ObjectRow& row, const QString& value);
    // The grid row whose key is label, or -1.
    static int findRow(QTableWidget* grid, const QString& label);
    // The value cell of row, or nullptr while it has not been read.
    QTableWidgetItem* valueCell(const ObjectRow& row) const;
    void showCell(const ObjectRow& row);

    ImageSession& mSession;
    ObjectModel mModel;
};
