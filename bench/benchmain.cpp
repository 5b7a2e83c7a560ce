// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/benchsupport.h"

#include "app/mainwindow.h"
#include "app/windowregistry.h"

#include <QApplication>

#include <cstring>
#include <memory>

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], kStartUpProbeFlag) == 0)
        return RunStartUpProbe(argc, argv);

    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    FilterPlatformNoise();
    QApplication::setApplicationName(QStringLiteral("korvane"));
    InitApplication();
    SetNotices(&RunNotices());
    InitBenchFiles();
    auto mainWindow = std::make_unique<MainWindow>();
    BenchMainWindow() = mainWindow.get();

    RegisterChecksumBenchmarks();
    RegisterDataPathBenchmarks();
    RegisterWindowBenchmarks();
    RegisterStartUpBenchmarks();
    RegisterToolBenchmarks();
    RegisterPatchBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    SetNotices(nullptr);
    BenchMainWindow() = nullptr;
    return 0;
}
