// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/demos/democontrols.h"

#include "ui/levelselector.h"

#include <QComboBox>
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
    const auto seconds = [](const char* what) {
        return QStringLiteral("%1: whole seconds, 0 to %2").arg(QLatin1String(what)).arg(kMaxDemoSeconds);
    };
    describe(length, QStringLiteral("Normal demos length"), seconds("How long a normal demo runs"));
    if (specialLength)
        describe(specialLength, QStringLiteral("Special stages demos length"),
                 seconds("How long a special stage demo runs"));
    describe(number, QStringLiteral("Number of demos played"), {});
    DescribeDemoNumber(number);
    const char* const ordinals[] = {"First", "Second", "Third", "Fourth"};
    for (std::size_t n = 0; n < selectors.size(); ++n)
        describe(selectors[n], QStringLiteral("%1 demo level").arg(QLatin1String(ordinals[n])),
                 QStringLiteral("The level the %1 demo plays, by its name in the game's level list")
                     .arg(QString::fromLatin1(ordinals[n]).toLower()));
}

void DescribeDemoNumber(QSpinBox* number)
{
    number->setToolTip(QStringLiteral("How many demos the attract mode plays in turn: 0 to %1").arg(number->maximum()));
}
