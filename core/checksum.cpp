// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checksum.h"

#include "core/korvaneerror.h"
#include "core/romaccess.h"
#include "core/romfile.h"
#include "core/translate.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// Sum of the big-endian words of an even number of bytes, wrapping at 16 bits.
// Sixteen running 16-bit sums over runs of sixteen words: the inner loop has
// a fixed length and needs no remainder, so the compiler turns it into vector
// adds at -O2 as well as at -O3 (a plain loop over the words is vectorised
// at -O3 only). The 16-bit lanes wrap just as the checksum does. On x86-64
// a second copy built for AVX2 is chosen at load time where the processor
// has it: it sums twice as many bytes per instruction. That choice needs
// the ELF loader's indirect functions, so Windows builds have one copy, and
// ThreadSanitizer builds too (its instrumented resolver runs before it is
// set up).
#if defined(__GNUC__) && defined(__x86_64__) && defined(__ELF__) && !defined(__SANITIZE_THREAD__)
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

// The buffer one sum reads its blocks into. One buffer is kept for the run
// and lent to one sum at a time (a fresh one would cost a page fault for
// each of its pages every time); a sum while it is lent gets one of its
// own. No thread_local buffer: a thread-local object with a destructor is
// freed at thread exit, which MinGW-w64 gets wrong for threads it did not
// start (the header panel's), and the heap breaks.
class BlockBuffer
{
public:
    BlockBuffer()
    {
        if (kept().lent.exchange(true, std::memory_order_acquire))
            mOwn.reset(new unsigned char[kBlockSize]);
    }
    ~BlockBuffer()
    {
        if (!mOwn)
            kept().lent.store(false, std::memory_order_release);
    }
    BlockBuffer(const BlockBuffer&) = delete;
    BlockBuffer& operator=(const BlockBuffer&) = delete;

    unsigned char* get() const { return mOwn ? mOwn.get() : kept().bytes.get(); }

private:
    struct Kept
    {
        std::atomic_bool lent{false};
        // Not zero-filled: only bytes just read are summed.
        std::unique_ptr<unsigned char[]> bytes{new unsigned char[kBlockSize]};
    };
    static Kept& kept()
    {
        static Kept buffer;
        return buffer;
    }

    std::unique_ptr<unsigned char[]> mOwn;
};

// The sum of the block of want bytes at pos (even) of an open file, read into
// block, a final odd byte counting as the high byte of a word.
std::uint32_t sumBlock(RomFile& file, std::int64_t pos, std::size_t want, unsigned char* block,
                       const std::atomic_bool* stop)
{
    if (stop && stop->load(std::memory_order_relaxed))
        throw KorvaneError(Translated("Checksum", "Stopped"));
    const std::ptrdiff_t got = file.readAt(pos, block, want);
    if (got < 0)
        ThrowFileError(file.error());
    if (static_cast<std::size_t>(got) != want)
        throw KorvaneError(Translated("Checksum", "Read beyond end of file"));
    std::uint32_t sum = sumWords(block, want & ~std::size_t{1});
    if (want & 1)
        sum += static_cast<std::uint32_t>(block[want - 1]) << 8;
    return sum;
}

// The blocks of one sum, taken in turn by whoever is free. Every block but
// the last is full and even, so word pairs never straddle two blocks.
struct BlockQueue
{
    RomFile* file = nullptr;
    std::int64_t length = 0;
    std::int64_t blocks = 0;
    const std::atomic_bool* stop = nullptr;
    std::atomic<std::int64_t> next{0};

    std::uint32_t sumWhileAny(unsigned char* block)
    {
        std::uint32_t sum = 0;
        for (std::int64_t i; (i = next.fetch_add(1, std::memory_order_relaxed)) < blocks;) {
            const std::int64_t pos = kSumStart + i * static_cast<std::int64_t>(kBlockSize);
            sum += sumBlock(*file, pos, static_cast<std::size_t>(std::min<std::int64_t>(kBlockSize, length - pos)),
                            block, stop);
        }
        return sum;
    }
};

// A thread kept for the whole run that helps sum a large image: the caller
// starts on the first block at once, the helper takes blocks too from when it
// is awake, each block read and summed on one core while it is in that
// core's cache. A sum the helper has not joined by its end does not wait for
// it. One caller at a time: a second one sums alone.
class SumHelper
{
public:
    static SumHelper* claim()
    {
        if (std::thread::hardware_concurrency() < 2)
            return nullptr;
        static SumHelper helper;
        return helper.mBusy.exchange(true, std::memory_order_acquire) ? nullptr : &helper;
    }

