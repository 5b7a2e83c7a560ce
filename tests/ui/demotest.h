// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Shared by the window tests of the two demo editors.

#include "core/detection.h"
#include "core/romaccess.h"
#include "core/syntheticimage.h"

#include <QByteArray>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QString>
#include <QWidget>

#include <string>

// An image of gameCode as the detection names it, zero-filled, without a
// valid checksum.
inline SyntheticImage DemoImage(const std::string& gameCode)
{
    if (gameCode == "p1")
        return std::move(SyntheticImage(0x80000).serial(kSerialP1));
    if (gameCode == "p1j")
        return std::move(SyntheticImage(0x80000).serial(kSerialP1JP2B).byte(kVariantOffset, 'G'));
    if (gameCode == "p2b")
        return std::move(SyntheticImage(0x100000).serial(kSerialP1JP2B).byte(kVariantOffset, '2'));
    if (gameCode == "p2")
        return std::move(SyntheticImage(0x100000).serial(kSerialP2));
    if (gameCode == "p3")
        return std::move(SyntheticImage(0x200000).serial(kSerialP3));
    if (gameCode == "p2k")
        return std::move(SyntheticImage(0x340000).serial(kSerialLockOn).secondSerial(kSerialP2));
    if (gameCode == "pk")
        return std::move(SyntheticImage(0x280000).serial(kSerialLockOn).secondSerial("GM 00000000-00"));
    return SyntheticImage(0x1000);
}

// The general error report's text of a message.
inline QString Reported(const std::string& message)
{
    return QString::fromStdString(message) + QStringLiteral(".");
}

// Controls of the two demo windows, found by their names.
inline QSpinBox* spin(QWidget* w, const char* name)
{
    return w->findChild<QSpinBox*>(name);
}

// Level selector n (1 to 4).
inline QComboBox* combo(QWidget* w, int n)
{
    return w->findChild<QComboBox*>(QStringLiteral("combo%1").arg(n));
}

inline void save(QWidget* w)
{
    w->findChild<QPushButton*>("saveButton")->click();
}
