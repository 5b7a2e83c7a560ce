// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bps.h"

#include "core/korvaneerror.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace {

enum Action : std::uint64_t { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };

constexpr char kMagic[] = {'B', 'P', 'S', '1'};
constexpr std::size_t kFooterSize = 12;
// No cartridge image comes near it; a patch that claims more is refused
// before any memory is taken for it.

// Runs shorter than this at the same place are cheaper as new data.
constexpr std::size_t kMinSourceRead = 4;
// Copies are found through the hash of this many bytes.
constexpr std::size_t kHashedBytes = 8;
constexpr int kHashBits = 20;
constexpr int kMaxCandidates = 32;

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

std::uint32_t hashAt(const std::uint8_t* bytes)
{
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, kHashedBytes);
    return static_cast<std::uint32_t>((word * 0x9E3779B97F4A7C15ull) >> (64 - kHashBits));
}

std::size_t matchLength(const std::uint8_t* a, const std::uint8_t* b, std::size_t most)
{
    std::size_t n = 0;
    while (n < most && a[n] == b[n])
        ++n;
    return n;
}

// Where each run of kHashedBytes bytes of the source starts, by hash: the
// latest first, then earlier ones through next.
class SourceIndex
{
public:
    explicit SourceIndex(const PatchBytes& source) : mSource(source)
    {
        if (source.size() < kHashedBytes)
            return;
        mHeads.assign(std::size_t{1} << kHashBits, -1);
        mNext.assign(source.size() - kHashedBytes + 1, -1);
        for (std::size_t i = 0; i < mNext.size(); ++i) {
            std::int32_t& head = mHeads[hashAt(source.data() + i)];
            mNext[i] = head;
            head = static_cast<std::int32_t>(i);
        }
    }

    // The longest run of the source that target from at matches, if any.
    std::pair<std::size_t, std::size_t> longestMatch(const PatchBytes& target, std::size_t at) const
    {
        std::size_t best = 0;
        std::size_t bestAt = 0;
        if (mHeads.empty() || at + kHashedBytes > target.size())
            return {0, 0};
        int tried = 0;
        for (std::int32_t c = mHeads[hashAt(target.data() + at)]; c >= 0 && tried < kMaxCandidates;
             c = mNext[static_cast<std::size_t>(c)], ++tried) {
            const auto from = static_cast<std::size_t>(c);
            const std::size_t most = std::min(mSource.size() - from, target.size() - at);
            const std::size_t length = matchLength(mSource.data() + from, target.data() + at, most);
            if (length > best) {
                best = length;
                bestAt = from;
            }
        }
        return {best, bestAt};
    }

private:
    const PatchBytes& mSource;
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
            throw KorvaneError("the patch is truncated");
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
                throw KorvaneError("the patch holds a number too large to be a size or an offset");
            shift <<= 7;
            data += shift;
        }
    }

    std::size_t position() const { return mPos; }
    void skip(std::size_t count)
    {
        if (count > mEnd - mPos)
            throw KorvaneError("the patch is truncated");
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
        throw KorvaneError("not a BPS patch: it does not start with \"BPS1\"");
    if (patch.size() < sizeof kMagic + 3 + kFooterSize)
        throw KorvaneError("the patch is truncated");
    const std::size_t footer = patch.size() - kFooterSize;
    info.sourceCrc = littleEndianAt(patch, footer);
    info.targetCrc = littleEndianAt(patch, footer + 4);
    info.patchCrc = littleEndianAt(patch, footer + 8);
    if (Crc32(patch.data(), patch.size() - 4) != info.patchCrc)
        throw KorvaneError("the patch is corrupted or truncated: its CRC does not match");
    PatchReader reader(patch, footer);
    reader.skip(sizeof kMagic);
    info.sourceSize = reader.number();
    info.targetSize = reader.number();
    const std::uint64_t metadataSize = reader.number();
    if (metadataSize > footer)
        throw KorvaneError("the patch is truncated");
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
    return "the changed image is " + std::to_string(size) + " bytes, larger than any cartridge image";
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

    const SourceIndex index(source);
    std::int64_t sourceRelative = 0;
    std::size_t literal = 0; // start of the new data not yet written out
    const auto flushLiteral = [&](std::size_t end) {
        if (end > literal) {
            putAction(out, TargetRead, end - literal);
            out.insert(out.end(), target.begin() + static_cast<std::ptrdiff_t>(literal),
                       target.begin() + static_cast<std::ptrdiff_t>(end));
        }
    };
    std::size_t t = 0;
    while (t < target.size()) {
        // The same place of the source.
        const std::size_t same =
            t < source.size() ? matchLength(source.data() + t, target.data() + t, std::min(source.size(), target.size()) - t) : 0;
        if (same >= kMinSourceRead || (same > 0 && t + same == target.size())) {
            flushLiteral(t);
            putAction(out, SourceRead, same);
            t += same;
            literal = t;
            continue;
        }
        // Elsewhere in the source.
        const auto [length, from] = index.longestMatch(target, t);
        if (length >= kHashedBytes) {
            flushLiteral(t);
            putAction(out, SourceCopy, length);
            putOffset(out, static_cast<std::int64_t>(from) - sourceRelative);
            sourceRelative = static_cast<std::int64_t>(from + length);
            t += length;
            literal = t;
            continue;
        }
        ++t;
    }
    flushLiteral(t);

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
        throw KorvaneError("the original is " + std::to_string(source.size()) + " bytes, the patch is for one of "
                           + std::to_string(info.sourceSize) + " bytes");
    if (Crc32(source.data(), source.size()) != info.sourceCrc)
        throw KorvaneError("the original is not the image the patch was made for: its CRC does not match");
    if (info.targetSize > kMaxBpsTargetSize)
        throw KorvaneError("the patch makes an image of " + std::to_string(info.targetSize)
                           + " bytes, larger than any cartridge image");

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
            throw KorvaneError("an action of the patch writes past the end of the target it states");
        const auto n = static_cast<std::size_t>(length);
        switch (data & 3) {
        case SourceRead:
            if (output + n > source.size())
                throw KorvaneError("an action of the patch reads past the end of the original");
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
                throw KorvaneError("an action of the patch reads past the end of the original");
            std::copy_n(source.begin() + sourceRelative, n, target.begin() + static_cast<std::ptrdiff_t>(output));
            sourceRelative += static_cast<std::int64_t>(n);
            break;
        case TargetCopy:
            targetRelative += relative();
            // Byte by byte: the copy may read what it has just written.
            if (targetRelative < 0 || static_cast<std::uint64_t>(targetRelative) >= output)
                throw KorvaneError("an action of the patch reads past the end of the target made so far");
            for (std::size_t i = 0; i < n; ++i)
                target[output + i] = target[static_cast<std::size_t>(targetRelative) + i];
            targetRelative += static_cast<std::int64_t>(n);
            break;
        }
        output += n;
    }
    if (output != target.size())
        throw KorvaneError("the patch makes " + std::to_string(output) + " bytes, not the "
                           + std::to_string(target.size()) + " it states");
    if (Crc32(target.data(), target.size()) != info.targetCrc)
        throw KorvaneError("the result does not match the patch's target CRC");
    return target;
}
