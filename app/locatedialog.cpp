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

namespace {

// A cell of the How column: it sorts in the order of the English words
// (ambiguous, in place, moved, not found), whatever the words shown.
class HowItem : public QTableWidgetItem
{
public:
    explicit HowItem(LocateResult result)
        : QTableWidgetItem(QString::fromStdString(LocateResultText(result))), mRank(rankOf(result))
    {
    }

    bool operator<(const QTableWidgetItem& other) const override
    {
        const auto* how = dynamic_cast<const HowItem*>(&other);
        return how ? mRank < how->mRank : QTableWidgetItem::operator<(other);
    }

private:
    static int rankOf(LocateResult result)
    {
        switch (result) {
        case LocateResult::Ambiguous:
            return 0;
        case LocateResult::InPlace:
            return 1;
        case LocateResult::Moved:
            return 2;
        case LocateResult::NotFound:
            break;
        }
        return 3;
    }

    int mRank;
};

} // namespace

LocateDialog::LocateDialog(LocatedImage located, std::string layoutPath, QWidget* parent)
    : QDialog(parent), mLocated(std::move(located)), mLayoutPath(std::move(layoutPath))
{
    setObjectName(QStringLiteral("LocateDialog"));
    setWindowTitle(tr("Locate Moved Values"));
    auto* layout = new QVBoxLayout(this);

    int moved = 0;
    int unplaced = 0;
    auto* table = new QTableWidget(int(mLocated.values.size()), 4, this);
    table->setObjectName(QStringLiteral("LocatedValues"));
    table->setHorizontalHeaderLabels({tr("Value"), tr("Usual address"), tr("Found at"), tr("How")});
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
        const QStringList cells = {QString::fromStdString(value.key), address(value.usual), address(value.found)};
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
        table->setItem(row, 3, new HowItem(value.result));
    }
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    // The values not found and the moved ones first.
    table->setSortingEnabled(true);
    table->sortByColumn(3, Qt::DescendingOrder);

    QString summary = tr("%1 values: %2 in place, %3 moved, %4 not found.")
                          .arg(table->rowCount())
                          .arg(table->rowCount() - moved - unplaced)
                          .arg(moved)
                          .arg(unplaced);
    if (unplaced > 0)
        summary += QLatin1Char(' ')
                   + tr("The values not found stay where they usually are, and do not look as expected there until "
                        "you edit them anyway.");
    summary += QLatin1Char('\n')
               + (moved > 0 ? tr("Save Layout writes the moved ones to %1; the editors then read and write them there.")
                                  .arg(ShownPath(mLayoutPath))
                            : tr("No value moved: there is no layout to save."));
    auto* text = new QLabel(summary, this);
    text->setObjectName(QStringLiteral("LocateSummary"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* save = buttons->addButton(tr("&Save Layout"), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("SaveLayout"));
    save->setEnabled(moved > 0);
    buttons->button(QDialogButtonBox::Close)->setText(tr("&Close"));
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
