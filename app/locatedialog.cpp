// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/locatedialog.h"

#include "core/numbers.h"
#include "core/patchfiles.h"
#include "document/layoutfile.h"
#include "ui/filenames.h"
#include "ui/handlers.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

LocateDialog::LocateDialog(LocatedImage located, std::string layoutPath, QWidget* parent)
    : QDialog(parent), mLocated(std::move(located)), mLayoutPath(std::move(layoutPath))
{
    setObjectName(QStringLiteral("LocateDialog"));
    setWindowTitle(QStringLiteral("Locate Moved Values"));
    auto* layout = new QVBoxLayout(this);

    int moved = 0;
    int unplaced = 0;
    auto* table = new QTableWidget(int(mLocated.values.size()), 4, this);
    table->setObjectName(QStringLiteral("LocatedValues"));
    table->setHorizontalHeaderLabels(
        {QStringLiteral("Value"), QStringLiteral("Usual address"), QStringLiteral("Found at"), QStringLiteral("How")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    const auto address = [](std::int64_t at) {
        return at < 0 ? QStringLiteral("-") : QString::fromStdString(HexStr(static_cast<std::uint32_t>(at), 6));
    };
    for (int row = 0; row < table->rowCount(); ++row) {
        const LocatedValue& value = mLocated.values[static_cast<std::size_t>(row)];
        moved += value.result == LocateResult::Moved;
        unplaced += value.result == LocateResult::NotFound || value.result == LocateResult::Ambiguous;
        const QStringList cells = {QString::fromStdString(value.key), address(value.usual), address(value.found),
                                   QString::fromLatin1(LocateResultName(value.result))};
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    // The values not found and the moved ones first.
    table->setSortingEnabled(true);
    table->sortByColumn(3, Qt::DescendingOrder);

    QString summary = QStringLiteral("%1 values: %2 in place, %3 moved, %4 not found.")
                          .arg(table->rowCount())
                          .arg(table->rowCount() - moved - unplaced)
                          .arg(moved)
                          .arg(unplaced);
    if (unplaced > 0)
        summary += QStringLiteral(" The values not found stay where they usually are, and do not look as expected "
                                  "there until you edit them anyway.");
    summary += moved > 0 ? QStringLiteral("\nSave Layout writes the moved ones to %1; the editors then read and write "
                                          "them there.")
                               .arg(ShownPath(mLayoutPath))
                         : QStringLiteral("\nNo value moved: there is no layout to save.");
    auto* text = new QLabel(summary, this);
    text->setObjectName(QStringLiteral("LocateSummary"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* save = buttons->addButton(QStringLiteral("&Save Layout"), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("SaveLayout"));
    save->setEnabled(moved > 0);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ConnectHandler(save, &QPushButton::clicked, this, &LocateDialog::saveLayout);

    layout->addWidget(text);
    layout->addWidget(table, 1);
    layout->addWidget(buttons);
    resize(640, 480);
}

void LocateDialog::saveLayout()
{
    const QByteArray text = LayoutDocument(mLocated.gameCode, mLocated.values);
    ReplaceFile(mLayoutPath, PatchBytes(text.begin(), text.end()));
    accept();
}
