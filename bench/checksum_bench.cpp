// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The header checksum repair against a pass that only reads the same file:
// open once, 64 KiB blocks from 0x200 to the end, close. The repair reads
// 256 KiB blocks.

#include "bench/benchsupport.h"

#include "core/checksum.h"

#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

constexpr std::int64_t kSumStart = 0x200;
constexpr std::size_t kBlockSize = 0x10000;

// The read-only pass: what the repair cannot avoid doing.
void readBlocks(const std::string& path, std::vector<unsigned char>& block)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error("cannot open " + path);
    struct stat st {};
    ::fstat(fd, &st);
    for (std::int64_t pos = kSumStart; pos < st.st_size;) {
        const auto want = static_cast<std::size_t>(std::min<std::int64_t>(kBlockSize, st.st_size - pos));
        if (::pread(fd, block.data(), want, pos) != static_cast<ssize_t>(want)) {
            ::close(fd);
            throw std::runtime_error("short read of " + path);
        }
        benchmark::DoNotOptimize(block.data());
        benchmark::ClobberMemory();
        pos += static_cast<std::int64_t>(want);
    }
    ::close(fd);
}

void BM_ReadBlocks(benchmark::State& state)
{
    const auto size = static_cast<std::size_t>(state.range(0));
    const std::string& path = ChecksumImage(size);
    std::vector<unsigned char> block(kBlockSize);
    for (auto _ : state)
        readBlocks(path, block);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(size));
}

// Each iteration runs the repair and the read-only pass, in turns first, and
// reports the time of the repair; ratio is repair time over read time.
void BM_FixChecksum(benchmark::State& state)
{
    const auto size = static_cast<std::size_t>(state.range(0));
    const std::string& path = ChecksumImage(size);
    std::vector<unsigned char> block(kBlockSize);
    double repair = 0;
    double readOnly = 0;
    bool repairFirst = true;
    for (auto _ : state) {
        double r = 0;
        if (repairFirst) {
            r = SecondsOf([&] { FixChecksum(path); });
            readOnly += SecondsOf([&] { readBlocks(path, block); });
        } else {
            readOnly += SecondsOf([&] { readBlocks(path, block); });
            r = SecondsOf([&] { FixChecksum(path); });
        }
        repairFirst = !repairFirst;
        repair += r;
        state.SetIterationTime(r);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(size));
    state.counters["read_only_us"] =
        benchmark::Counter(readOnly * 1e6 / static_cast<double>(state.iterations()));
    state.counters["ratio"] = benchmark::Counter(repair / readOnly);
}

void sizes(benchmark::internal::Benchmark* b)
{
    for (const std::int64_t size : {512 << 10, 2 << 20, 4 << 20, 8 << 20})
        b->Arg(size);
}

} // namespace

void RegisterChecksumBenchmarks()
{
    benchmark::RegisterBenchmark("ReadBlocks", BM_ReadBlocks)->Apply(sizes)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FixChecksum", BM_FixChecksum)
        ->Apply(sizes)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
}
