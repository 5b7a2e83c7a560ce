// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bps.h"

#include "core/bytecompare.h"
#include "core/korvaneerror.h"
#include "core/translate.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

enum Action : std::uint64_t { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };

constexpr char kMagic[] = {'B', 'P', 'S', '1'};
constexpr std::size_t kFooterSize = 12;
// No cartridge image comes near it; a patch that claims more is refused
// before any memory is taken for it.

// Copies are found through the hash of this many bytes (shorter copies
// never pay for their offset) at every kDenseStep-th offset of a small
// source, every kSparseStep-th of a larger one, where indexing every place
// would cost more time than the copies it finds save. A copy found reaches
// back to its true start.
constexpr std::size_t kHashedBytes = 4;
constexpr std::size_t kDenseStep = 2;
constexpr std::size_t kSparseStep = 8;
constexpr std::size_t kDenseSourceSize = std::size_t{1} << 20;
// At most 4 Mi heads (16 MiB), fewer for a small source.
constexpr int kMinHashBits = 12;
constexpr int kMaxHashBits = 22;
// Candidates tried for one place, and for one place inside a run of new
// data, where hardly any candidate matches.
constexpr int kMaxCandidates = 16;
constexpr int kMaxCandidatesInNewData = 2;
// A match this long is taken without looking for a longer one.
constexpr std::size_t kGoodEnough = 256;
// Places without a match in a row before the search steps over bytes: two
// more bytes a step for every this many misses, at most kMaxStep. Steps are
// odd, so that the places tried meet every alignment of the index's even
// step, and a copy of some 130 bytes or more is found wherever it starts.
constexpr int kMissesPerStep = 64;
constexpr std::size_t kMaxStep = 15;

// A same-place run of kResumeLength bytes (or to the end) starting within
// kResumeWithin bytes: the bytes before it are taken as new data without a
// search.
constexpr std::size_t kResumeWithin = 32;
constexpr std::size_t kResumeLength = 16;

// The length of a number in the patch (putNumber).
std::size_t numberLength(std::uint64_t data)
{
    std::size_t n = 1;
    while (data >= 0x80) {
        data = (data >> 7) - 1;
        ++n;
    }
    return n;
}

void putNumber(PatchBytes& out, std::uint64_t data)
{
    for (;;) {
        const auto x = static_cast<std::uint8_t>(data & 0x7F);
        data >>= 7;
        if (data == 0) {
            out.push_back(0x80 | x);
            return;
        }
        out.push_back(x);
        --data;
    }
}

void putAction(PatchBytes& out, Action action, std::size_t length)
{
    putNumber(out, (static_cast<std::uint64_t>(length - 1) << 2) | action);
}

void putOffset(PatchBytes& out, std::int64_t relative)
{
    const auto distance = static_cast<std::uint64_t>(relative < 0 ? -relative : relative);
    putNumber(out, distance << 1 | (relative < 0 ? 1 : 0));
}

