// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// BPS and IPS patches of the cases below, each from two image files to a
// patch and back: creation reads both images and makes the patch, applying
// reads the patch and the original and makes the image. ratio is each over
// the floor of reading both images once (in turns first, in the same
// iterations); patch_bytes is the patch's size.

#include "bench/benchsupport.h"

#include "core/bps.h"
#include "core/ips.h"
#include "core/patchfiles.h"
#include "core/platform/files.h"

#include <QDir>
#include <QTemporaryDir>

#include <map>
#include <random>
#include <stdexcept>

namespace {

constexpr std::size_t kMiB = std::size_t{1} << 20;

struct PatchCase
{
    const char* name;
    std::size_t size;      // of the original
    std::size_t grownBy;   // new data at the end of the changed image
    std::size_t edits;     // scattered single-byte edits
    std::size_t runsOf;    // the tenth changed in runs of this many bytes (0: none)
    bool movedBlock;       // a 64 KiB block moved elsewhere
};

const PatchCase kCases[] = {
    {"a_one_byte", 4 * kMiB, 0, 1, 0, false},
    {"b_1000_edits", 4 * kMiB, 0, 1000, 0, false},
    {"c_1000_edits_moved_block", 4 * kMiB, 0, 1000, 0, true},
    {"d_tenth_in_runs", 4 * kMiB, 0, 0, 256, false},
    {"e_4_grown_to_8", 4 * kMiB, 4 * kMiB, 0, 0, false},
    {"f_8MiB_1000_edits", 8 * kMiB, 0, 1000, 0, false},
    {"f_32MiB_1000_edits", 32 * kMiB, 0, 1000, 0, false},
    {"g_32_grown_by_4", 32 * kMiB, 4 * kMiB, 0, 0, false},
};

struct CaseFiles
{
    std::string original;
    std::string changed;
    std::string bps;
    std::string ips;
};

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

void writeFile(const std::string& path, const PatchBytes& bytes)
{
    if (ReplaceFileContents(path, bytes.data(), bytes.size()) != 0)
        throw std::runtime_error("cannot write " + path);
}

// The images of c, random with a fixed seed, written once.
const CaseFiles& filesOf(const PatchCase& c)
{
    static std::map<std::string, CaseFiles> made;
    if (const auto it = made.find(c.name); it != made.end())
        return it->second;
    std::mt19937 rng(1234);
    PatchBytes original(c.size);
    for (std::uint8_t& b : original)
        b = static_cast<std::uint8_t>(rng());
    PatchBytes changed = original;
    for (std::size_t i = 0; i < c.edits; ++i) {
        const std::size_t at = rng() % c.size;
        changed[at] = static_cast<std::uint8_t>(changed[at] ^ (1 + rng() % 255));
    }
    if (c.runsOf > 0) {
        for (std::size_t run = 0; run < c.size / 10 / c.runsOf; ++run) {
            const std::size_t at = rng() % (c.size - c.runsOf);
            for (std::size_t k = 0; k < c.runsOf; ++k)
                changed[at + k] = static_cast<std::uint8_t>(rng());
        }
    }
    if (c.movedBlock) {
        const std::size_t block = 64 << 10;
        std::copy_n(original.begin() + static_cast<std::ptrdiff_t>(c.size / 4), block,
                    changed.begin() + static_cast<std::ptrdiff_t>(c.size / 2));
    }
    for (std::size_t i = 0; i < c.grownBy; ++i)
        changed.push_back(static_cast<std::uint8_t>(rng()));
    const std::string base = QDir(folder().path()).filePath(QString::fromLatin1(c.name)).toStdString();
    CaseFiles files{base + ".orig", base + ".new", base + ".bps", base + ".ips"};
    writeFile(files.original, original);
    writeFile(files.changed, changed);
    writeFile(files.bps, CreateBpsPatch(original, changed));
    // IPS addresses 16 MiB.
    if (changed.size() <= 16 * kMiB)
        writeFile(files.ips, CreateIpsPatch(original, changed));
    return made[c.name] = files;
}

void readBoth(const CaseFiles& files)
{
    benchmark::DoNotOptimize(ReadBinaryFile(files.original).data());
    benchmark::DoNotOptimize(ReadBinaryFile(files.changed).data());
}

// One operation from files, timed against the floor in the same iterations.
template <typename Operation>
void measure(benchmark::State& state, const CaseFiles& files, Operation&& operation)
{
    double spent = 0;
    double floor = 0;
    bool first = true;
    std::size_t bytes = 0;
    for (auto _ : state) {
        double t = 0;
        if (first) {
            t = SecondsOf([&] { bytes = operation(); });
            floor += SecondsOf([&] { readBoth(files); });
        } else {
            floor += SecondsOf([&] { readBoth(files); });
            t = SecondsOf([&] { bytes = operation(); });
        }
        first = !first;
        spent += t;
        state.SetIterationTime(t);
    }
    state.counters["ratio"] = benchmark::Counter(spent / floor);
    state.counters["patch_bytes"] = benchmark::Counter(static_cast<double>(bytes));
}

void BM_Create(benchmark::State& state, const PatchCase* c, PatchFormat format)
{
    const CaseFiles& files = filesOf(*c);
    measure(state, files, [&] {
        return CreatePatch(format, ReadBinaryFile(files.original), ReadBinaryFile(files.changed)).size();
    });
}

void BM_Apply(benchmark::State& state, const PatchCase* c, PatchFormat format)
{
    const CaseFiles& files = filesOf(*c);
    const std::string& patch = format == PatchFormat::Bps ? files.bps : files.ips;
    const std::size_t size = ReadBinaryFile(patch).size();
    measure(state, files, [&] {
        benchmark::DoNotOptimize(ApplyPatch(ReadBinaryFile(patch), ReadBinaryFile(files.original)).data());
        return size;
    });
}

} // namespace

void RegisterPatchBenchmarks()
{
    for (const PatchCase& c : kCases) {
        for (const auto& [format, prefix] : {std::pair{PatchFormat::Bps, "Bps"}, std::pair{PatchFormat::Ips, "Ips"}}) {
            // IPS addresses 16 MiB.
            if (format == PatchFormat::Ips && c.size + c.grownBy > 16 * kMiB)
                continue;
            const std::string name = std::string("/") + c.name;
            benchmark::RegisterBenchmark((prefix + std::string("Create") + name).c_str(), BM_Create, &c, format)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark((prefix + std::string("Apply") + name).c_str(), BM_Apply, &c, format)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
}
