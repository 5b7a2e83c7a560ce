// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checksum.h"

#include "core/korvaneerror.h"
#include "core/romaccess.h"
#include "core/romfile.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace {

PendingEventsPump gPump = nullptr;

// Sum of the big-endian words of an even number of bytes, wrapping at 16 bits.
// Sixteen running 16-bit sums over runs of sixteen words: the inner loop has
// a fixed length and needs no remainder, so the compiler turns it into vector
// adds at -O2 as well as at -O3 (a plain loop over the words is vectorised
// at -O3 only). The 16-bit lanes wrap just as the checksum does. On x86-64
// a second copy built for AVX2 is chosen at load time where the processor
// has it: it sums twice as many bytes per instruction. That choice needs
// the ELF loader's indirect functions, so Windows builds have one copy.
#if defined(__GNUC__) && defined(__x86_64__) && defined(__ELF__)
__attribute__((target_clones("avx2", "default")))
#endif
std::uint16_t sumWords(const unsigned char* data, std::size_t size)
{
    constexpr std::size_t kLanes = 16;
    std::array<std::uint16_t, kLanes> lanes{};
    const std::size_t words = size / 2;
    std::size_t k = 0;
    for (; k + kLanes <= words; k += kLanes) {
        for (std::size_t j = 0; j < kLanes; ++j) {
            std::uint16_t word;
            std::memcpy(&word, data + 2 * (k + j), 2);
            if constexpr (std::endian::native == std::endian::little)
                word = static_cast<std::uint16_t>(word << 8 | word >> 8);
            lanes[j] = static_cast<std::uint16_t>(lanes[j] + word);
        }
    }
    std::uint16_t sum = 0;
    for (const std::uint16_t lane : lanes)
        sum = static_cast<std::uint16_t>(sum + lane);
    for (; k < words; ++k)
        sum = static_cast<std::uint16_t>(sum + (data[2 * k] << 8 | data[2 * k + 1]));
    return sum;
}

constexpr std::int64_t kSumStart = 0x200;
constexpr std::int64_t kChecksumOffset = 0x18E;
constexpr std::int64_t kRomEndOffset = 0x1A4;
// 256 KiB: fewer reads than the 64 KiB of old, and still well inside L2 while
// it is summed.
constexpr std::size_t kBlockSize = 0x40000;

// The sum of the words from from (even) to to of an open file, a final odd
// byte counting as the high byte of a word.
std::uint32_t sumRange(RomFile& file, std::int64_t from, std::int64_t to, const std::atomic_bool* stop)
{
    // One buffer for every repair of the thread: a fresh one would cost a
    // page fault for each of its pages every time. Not zero-filled: only
    // bytes just read are summed.
    thread_local const std::unique_ptr<unsigned char[]> block(new unsigned char[kBlockSize]);
    std::uint32_t sum = 0;
    for (std::int64_t pos = from; pos < to;) {
        if (stop && stop->load(std::memory_order_relaxed))
            throw KorvaneError(kStoppedMessage);
        const std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(kBlockSize, to - pos));
        const std::ptrdiff_t got = file.readAt(pos, block.get(), want);
        if (got < 0)
            ThrowFileError(file.error());
        if (static_cast<std::size_t>(got) != want)
            throw KorvaneError("Read beyond end of file");
        // Every block but the last is full and even, so word pairs never
        // straddle two blocks.
        sum += sumWords(block.get(), want & ~std::size_t{1});
        if (want & 1)
            sum += static_cast<std::uint32_t>(block[want - 1]) << 8;
        pos += static_cast<std::int64_t>(want);
    }
    return sum;
}

// A thread kept for the whole run that sums the second half of a large
// image while the caller sums the first, each half read and summed on one
// core while it is in that core's cache. Started at its first use; between
// uses it waits. One caller at a time: a second one sums alone.
class HalfSummer
{
public:
    static HalfSummer* claim()
    {
        if (std::thread::hardware_concurrency() < 2)
            return nullptr;
        static HalfSummer summer;
        return summer.mBusy.exchange(true, std::memory_order_acquire) ? nullptr : &summer;
    }

