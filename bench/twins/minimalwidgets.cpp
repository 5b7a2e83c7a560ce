// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The least a Qt Widgets program does to show a window: the twin the
// program's start-up is measured against. Prints the steady clock (ns) once
// the window is exposed and painted, then exits.

#include <QApplication>
#include <QLabel>
#include <QtTest>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Minimal"));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QCoreApplication::processEvents();
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("%lld 0\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    return 0;
}
