// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The least a Qt Core program does to print its version: the twin
// `korvane-tool --version` is measured against.

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::fputs("minimal-core 1\n", stdout);
    return 0;
}