    // The sum of every block of queue, with the helper's help; the caller
    // reads into block.
    std::uint32_t sum(BlockQueue& queue, unsigned char* block)
    {
        mQueue = &queue;
        mFailed = false;
        mState.store(Open, std::memory_order_release);
        {
            const std::lock_guard<std::mutex> lock(mMutex);
            ++mGeneration;
        }
        mWake.notify_one();
        std::uint32_t sum = 0;
        try {
            sum = queue.sumWhileAny(block);
        } catch (...) {
            finish();
            throw;
        }
        const Help help = finish();
        if (help.failed) {
            // Its error (or its sum, if the cause has gone) comes from here.
            queue.next = 0;
            return queue.sumWhileAny(block);
        }
        return sum + help.sum;
    }

private:
    enum State { Idle, Open, Joined, Closed, Done };

    SumHelper() : mThread([this] { run(); }) {}

    ~SumHelper()
    {
        {
            const std::lock_guard<std::mutex> lock(mMutex);
            mQuit = true;
        }
        mWake.notify_one();
        mThread.join();
    }

    // What the helper summed of one sum.
    struct Help
    {
        std::uint32_t sum = 0;
        bool failed = false;
    };

    // Closes the sum and lets the helper go: what it summed, once it has
    // ended (nothing when it did not take part).
    Help finish()
    {
        Help help;
        int expected = Open;
        if (!mState.compare_exchange_strong(expected, Closed, std::memory_order_acq_rel)) {
            // It is on its last block.
            while (mState.load(std::memory_order_acquire) != Done)
                std::this_thread::yield();
            help = {mSum, mFailed};
        }
        mState.store(Idle, std::memory_order_relaxed);
        mBusy.store(false, std::memory_order_release);
        return help;
    }

    void run()
    {
        std::uint64_t seen = 0;
        for (;;) {
            {
                std::unique_lock<std::mutex> lock(mMutex);
                mWake.wait(lock, [&] { return mQuit || mGeneration != seen; });
                if (mQuit)
                    return;
                seen = mGeneration;
            }
            int expected = Open;
            if (!mState.compare_exchange_strong(expected, Joined, std::memory_order_acq_rel))
                continue; // that sum has ended without help
            try {
                mSum = mQueue->sumWhileAny(mBlock.get());
            } catch (...) {
                // The caller sums again and reports what fails.
                mFailed = true;
            }
            mState.store(Done, std::memory_order_release);
        }
    }

    std::mutex mMutex;
    std::condition_variable mWake;
    std::uint64_t mGeneration = 0;
    bool mQuit = false;
    std::atomic_int mState{Idle};
    std::atomic_bool mBusy{false};
    // Written before the state says Open (by the caller) or Done (by the
    // helper), read after it.
    BlockQueue* mQueue = nullptr;
    std::uint32_t mSum = 0;
    bool mFailed = false;
    // The helper's own buffer, for the run.
    std::unique_ptr<unsigned char[]> mBlock{new unsigned char[kBlockSize]};
    std::thread mThread;
};

// Below this the helper, woken from its sleep, joins too late to save
// anything (measured: 2 MiB took longer with it than without).
constexpr std::int64_t kHelpFrom = 0x300000;

// The sum of the words from 0x200 to length of an open file.
std::uint16_t sumImage(RomFile& file, std::int64_t length, const std::atomic_bool* stop = nullptr)
{
    BlockQueue queue;
    queue.file = &file;
    queue.length = length;
    queue.blocks = (length - kSumStart + static_cast<std::int64_t>(kBlockSize) - 1) / static_cast<std::int64_t>(kBlockSize);
    queue.stop = stop;
    SumHelper* helper = length - kSumStart >= kHelpFrom ? SumHelper::claim() : nullptr;
    const BlockBuffer block;
    return static_cast<std::uint16_t>(helper ? helper->sum(queue, block.get()) : queue.sumWhileAny(block.get()));
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
    RomFile file(path, RomFile::Access::Write);
    if (!file.isOpen())
        ThrowFileError(file.error());
    return FixChecksum(file, before);
}

bool FixChecksum(RomFile& file, HeaderState* before)
{
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
    RomFile file(path, RomFile::Access::Read);
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

bool FinishImageWrites(RomFile& file, bool repairHeader)
{
    if (repairHeader && FixChecksum(file))
        return true;
    FlushRomFile(file);
    return false;
}

bool IsCartridgeImage(const std::string& path)
{
    RomFile file(path, RomFile::Access::Read);
    file.requireOpen(path);
    char signature[4] = {};
    if (file.size() < kSumStart || file.readAt(0x100, signature, sizeof signature) != sizeof signature)
        return false;
    const std::string text(signature, sizeof signature);
    return text == "SEGA" || text == " SEG";
}

std::string NotCartridgeMessage()
{
    return Translated("Checksum", "not a Mega Drive cartridge image (no \"SEGA\" at 0x100)");
}