    void start(RomFile& file, std::int64_t from, std::int64_t to, const std::atomic_bool* stop)
    {
        {
            const std::lock_guard<std::mutex> lock(mMutex);
            mJob = Job{&file, from, to, stop};
            mDone.store(false, std::memory_order_relaxed);
        }
        mWake.notify_one();
    }

    // The helper's sum, or nothing when it failed (the caller sums that half
    // again to learn why). Lets the summer go.
    std::optional<std::uint32_t> wait()
    {
        // The halves take about as long: a short spin usually sees the end
        // without a sleep and a wake-up.
        const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(200);
        while (!mDone.load(std::memory_order_acquire) && std::chrono::steady_clock::now() < until)
            std::this_thread::yield();
        std::unique_lock<std::mutex> lock(mMutex);
        mFinished.wait(lock, [this] { return mDone.load(std::memory_order_acquire); });
        const std::optional<std::uint32_t> result = mResult;
        mJob.reset();
        lock.unlock();
        mBusy.store(false, std::memory_order_release);
        return result;
    }

private:
    struct Job
    {
        RomFile* file;
        std::int64_t from;
        std::int64_t to;
        const std::atomic_bool* stop;
    };

    HalfSummer() : mThread([this] { run(); }) {}

    ~HalfSummer()
    {
        {
            const std::lock_guard<std::mutex> lock(mMutex);
            mQuit = true;
        }
        mWake.notify_one();
        mThread.join();
    }

    void run()
    {
        std::unique_lock<std::mutex> lock(mMutex);
        for (;;) {
            mWake.wait(lock, [this] { return mQuit || (mJob && !mDone.load(std::memory_order_relaxed)); });
            if (mQuit)
                return;
            const Job job = *mJob;
            lock.unlock();
            std::optional<std::uint32_t> result;
            try {
                result = sumRange(*job.file, job.from, job.to, job.stop);
            } catch (...) {
                // The caller sums this half again and reports what fails.
            }
            lock.lock();
            mResult = result;
            mDone.store(true, std::memory_order_release);
            mFinished.notify_one();
        }
    }

    std::mutex mMutex;
    std::condition_variable mWake;
    std::condition_variable mFinished;
    std::optional<Job> mJob;
    std::optional<std::uint32_t> mResult;
    std::atomic_bool mDone{false};
    std::atomic_bool mBusy{false};
    bool mQuit = false;
    std::thread mThread;
};

// Below this, waking the helper costs more than it saves.
constexpr std::int64_t kHalvesFrom = 0x100000;

// The sum of the words from 0x200 to length of an open file.
std::uint16_t sumImage(RomFile& file, std::int64_t length, const std::atomic_bool* stop = nullptr)
{
    HalfSummer* helper = length - kSumStart >= kHalvesFrom ? HalfSummer::claim() : nullptr;
    if (!helper)
        return static_cast<std::uint16_t>(sumRange(file, kSumStart, length, stop));
    const std::int64_t middle = kSumStart + ((length - kSumStart) / 2 & ~std::int64_t{1});
    helper->start(file, middle, length, stop);
    std::uint32_t first = 0;
    try {
        first = sumRange(file, kSumStart, middle, stop);
    } catch (...) {
        helper->wait();
        throw;
    }
    const std::optional<std::uint32_t> second = helper->wait();
    return static_cast<std::uint16_t>(first + (second ? *second : sumRange(file, middle, length, stop)));
}

// The big-endian number of the size bytes at offset, or 0 past the end.
std::uint32_t readBigEndian(RomFile& file, std::int64_t offset, int size)
{
    unsigned char bytes[4] = {0, 0, 0, 0};
    if (file.readAt(offset, bytes, static_cast<std::size_t>(size)) != size)
        return 0;
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i)
        value = value << 8 | bytes[i];
    return value;
}

} // namespace