void putLittleEndian(PatchBytes& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t littleEndianAt(const PatchBytes& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

// A copy from the source: its length and where it starts.
struct Match
{
    std::size_t length = 0;
    std::size_t from = 0;
};

// Where runs of kHashedBytes bytes start in the source, at every
// kDenseStep-th or kSparseStep-th offset, by hash: the latest first, then
// earlier ones through next.
class SourceIndex
{
public:
    explicit SourceIndex(const PatchBytes& source) : mSource(source)
    {
        if (source.size() < kHashedBytes)
            return;
        mStep = source.size() <= kDenseSourceSize ? kDenseStep : kSparseStep;
        const std::size_t places = (source.size() - kHashedBytes) / mStep + 1;
        mBits = kMinHashBits;
        while (mBits < kMaxHashBits && (std::size_t{1} << mBits) < places)
            ++mBits;
        mHeads.assign(std::size_t{1} << mBits, -1);
        mNext.assign(places, -1);
        for (std::size_t i = 0; i < places; ++i) {
            std::int32_t& head = mHeads[hashAt(source.data() + i * mStep)];
            mNext[i] = head;
            head = static_cast<std::int32_t>(i);
        }
    }

    // The copy from target's at worth most, trying at most tries candidates:
    // the length it saves over new data less what its action and offset
    // cost, given the end of the last copy (relative).
    Match bestMatch(const PatchBytes& target, std::size_t at, std::int64_t relative, int tries) const
    {
        Match best;
        std::int64_t bestGain = 0;
        if (mHeads.empty() || at + kHashedBytes > target.size())
            return best;
        std::uint32_t wanted;
        std::memcpy(&wanted, target.data() + at, kHashedBytes);
        for (std::int32_t c = mHeads[hashAt(target.data() + at)]; c >= 0 && tries > 0;
             c = mNext[static_cast<std::size_t>(c)], --tries) {
            const std::size_t from = static_cast<std::size_t>(c) * mStep;
            std::uint32_t there;
            std::memcpy(&there, mSource.data() + from, kHashedBytes);
            if (there != wanted)
                continue;
            const std::size_t most = std::min(mSource.size() - from, target.size() - at);
            const std::size_t length = EqualPrefixLength(mSource.data() + from, target.data() + at, most);
            const std::int64_t gain =
                static_cast<std::int64_t>(length) - static_cast<std::int64_t>(CopyCost(length, from, relative));
            if (gain > bestGain) {
                bestGain = gain;
                best = {length, from};
                if (length >= kGoodEnough)
                    break;
            }
        }
        return best;
    }

    // What a SourceCopy of length from from costs in the patch.
    static std::size_t CopyCost(std::size_t length, std::size_t from, std::int64_t relative)
    {
        const std::int64_t offset = static_cast<std::int64_t>(from) - relative;
        const auto distance = static_cast<std::uint64_t>(offset < 0 ? -offset : offset);
        return numberLength((static_cast<std::uint64_t>(length - 1) << 2) | SourceCopy)
            + numberLength(distance << 1 | (offset < 0 ? 1 : 0));
    }

private:
    std::uint32_t hashAt(const std::uint8_t* bytes) const
    {
        std::uint32_t word;
        std::memcpy(&word, bytes, kHashedBytes);
        return static_cast<std::uint32_t>((word * 0x9E3779B1u) >> (32 - mBits));
    }

    const PatchBytes& mSource;
    std::size_t mStep = kDenseStep;
    int mBits = 0;
    std::vector<std::int32_t> mHeads;
    std::vector<std::int32_t> mNext;
};

// Reads a patch from its start to its footer.
class PatchReader
{
public:
    PatchReader(const PatchBytes& patch, std::size_t end) : mPatch(patch), mEnd(end) {}

    bool atEnd() const { return mPos >= mEnd; }

    std::uint8_t byte()
    {
        if (mPos >= mEnd)
            throw KorvaneError(Translated("Patches", "the patch is truncated"));
        return mPatch[mPos++];
    }

    std::uint64_t number()
    {
        std::uint64_t data = 0;
        std::uint64_t shift = 1;
        for (;;) {
            const std::uint8_t x = byte();
            data += (x & 0x7F) * shift;
            if (x & 0x80)
                return data;
            if (shift > (std::uint64_t{1} << 49))
                throw KorvaneError(
                    Translated("Patches", "the patch holds a number too large to be a size or an offset"));
            shift <<= 7;
            data += shift;
        }
    }

    std::size_t position() const { return mPos; }
    void skip(std::size_t count)
    {
        if (count > mEnd - mPos)
            throw KorvaneError(Translated("Patches", "the patch is truncated"));
        mPos += count;
    }

private:
    const PatchBytes& mPatch;
    std::size_t mEnd;
    std::size_t mPos = 0;
};

// Checks the magic and the patch's own CRC; returns a reader past the
// header, and fills what the header and the footer say.
PatchReader openPatch(const PatchBytes& patch, BpsInfo& info)
{
    if (patch.size() < sizeof kMagic || !std::equal(std::begin(kMagic), std::end(kMagic), patch.begin()))
        throw KorvaneError(Translated("Patches", "not a BPS patch: it does not start with \"BPS1\""));
    if (patch.size() < sizeof kMagic + 3 + kFooterSize)
        throw KorvaneError(Translated("Patches", "the patch is truncated"));
    const std::size_t footer = patch.size() - kFooterSize;
    info.sourceCrc = littleEndianAt(patch, footer);
    info.targetCrc = littleEndianAt(patch, footer + 4);
    info.patchCrc = littleEndianAt(patch, footer + 8);
    if (Crc32(patch.data(), patch.size() - 4) != info.patchCrc)
        throw KorvaneError(Translated("Patches", "the patch is corrupted or truncated: its CRC does not match"));
    PatchReader reader(patch, footer);
    reader.skip(sizeof kMagic);
    info.sourceSize = reader.number();
    info.targetSize = reader.number();
    const std::uint64_t metadataSize = reader.number();
    if (metadataSize > footer)
        throw KorvaneError(Translated("Patches", "the patch is truncated"));
    const std::size_t at = reader.position();
    reader.skip(static_cast<std::size_t>(metadataSize));
    info.metadata.assign(patch.begin() + static_cast<std::ptrdiff_t>(at), patch.begin() + static_cast<std::ptrdiff_t>(reader.position()));
    return reader;
}

} // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    // zlib takes at most a uInt at a time.
    while (size > 0) {
        const auto chunk = static_cast<uInt>(std::min<std::size_t>(size, 1u << 30));
        crc = crc32(crc, data, chunk);
        data += chunk;
        size -= chunk;
    }
    return static_cast<std::uint32_t>(crc);
}

