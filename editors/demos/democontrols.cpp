// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/demos/democontrols.h"

#include "ui/levelselector.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSpinBox>

void NameSpinEdit(QSpinBox* spin, const char* editName)
{
    if (auto* edit = spin->findChild<QLineEdit*>())
        edit->setObjectName(QString::fromLatin1(editName));
}

int ShowDemoValue(QSpinBox* spin, int value)
{
    spin->setValue(value);
    return spin->value();
}

std::uint16_t ChosenFrames(const QSpinBox* spin, int shown, std::uint16_t stored)
{
    return spin->value() == shown ? stored : DemoFrames(spin->value());
}

std::uint16_t ChosenCount(const QSpinBox* spin, int shown, std::uint16_t stored)
{
    return spin->value() == shown ? stored : static_cast<std::uint16_t>(spin->value());
}

std::array<std::uint16_t, kDemoLevelWords> ChosenLevels(const std::array<QComboBox*, kDemoLevelWords>& selectors,
                                                        const DemoModel& model)
{
    std::array<std::uint16_t, kDemoLevelWords> levels{};
    for (std::size_t k = 0; k < levels.size(); ++k)
        levels[k] = SelectedLevel(selectors[k], model.layout().levels.table, model.values().levels[k]);
    return levels;
}

void DescribeDemoControls(QSpinBox* length, QSpinBox* specialLength, QSpinBox* number,
                          const std::array<QComboBox*, kDemoLevelWords>& selectors)
{
    const auto describe = [](QWidget* control, const QString& name, const QString& tip) {
        control->setAccessibleName(name);
        control->setToolTip(tip);
    };
    describe(length, QCoreApplication::translate("DemosEditor", "Normal demos length"),
             QCoreApplication::translate("DemosEditor", "How long a normal demo runs: whole seconds, 0 to %1")
                 .arg(kMaxDemoSeconds));
    if (specialLength)
        describe(specialLength, QCoreApplication::translate("DemosEditor", "Special stages demos length"),
                 QCoreApplication::translate("DemosEditor",
                                             "How long a special stage demo runs: whole seconds, 0 to %1")
                     .arg(kMaxDemoSeconds));
    describe(number, QCoreApplication::translate("DemosEditor", "Number of demos played"), {});
    DescribeDemoNumber(number);
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("DemosEditor", "First demo level"),
        QT_TRANSLATE_NOOP("DemosEditor", "Second demo level"),
        QT_TRANSLATE_NOOP("DemosEditor", "Third demo level"),
        QT_TRANSLATE_NOOP("DemosEditor", "Fourth demo level"),
    };
    static const char* const tips[] = {
        QT_TRANSLATE_NOOP("DemosEditor", "The level the first demo plays, by its name in the game's level list"),
        QT_TRANSLATE_NOOP("DemosEditor", "The level the second demo plays, by its name in the game's level list"),
        QT_TRANSLATE_NOOP("DemosEditor", "The level the third demo plays, by its name in the game's level list"),
        QT_TRANSLATE_NOOP("DemosEditor", "The level the fourth demo plays, by its name in the game's level list"),
    };
    for (std::size_t n = 0; n < selectors.size(); ++n)
        describe(selectors[n], QCoreApplication::translate("DemosEditor", names[n]),
                 QCoreApplication::translate("DemosEditor", tips[n]));
}

void DescribeDemoNumber(QSpinBox* number)
{
    number->setToolTip(
        QCoreApplication::translate("DemosEditor", "How many demos the attract mode plays in turn: 0 to %1")
            .arg(number->maximum()));
}