bool FixChecksum(const std::string& path, HeaderState* before)
{
    ImageAccess access(path, RomFile::Access::Write);
    RomFile& file = *access;
    if (!file.isOpen())
        ThrowFileError(file.error());
    const std::int64_t length = file.size();
    if (length < 0)
        ThrowFileError(file.error());
    if (before) {
        *before = HeaderState{};
        before->size = length;
        before->storedChecksum = static_cast<std::uint16_t>(readBigEndian(file, kChecksumOffset, 2));
        before->storedRomEnd = readBigEndian(file, kRomEndOffset, 4);
    }
    // No summed area, and the header fields may lie past the end: leave the
    // file as it is.
    if (length <= kSumStart)
        return false;
    const bool odd = (length & 1) != 0;
    const std::int64_t romEnd = odd ? length : length - 1;

    if (gPump)
        gPump();

    const std::uint16_t checksum = sumImage(file, length);
    if (before) {
        before->summed = true;
        before->computedChecksum = checksum;
        before->expectedRomEnd = static_cast<std::uint32_t>(romEnd);
    }

    const auto end = static_cast<std::uint32_t>(romEnd);
    const unsigned char endBytes[4] = {
        static_cast<unsigned char>(end >> 24),
        static_cast<unsigned char>(end >> 16),
        static_cast<unsigned char>(end >> 8),
        static_cast<unsigned char>(end),
    };
    const unsigned char sumBytes[2] = {
        static_cast<unsigned char>(checksum >> 8),
        static_cast<unsigned char>(checksum),
    };
    // A header that already holds both values is not rewritten, and there is
    // nothing to flush.
    if (!odd && readBigEndian(file, kChecksumOffset, 2) == checksum && readBigEndian(file, kRomEndOffset, 4) == end)
        return false;
    // The pad byte first: if the disk is full the header still describes the
    // file as it is. A zero pad byte does not change the sum.
    if (odd) {
        const unsigned char pad = 0;
        if (!file.writeAt(length, &pad, 1))
            ThrowFileError(file.error());
    }
    if (!file.writeAt(kRomEndOffset, endBytes, sizeof endBytes)
        || !file.writeAt(kChecksumOffset, sumBytes, sizeof sumBytes) || !file.sync())
        ThrowFileError(file.error());
    return true;
}

HeaderState ReadHeaderState(const std::string& path, const std::atomic_bool* stop)
{
    ImageAccess access(path, RomFile::Access::Read);
    RomFile& file = *access;
    if (!file.isOpen())
        ThrowFileError(file.error());
    HeaderState state;
    state.size = file.size();
    if (state.size < 0)
        ThrowFileError(file.error());
    state.storedChecksum = static_cast<std::uint16_t>(readBigEndian(file, kChecksumOffset, 2));
    state.storedRomEnd = readBigEndian(file, kRomEndOffset, 4);
    state.summed = state.size > kSumStart;
    if (state.summed) {
        state.computedChecksum = sumImage(file, state.size, stop);
        state.expectedRomEnd = static_cast<std::uint32_t>((state.size & 1) ? state.size : state.size - 1);
    }
    return state;
}

void SetPendingEventsPump(PendingEventsPump pump)
{
    gPump = pump;
}

bool FixChecksum()
{
    return FixChecksum(Rom.RomPath);
}

void FinishImageWrites(const std::string& path, bool repairHeader)
{
    if (!(repairHeader && FixChecksum(path)))
        FlushRomFile(path);
}

bool IsCartridgeImage(const std::string& path)
{
    ImageAccess access(path, RomFile::Access::Read);
    RomFile& file = *access;
    file.requireOpen(path);
    char signature[4] = {};
    if (file.size() < kSumStart || file.readAt(0x100, signature, sizeof signature) != sizeof signature)
        return false;
    const std::string text(signature, sizeof signature);
    return text == "SEGA" || text == " SEG";
}