std::string TooLargeToPatchMessage(std::uint64_t size)
{
    return Substituted(Translated("Patches", "the changed image is %1 bytes, larger than any cartridge image"),
                       {std::to_string(size)});
}

PatchBytes CreateBpsPatch(const PatchBytes& source, const PatchBytes& target, const std::string& metadata)
{
    // Never a patch that applying refuses.
    if (target.size() > kMaxBpsTargetSize)
        throw KorvaneError(TooLargeToPatchMessage(target.size()));
    PatchBytes out(std::begin(kMagic), std::end(kMagic));
    putNumber(out, source.size());
    putNumber(out, target.size());
    putNumber(out, metadata.size());
    out.insert(out.end(), metadata.begin(), metadata.end());

    // Every choice by what it costs in the patch: new data costs a byte a
    // byte (and a header where a run of it starts), a same-place run or a
    // copy the length of its numbers. A run of new data after either costs
    // one header byte more, counted against it. The index of the source is
    // made when a copy is first looked for: an image with only scattered
    // edits never needs one.
    std::optional<SourceIndex> index;
    std::int64_t sourceRelative = 0;
    std::size_t literal = 0; // start of the new data not yet written out
    const auto flushLiteral = [&](std::size_t end) {
        if (end > literal) {
            putAction(out, TargetRead, end - literal);
            out.insert(out.end(), target.begin() + static_cast<std::ptrdiff_t>(literal),
                       target.begin() + static_cast<std::ptrdiff_t>(end));
        }
    };
    const std::size_t common = std::min(source.size(), target.size());
    // Where a same-place run worth taking starts soon after at, or 0. Each
    // place is looked at once: checked is where no run was found before.
    std::size_t checked = 0;
    const auto resumeAt = [&](std::size_t at) -> std::size_t {
        for (std::size_t k = std::max(at + 1, checked); k <= at + kResumeWithin && k < common; ++k) {
            const std::size_t want = std::min(kResumeLength, target.size() - k);
            if (k + want <= common && EqualPrefixLength(source.data() + k, target.data() + k, want) == want) {
                checked = k;
                return k;
            }
            checked = k + 1;
        }
        return 0;
    };
    int misses = 0;
    std::size_t t = 0;
    while (t < target.size()) {
        // The same place of the source, reaching back into new data not yet
        // written (the search may have stepped over its start).
        std::size_t same = t < common ? EqualPrefixLength(source.data() + t, target.data() + t, common - t) : 0;
        if (same > 0) {
            std::size_t start = t;
            while (start > literal && source[start - 1] == target[start - 1])
                --start;
            same += t - start;
            const std::size_t end = start + same;
            const std::size_t cost =
                numberLength((static_cast<std::uint64_t>(same - 1) << 2) | SourceRead) + (end < target.size() ? 1 : 0);
            if (same > cost || end == target.size()) {
                flushLiteral(start);
                putAction(out, SourceRead, same);
                t = literal = end;
                misses /= 2;
                continue;
            }
        }
        // A few changed bytes before the same place goes on: new data.
        // (Deep in new data the stepping search finds the end by itself.)
        if (const std::size_t resume = misses > kMissesPerStep ? 0 : resumeAt(t); resume != 0) {
            // On to the next byte that is the same (a short run before the
            // long one may still pay).
            ++t;
            while (t < resume && source[t] != target[t])
                ++t;
            continue;
        }
        // Elsewhere in the source, also reaching back.
        if (!index)
            index.emplace(source);
        Match match = index->bestMatch(target, t, sourceRelative,
                                       misses > kMissesPerStep ? kMaxCandidatesInNewData : kMaxCandidates);
        if (match.length > 0) {
            std::size_t start = t;
            while (start > literal && match.from > 0 && source[match.from - 1] == target[start - 1]) {
                --start;
                --match.from;
                ++match.length;
            }
            const std::size_t end = start + match.length;
            const std::size_t cost =
                SourceIndex::CopyCost(match.length, match.from, sourceRelative) + (end < target.size() ? 1 : 0);
            if (match.length > cost) {
                flushLiteral(start);
                putAction(out, SourceCopy, match.length);
                putOffset(out, static_cast<std::int64_t>(match.from) - sourceRelative);
                sourceRelative = static_cast<std::int64_t>(match.from + match.length);
                t = literal = end;
                misses /= 2;
                continue;
            }
        }
        // New data: the longer it runs, the more bytes each try steps over.
        ++misses;
        t += std::min<std::size_t>(kMaxStep, 1 + 2 * static_cast<std::size_t>(misses / kMissesPerStep));
    }
    flushLiteral(target.size());

    putLittleEndian(out, Crc32(source.data(), source.size()));
    putLittleEndian(out, Crc32(target.data(), target.size()));
    putLittleEndian(out, Crc32(out.data(), out.size()));
    return out;
}

