// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's start-up as its main() makes it, in a program of its own
// that links what the program links: prints the steady clock (ns) at the
// main window's first paint and the ROM file opens made by then, then exits
// once the start-up's first turn of the event loop is done.

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "bench/twins/firstpaint.h"
#include "core/platform/files.h"
#include "core/romfile.h"

#include <QApplication>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    UseBinaryStandardStreams();
    QApplication app(argc, argv);
    NameApplication();
    InitApplication();
    // The main window is made and shown inside; its first paint comes with
    // the event loop.
    const std::unique_ptr<MainWindow> window = StartProgram(QApplication::arguments());
    FirstPaint painted(window.get());
    if (!painted.wait())
        return 1;
    const std::uint64_t opens = RomFile::OpenCount();
    QCoreApplication::processEvents();
    std::printf("%lld %llu\n", static_cast<long long>(painted.ns), static_cast<unsigned long long>(opens));
    std::fflush(stdout);
    return 0;
}
