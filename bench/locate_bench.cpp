// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Locating 330 values of a 4 MiB original in a modification of it with 64
// bytes inserted near its start (so that nearly every value moved):
// LocateValues (one pass over each image per window length) against a
// plain search for each value's window, one value at a time.

#include "bench/benchsupport.h"

#include "core/locate.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <random>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Images
{
    Bytes original;
    Bytes image;
    std::vector<ValuePlace> values;
};

const Images& images()
{
    static const Images made = [] {
        Images i;
        std::mt19937 rng(7);
        i.original.resize(std::size_t{4} << 20);
        for (std::uint8_t& byte : i.original)
            byte = static_cast<std::uint8_t>(rng());
        i.image = i.original;
        i.image.insert(i.image.begin() + 0x1000, 64, 0x4E);
        i.image.resize(i.original.size());
        for (int n = 0; n < 330; ++n)
            i.values.push_back({"v" + std::to_string(n), 0x2000 + std::int64_t(rng() % 0x3F0000), 2});
        return i;
    }();
    return made;
}

// Each value's 32-byte window searched for in the original (unique?) and
// the image, one value after the other.
std::size_t searchEachValue(const Images& i)
{
    std::size_t placed = 0;
    for (const ValuePlace& value : i.values) {
        const auto* window = i.original.data() + value.offset - 16;
        const auto find = [window](const Bytes& in, std::size_t from) {
            return std::search(in.begin() + std::ptrdiff_t(from), in.end(), std::boyer_moore_horspool_searcher(window, window + 32));
        };
        if (find(i.original, 0) != i.original.begin() + value.offset - 16)
            continue;
        const auto first = find(i.image, 0);
        if (first != i.image.end() && find(i.image, std::size_t(first - i.image.begin()) + 1) == i.image.end())
            ++placed;
    }
    return placed;
}

void BM_LocateOnePass(benchmark::State& state)
{
    const Images& i = images();
    for (auto _ : state)
        benchmark::DoNotOptimize(LocateValues(i.original, i.image, i.values));
}
BENCHMARK(BM_LocateOnePass)->Unit(benchmark::kMillisecond);

void BM_LocatePerValueSearch(benchmark::State& state)
{
    const Images& i = images();
    for (auto _ : state)
        benchmark::DoNotOptimize(searchEachValue(i));
}
BENCHMARK(BM_LocatePerValueSearch)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