BpsInfo ReadBpsInfo(const PatchBytes& patch)
{
    BpsInfo info;
    PatchReader reader = openPatch(patch, info);
    while (!reader.atEnd()) {
        const std::uint64_t data = reader.number();
        const std::uint64_t length = (data >> 2) + 1;
        if ((data & 3) == TargetRead)
            reader.skip(static_cast<std::size_t>(std::min<std::uint64_t>(length, patch.size())));
        else if ((data & 3) != SourceRead)
            reader.number();
        ++info.actions;
    }
    return info;
}

PatchBytes ApplyBpsPatch(const PatchBytes& patch, const PatchBytes& source)
{
    BpsInfo info;
    PatchReader reader = openPatch(patch, info);
    if (info.sourceSize != source.size())
        throw KorvaneError(
            Substituted(Translated("Patches", "the original is %1 bytes, the patch is for one of %2 bytes"),
                        {std::to_string(source.size()), std::to_string(info.sourceSize)}));
    if (Crc32(source.data(), source.size()) != info.sourceCrc)
        throw KorvaneError(
            Translated("Patches", "the original is not the image the patch was made for: its CRC does not match"));
    if (info.targetSize > kMaxBpsTargetSize)
        throw KorvaneError(
            Substituted(Translated("Patches", "the patch makes an image of %1 bytes, larger than any cartridge image"),
                        {std::to_string(info.targetSize)}));

    PatchBytes target(static_cast<std::size_t>(info.targetSize));
    std::size_t output = 0;
    std::int64_t sourceRelative = 0;
    std::int64_t targetRelative = 0;
    const auto relative = [&reader] {
        const std::uint64_t data = reader.number();
        const auto distance = static_cast<std::int64_t>(data >> 1);
        return (data & 1) ? -distance : distance;
    };
    while (!reader.atEnd()) {
        const std::uint64_t data = reader.number();
        const std::uint64_t length = (data >> 2) + 1;
        if (length > target.size() - output)
            throw KorvaneError(
                Translated("Patches", "an action of the patch writes past the end of the target it states"));
        const auto n = static_cast<std::size_t>(length);
        switch (data & 3) {
        case SourceRead:
            if (output + n > source.size())
                throw KorvaneError(Translated("Patches", "an action of the patch reads past the end of the original"));
            std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(output), n,
                        target.begin() + static_cast<std::ptrdiff_t>(output));
            break;
        case TargetRead: {
            const std::size_t at = reader.position();
            reader.skip(n);
            std::copy_n(patch.begin() + static_cast<std::ptrdiff_t>(at), n,
                        target.begin() + static_cast<std::ptrdiff_t>(output));
            break;
        }
        case SourceCopy:
            sourceRelative += relative();
            if (sourceRelative < 0 || static_cast<std::uint64_t>(sourceRelative) + n > source.size())
                throw KorvaneError(Translated("Patches", "an action of the patch reads past the end of the original"));
            std::copy_n(source.begin() + sourceRelative, n, target.begin() + static_cast<std::ptrdiff_t>(output));
            sourceRelative += static_cast<std::int64_t>(n);
            break;
        case TargetCopy:
            targetRelative += relative();
            // Byte by byte: the copy may read what it has just written.
            if (targetRelative < 0 || static_cast<std::uint64_t>(targetRelative) >= output)
                throw KorvaneError(
                    Translated("Patches", "an action of the patch reads past the end of the target made so far"));
            for (std::size_t i = 0; i < n; ++i)
                target[output + i] = target[static_cast<std::size_t>(targetRelative) + i];
            targetRelative += static_cast<std::int64_t>(n);
            break;
        }
        output += n;
    }
    if (output != target.size())
        throw KorvaneError(Substituted(Translated("Patches", "the patch makes %1 bytes, not the %2 it states"),
                                       {std::to_string(output), std::to_string(target.size())}));
    if (Crc32(target.data(), target.size()) != info.targetCrc)
        throw KorvaneError(Translated("Patches", "the result does not match the patch's target CRC"));
    return target;
}
