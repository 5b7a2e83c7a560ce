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
