// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up to the main window being shown: in a fresh process (loading the
// libraries, the platform plugin and the fonts included) and again inside
// this one.

#include "bench/benchsupport.h"

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/romfile.h"

#include <QApplication>
#include <QtTest>

#include <cstdio>
#include <memory>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// Shows the main window and waits until it is exposed and painted.
void showMainWindow(MainWindow& window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        throw std::runtime_error("the main window was not shown");
    QCoreApplication::processEvents();
}

std::int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(BenchClock::now().time_since_epoch()).count();
}

struct ProbeResult
{
    double seconds = 0;
    long opens = 0;
};

// Starts this executable as the probe (or another program that prints the
// same) and reads what it prints.
ProbeResult runProbe(const char* program = "/proc/self/exe")
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::string exeName = program;
    char* exe = exeName.data();
    std::string flag = kStartUpProbeFlag;
    // Only this executable takes the flag.
    const bool self = exeName == "/proc/self/exe";
    char* argv[] = {exe, self ? flag.data() : nullptr, nullptr};

    const std::int64_t start = nowNs();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, exe, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (spawned != 0) {
        ::close(pipeFds[0]);
        throw std::runtime_error("cannot start the probe");
    }
    std::string out;
    char buffer[256];
    ssize_t got = 0;
    while ((got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    long long shown = 0;
    long opens = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || std::sscanf(out.c_str(), "%lld %ld", &shown, &opens) != 2)
        throw std::runtime_error("the probe failed: " + out);
    return {static_cast<double>(shown - start) * 1e-9, opens};
}

// ratio: the program's start-up over its minimal twin's, in turns.
void BM_StartUpProcess(benchmark::State& state)
{
    long opens = 0;
    double own = 0;
    double twin = 0;
    try {
        for (auto _ : state) {
            const ProbeResult result = runProbe(KORVANE_STARTUP_PROBE);
            twin += runProbe(KORVANE_MINIMAL_WIDGETS).seconds;
            own += result.seconds;
            opens += result.opens;
            state.SetIterationTime(result.seconds);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    state.counters["opens"] = benchmark::Counter(static_cast<double>(opens), benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = benchmark::Counter(own / twin);
}

// The same steps inside the running application: the main window only, a
// new one made, shown and painted each time (the editor windows are made
// when the Editor menu opens them, none at start).
void BM_StartUpMainWindow(benchmark::State& state)
{
    std::uint64_t opens = 0;
    try {
        for (auto _ : state) {
            const std::uint64_t before = RomFile::OpenCount();
            std::unique_ptr<MainWindow> window;
            const double t = SecondsOf([&] {
                window = std::make_unique<MainWindow>();
                showMainWindow(*window);
            });
            opens += RomFile::OpenCount() - before;
            state.SetIterationTime(t);
            window.reset();
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    state.counters["opens"] = benchmark::Counter(static_cast<double>(opens), benchmark::Counter::kAvgIterations);
}

} // namespace

int RunStartUpProbe(int argc, char** argv)
{
    // As the program's main().
    QApplication app(argc, argv);
    FilterPlatformNoise();
    QApplication::setApplicationName(QStringLiteral("korvane"));
    InitApplication();
    MainWindow window;
    showMainWindow(window);
    const std::int64_t shown = nowNs();
    std::printf("%lld %llu\n", static_cast<long long>(shown), static_cast<unsigned long long>(RomFile::OpenCount()));
    std::fflush(stdout);
    return 0;
}

void RegisterStartUpBenchmarks()
{
    benchmark::RegisterBenchmark("StartUp/Process", BM_StartUpProcess)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(20);
    benchmark::RegisterBenchmark("StartUp/MainWindow", BM_StartUpMainWindow)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}
