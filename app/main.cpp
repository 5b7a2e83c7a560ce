// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/windowregistry.h"
#include "core/apptexts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pelbo-korvane"));
    // Settings in ~/.config/korvane/pelbo-korvane.conf.
    QApplication::setOrganizationName(QStringLiteral("korvane"));
    QApplication::setApplicationVersion(QString::fromLatin1(kAppVersion));
    InitApplication();
    StartProgram(QApplication::arguments());
    const int result = QApplication::exec();
    DestroyWindows();
    return result;
}
