// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/objects/objecteditor.h"
#include "ui_objecteditor.h"

#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "core/imagesession.h"
#include "editors/editorlist.h"
#include "ui/handlers.h"
#include "ui/notices.h"
#include "ui/imagesave.h"
#include "ui/trackedform.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTabBar>
#include <QTableWidget>



namespace {

constexpr int kKeyColumn = 0;
constexpr int kValueColumn = 1;

void setUpGrid(QTableWidget* grid)
{
    grid->setColumnCount(2);
    grid->setHorizontalHeaderLabels(
        {QCoreApplication::translate("ObjectEditor", "Key"), QCoreApplication::translate("ObjectEditor", "Value")});
    grid->setColumnWidth(kKeyColumn, 218);
    // The value column takes what the key column and the vertical scroll
    // bar leave, so the grid never scrolls sideways: moving to a value cell
    // would push the keys out of sight.
    grid->horizontalHeader()->setSectionResizeMode(kValueColumn, QHeaderView::Stretch);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(17);
    grid->setWordWrap(true);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // The arrow keys move between cells; Tab goes on to the next control,
    // so that the buttons can be reached from the keyboard.
    grid->setTabKeyNavigation(false);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
}

// The key cell's text of row.
QString nameOf(const ObjectRow& row)
{
    return QString::fromStdString(ObjectRowName(row));
}

} // namespace

ObjectEditor::ObjectEditor(ImageSession& session, QWidget* parent)
    : QDialog(parent), mUi(std::make_unique<Ui::ObjectEditor>()), mSession(session)
{
    mUi->setupUi(this);
    NoButtonOnEnter(this);
    mUi->Tabs->addTab(tr("Bosses"));
    mUi->Tabs->addTab(tr("Pelbo And Tails"));
    mUi->Tabs->setCurrentIndex(0);
    setUpGrid(mUi->bossesGrid);
    setUpGrid(mUi->pelboGrid);
    mUi->bossesGrid->setAccessibleName(tr("Bosses"));
    mUi->bossesGrid->setToolTip(tr("How many hits each boss takes"));
    mUi->pelboGrid->setAccessibleName(tr("Pelbo and Tails"));
    mUi->pelboGrid->setToolTip(tr("Starting lives and movement constants of Pelbo and Tails"));

    ConnectHandler(mUi->closeButton, &QPushButton::clicked, this, &ObjectEditor::closeEditor);
    ConnectHandler(mUi->Tabs, &QTabBar::currentChanged, this, &ObjectEditor::showTab);

    RunHandler([this] { showImage(); });
    new TrackedForm(this, mSession, mUi->saveButton,
                    {[this] { return want(); }, [this] { showSaved(); }, [this] { showImage(); },
                     [this] { return std::vector<EditorModel*>{&mModel}; }},
                    {mUi->bossesGrid, mUi->pelboGrid});
}

ObjectEditor::~ObjectEditor() = default;

QTableWidget* ObjectEditor::gridOf(const ObjectRow& row) const
{
    return row.grid == ObjectGrid::Bosses ? mUi->bossesGrid : mUi->pelboGrid;
}

void ObjectEditor::appendRow(QTableWidget* grid, const ObjectRow& row, const QString& value)
{
    const int at = grid->rowCount();
    grid->insertRow(at);
    auto* key = new QTableWidgetItem(nameOf(row));
    key->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    // Long keys wrap onto a second line instead of being cut off; the tip
    // says the form of the value.
    const QString range = QString::fromStdString(NumberRangeText(ObjectField(row)));
    const QString form = row.form == ObjectForm::Hex
        ? tr("%1 (also $680, 0x680 or 680h)").arg(range)
        : tr("%1; -1 is stored as 65535; hexadecimal as $10, 0x10 or 10h").arg(range);
    //: A row's name, then the form of its value.
    key->setToolTip(tr("%1: %2").arg(key->text(), form));
    grid->setItem(at, kKeyColumn, key);
    auto* cell = new QTableWidgetItem(value);
    cell->setToolTip(form);
    grid->setItem(at, kValueColumn, cell);
    grid->resizeRowToContents(at);
}

int ObjectEditor::findRow(QTableWidget* grid, const QString& label)
{
    for (int r = 0; r < grid->rowCount(); ++r) {
        const QTableWidgetItem* key = grid->item(r, kKeyColumn);
        if (key && key->text() == label)
            return r;
    }
    return -1;
}

void ObjectEditor::showImage()
{
    mUi->Tabs->setCurrentIndex(0);
    mUi->bossesGrid->show();
    mUi->pelboGrid->hide();
    // Save stays off until every row has been read: rows never read are
    // never written.
    mUi->saveButton->setEnabled(false);
    // Read again: the rows of the last reading go first.
    mUi->bossesGrid->setRowCount(0);
    mUi->pelboGrid->setRowCount(0);
    ReadThenShow([this] { mSession.read(mModel); },
                 [this] {
                     for (std::size_t i = 0; i < mModel.rowsRead(); ++i) {
                         const ObjectRow& row = kObjectRows[i];
                         appendRow(gridOf(row), row,
                                   QString::fromStdString(FormatObjectValue(row.form, mModel.words()[i])));
                     }
                 });
    mUi->saveButton->setEnabled(true);
}

QTableWidgetItem* ObjectEditor::valueCell(const ObjectRow& row) const
{
    QTableWidget* grid = gridOf(row);
    const int r = findRow(grid, nameOf(row));
    return r >= 0 ? grid->item(r, kValueColumn) : nullptr;
}

void ObjectEditor::showCell(const ObjectRow& row)
{
    QTableWidget* grid = gridOf(row);
    mUi->Tabs->setCurrentIndex(row.grid == ObjectGrid::Bosses ? 0 : 1);
    const int r = findRow(grid, nameOf(row));
    if (r >= 0) {
        grid->setCurrentCell(r, kValueColumn);
        grid->scrollToItem(grid->item(r, kValueColumn));
    }
    grid->setFocus();
}

std::vector<EditorModel*> ObjectEditor::want()
{
    // Every cell is converted before the first write, so a bad cell leaves
    // the file as it was and is shown to the user.
    ObjectCells cells;
    for (std::size_t i = 0; i < kObjectRowCount; ++i) {
        const QTableWidgetItem* cell = valueCell(kObjectRows[i]);
        cells[i] = cell ? cell->text().toStdString() : std::string();
    }
    ObjectWords words{};
    try {
        words = ObjectModel::check(cells);
    } catch (const FieldError& e) {
        showCell(kObjectRows[e.field()]);
        throw;
    }
    mModel.want(words);
    return {&mModel};
}

void ObjectEditor::showSaved()
{
    // Every cell in its row's own form, as the image holds it now: -1 as
    // 65535, 680 as 0680.
    for (std::size_t i = 0; i < kObjectRowCount; ++i) {
        if (QTableWidgetItem* cell = valueCell(kObjectRows[i]))
            cell->setText(QString::fromStdString(FormatObjectValue(kObjectRows[i].form, mModel.words()[i])));
    }
}

void ObjectEditor::closeEditor()
{
    close();
}

void ObjectEditor::showTab()
{
    mUi->bossesGrid->hide();
    mUi->pelboGrid->hide();
    if (mUi->Tabs->currentIndex() == 0)
        mUi->bossesGrid->show();
    else if (mUi->Tabs->currentIndex() == 1)
        mUi->pelboGrid->show();
}

std::unique_ptr<QDialog> NewObjectsEditor(ImageSession* session, EditorMemory&, QWidget* owner)
{
    if (!session)
        return nullptr;
    return std::make_unique<ObjectEditor>(*session, owner);
}
