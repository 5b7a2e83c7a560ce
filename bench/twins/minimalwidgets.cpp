// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The least a Qt Widgets program does to show a window: the twin the
// program's start-up is measured against. Prints the steady clock (ns) at
// the window's first paint, then exits.

#include "bench/twins/firstpaint.h"

#include <QApplication>
#include <QLabel>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Minimal"));
    FirstPaint painted(&window);
    window.show();
    if (!painted.wait())
        return 1;
    std::printf("%lld 0\n", static_cast<long long>(painted.ns));
    return 0;
}
