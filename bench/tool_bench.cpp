// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// korvane-tool as whole processes on a 4 MiB image: the header repair
// beside `cat IMAGE > /dev/null` and a plain Python repair, and the export
// and import of a second-game image.

#include "bench/benchsupport.h"

#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr std::size_t kImageSize = 4 << 20;

// Runs argv to its end with its output thrown away; throws when it fails.
void runProcess(std::vector<std::string> argv)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> args;
    for (std::string& a : argv)
        args.push_back(a.data());
    args.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = ::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(argv[0] + " failed");
}

// A copy of the checksum image whose header is wrong, so that every repair
// writes it.
std::string brokenImage()
{
    const std::string path = ChecksumImage(kImageSize) + ".broken";
    std::ifstream in(ChecksumImage(kImageSize), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    bytes[0x18E] = static_cast<char>(bytes[0x18E] ^ 0xFF);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

void breakHeader(const std::string& path)
{
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekg(0x18E);
    const char byte = static_cast<char>(file.get() ^ 0xFF);
    file.seekp(0x18E);
    file.put(byte);
}

// The repair by each program on an image whose header is wrong again before
// each run; reported: korvane-tool's time, with cat's and Python's beside it.
void BM_ToolFix(benchmark::State& state)
{
    const std::string image = brokenImage();
    double tool = 0;
    double cat = 0;
    double python = 0;
    try {
        for (auto _ : state) {
            breakHeader(image);
            const double t = SecondsOf([&] { runProcess({KORVANE_TOOL_PATH, "fix", image}); });
            cat += SecondsOf([&] { runProcess({"cat", image}); });
            breakHeader(image);
            python += SecondsOf([&] { runProcess({"python3", KORVANE_PYTHON_FIXER, image}); });
            tool += t;
            state.SetIterationTime(t);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["cat_ms"] = benchmark::Counter(cat * 1e3 / n);
    state.counters["python_ms"] = benchmark::Counter(python * 1e3 / n);
    state.counters["over_cat"] = benchmark::Counter(tool / cat);
    state.counters["over_python"] = benchmark::Counter(tool / python);
}

// korvane-tool --version beside the minimal Qt Core program, in turns;
// ratio: the tool's time over the twin's.
void BM_ToolVersion(benchmark::State& state)
{
    double tool = 0;
    double twin = 0;
    try {
        for (auto _ : state) {
            const double t = SecondsOf([&] { runProcess({KORVANE_TOOL_PATH, "--version"}); });
            twin += SecondsOf([&] { runProcess({KORVANE_MINIMAL_CORE}); });
            tool += t;
            state.SetIterationTime(t);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    state.counters["twin_ms"] = benchmark::Counter(twin * 1e3 / static_cast<double>(state.iterations()));
    state.counters["ratio"] = benchmark::Counter(tool / twin);
}

void BM_ToolExport(benchmark::State& state)
{
    const std::string& image = EditorImage("p2");
    try {
        for (auto _ : state)
            state.SetIterationTime(SecondsOf([&] { runProcess({KORVANE_TOOL_PATH, "export", image}); }));
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// Imports of two documents in turns, each changing one object value back,
// so that every run writes a value and repairs the header.
void BM_ToolImport(benchmark::State& state)
{
    const std::string& image = EditorImage("p2");
    const std::string docs[2] = {image + ".12.json", image + ".8.json"};
    for (const std::string& doc : docs) {
        std::ofstream(doc) << R"({"format": "pelbo-korvane-values", "version": 1, "game": "p2", "objects": )"
                           << R"({"EHZ boss hits": )" << (&doc == &docs[0] ? 12 : 8) << "}}";
    }
    int turn = 0;
    try {
        for (auto _ : state) {
            const std::string& doc = docs[turn];
            turn = 1 - turn;
            state.SetIterationTime(SecondsOf([&] { runProcess({KORVANE_TOOL_PATH, "import", image, doc}); }));
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

} // namespace

void RegisterToolBenchmarks()
{
    benchmark::RegisterBenchmark("Tool/version", BM_ToolVersion)->UseManualTime()->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Tool/fix/4MiB", BM_ToolFix)->UseManualTime()->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Tool/export/p2", BM_ToolExport)->UseManualTime()->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Tool/import/p2", BM_ToolImport)->UseManualTime()->Unit(benchmark::kMillisecond);
}
