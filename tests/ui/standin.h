// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/emulator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

// The emulator's stand-in chosen in the settings: it records each run's
// arguments in a file of folder. Its command gives one word before %f.
class StandinEmulator
{
public:
    explicit StandinEmulator(const QString& folder) : mRecord(QDir(folder).filePath(QStringLiteral("runs.txt")))
    {
        qputenv("KORVANE_STANDIN_RECORD", QFile::encodeName(QDir::toNativeSeparators(mRecord)));
        SetEmulatorSetting(QuoteCommandWord(program()) + QStringLiteral(" --fullscreen %f"));
    }

    static QString program() { return QFileInfo(QStringLiteral(KORVANE_STANDIN_EMULATOR)).absoluteFilePath(); }

    // The arguments of every run so far, once count runs have ended (at most
    // 20 s). A run's lines end with a line "--".
    QList<QStringList> runs(int count) const
    {
        QList<QStringList> all;
        const bool ended = QTest::qWaitFor([&] {
            QFile file(mRecord);
            all = {{}};
            for (const QByteArray& line : file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QByteArrayList{})
                line == "--" ? void(all << QStringList{}) : void(all.last() << QString::fromLocal8Bit(line));
            all.removeLast();
            return all.size() >= count;
        }, 20000);
        Q_UNUSED(ended); // the caller compares what came
        return all;
    }

private:
    QString mRecord;
};
