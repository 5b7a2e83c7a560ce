// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/notices.h"

#include <benchmark/benchmark.h>

#include <QStringList>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ImageSession;
class MainWindow;

// The benchmark images, written once into a temporary folder that lives as
// long as the run. Call InitBenchFiles() first.
void InitBenchFiles();
// A 4 MiB image of gameCode ("p1", "p2") carrying the sample values of
// every editor at its offsets.
const std::string& EditorImage(const std::string& gameCode);
// An even-sized image of size bytes, random behind a "p2" header.
const std::string& ChecksumImage(std::size_t size);

// Drops the offscreen platform's warnings about size hints.
void FilterPlatformNoise();

// Makes path the selected ROM as the main window does: BenchSession() is a
// new session of it. Its Saves repair the header ("Fix Checksum" ticked, as
// by default) and make no backup ("Back Up Before Saving" unticked: the
// backup is made once after a selection, not by every Save). No window
// listens to it, so no header panel is read again after a Save. The support
// base is the executable's folder, where the build copies the support
// files.
void SelectBenchRom(const std::string& path);
ImageSession& BenchSession();

// The main window of the run, made by its main().
MainWindow*& BenchMainWindow();

// Counts the messages of a run instead of showing boxes, and keeps the
// error reports so that a benchmark can fail on them.
class BenchNotices : public Notices
{
public:
    void showMessage(const QString& text) override;
    using Notices::ask;
    // A Save's report counts as its message.
    void showStatus(const QString& text) override { showMessage(text); }
    void reportError(const QString& text) override;
    // Questions take their default button.
    QMessageBox::StandardButton ask(const QString&, QMessageBox::StandardButtons,
                                    QMessageBox::StandardButton defaultButton) override
    {
        return defaultButton;
    }

    std::uint64_t messages = 0;
    QString lastMessage;
    QStringList errors;
};
BenchNotices& RunNotices();

// Ends the benchmark with the first error report of the run, if any; true
// when there was one.
bool SkipOnErrorReport(benchmark::State& state);

// One read through an open file.
struct BareRead
{
    std::int64_t offset;
    int size;
};

// One file operation as the program makes it, done with the bare system
// calls and nothing else:
// - ReadValue: open for reading, shared lock, read size bytes at offset,
//   close (a value read through an open of its own);
// - ReadValues: open for reading, shared lock, the file's size, each of
//   reads in order, close (a model read through one open of the image, the
//   game detection);
// - WriteValue: open for reading and writing, exclusive lock, write size
//   zero bytes at offset, close;
// - ReadFile: open for reading, read the whole file in 4 KiB pieces, close;
// - ProbeWritable: open for reading and writing, close (whether the image
//   can be written; no lock, and no RomFile).
struct BareOp
{
    enum class Kind { ReadValue, ReadValues, WriteValue, ReadFile, ProbeWritable };
    Kind kind;
    std::string path;
    std::int64_t offset = 0;
    int size = 0;
    std::vector<BareRead> reads;
};

// Runs every operation in order; throws std::runtime_error when one fails.
void RunBareOps(const std::vector<BareOp>& ops);
// How many of ops open the file as a RomFile does (the value reads and
// writes, one for each ReadValues).
std::size_t ValueOpCount(const std::vector<BareOp>& ops);

using BenchClock = std::chrono::steady_clock;

// Wall time of fn in seconds.
template <typename Fn>
double SecondsOf(Fn&& fn)
{
    const auto start = BenchClock::now();
    fn();
    return std::chrono::duration<double>(BenchClock::now() - start).count();
}

// Registration of each group, in the order the run shows them.
void RegisterChecksumBenchmarks();
void RegisterDataPathBenchmarks();
void RegisterWindowBenchmarks();
void RegisterStartUpBenchmarks();
void RegisterToolBenchmarks();
void RegisterPatchBenchmarks();

// The start-up as the program's main() does it, up to the main window being
// shown; prints the clock reading at that moment (steady clock, ns) and the
// ROM file opens made, then exits. Run in a child process by the start-up
// benchmark.
inline constexpr const char* kStartUpProbeFlag = "--start-up-probe";
int RunStartUpProbe(int argc, char** argv);
