// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// BPS patches of two 4 MiB images: 1,000 scattered changes, and one changed
// byte. Counters: the patch's size and, for the scattered changes, the
// changed bytes plus their positions (three bytes each) it is measured
// against.

#include "bench/benchsupport.h"

#include "core/bps.h"

#include <random>

namespace {

constexpr std::size_t kImageSize = 4 << 20;

PatchBytes randomImage(std::mt19937& rng)
{
    PatchBytes image(kImageSize);
    for (std::uint8_t& b : image)
        b = static_cast<std::uint8_t>(rng());
    return image;
}

void BM_BpsCreate(benchmark::State& state)
{
    std::mt19937 rng(42);
    const PatchBytes source = randomImage(rng);
    PatchBytes target = source;
    const auto places = static_cast<std::size_t>(state.range(0));
    std::size_t changedBytes = 0;
    // Places of one to four changed bytes, at random; a single place is one
    // byte.
    for (std::size_t i = 0; i < places; ++i) {
        const std::size_t at = rng() % (kImageSize - 4);
        const std::size_t length = places == 1 ? 1 : 1 + rng() % 4;
        for (std::size_t k = 0; k < length; ++k) {
            if (target[at + k] == source[at + k])
                ++changedBytes;
            target[at + k] = static_cast<std::uint8_t>(source[at + k] ^ (1 + rng() % 255));
        }
    }
    std::size_t size = 0;
    for (auto _ : state) {
        const PatchBytes patch = CreateBpsPatch(source, target);
        size = patch.size();
        benchmark::DoNotOptimize(patch.data());
    }
    state.counters["patch_bytes"] = benchmark::Counter(static_cast<double>(size));
    state.counters["changed_plus_positions"] = benchmark::Counter(static_cast<double>(changedBytes + 3 * places));
}

} // namespace

void RegisterPatchBenchmarks()
{
    benchmark::RegisterBenchmark("BpsCreate/4MiB", BM_BpsCreate)
        ->Arg(1)
        ->Arg(1000)
        ->Unit(benchmark::kMillisecond);
}
