// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ips.h"

#include "core/bytecompare.h"
#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "core/translate.h"

#include <algorithm>
#include <vector>

namespace {

constexpr char kMagic[] = {'P', 'A', 'T', 'C', 'H'};
constexpr std::uint32_t kEof = 0x454F46; // "EOF"
constexpr std::uint32_t kMaxOffset = 0xFFFFFF;
constexpr std::uint32_t kLimit = 0x1000000; // 16 MiB
constexpr std::size_t kMaxRecord = 0xFFFF;
// A new record costs its 5-byte head: gaps up to this are cheaper written.
constexpr std::size_t kMergeGap = 5;
// A run of one byte is cheaper as a run record (8 bytes) from this length.
constexpr std::size_t kMinRun = 9;

struct Piece
{
    std::uint32_t offset;
    std::size_t size;
    bool run; // size copies of the byte at offset
};

void put(PatchBytes& out, std::uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::size_t runLength(const PatchBytes& target, std::size_t at, std::size_t end)
{
    std::size_t n = 1;
    while (at + n < end && target[at + n] == target[at] && n < kMaxRecord)
        ++n;
    return n;
}

// The pieces that write target[begin, end): runs of one byte as run
// records, the rest in records of at most kMaxRecord bytes.
void addPieces(const PatchBytes& target, std::size_t begin, std::size_t end, std::vector<Piece>& pieces)
{
    std::size_t plain = begin;
    std::size_t at = begin;
    const auto flush = [&](std::size_t to) {
        for (std::size_t from = plain; from < to; from += kMaxRecord)
            pieces.push_back({static_cast<std::uint32_t>(from), std::min(kMaxRecord, to - from), false});
    };
    while (at < end) {
        const std::size_t run = runLength(target, at, end);
        if (run >= kMinRun) {
            flush(at);
            pieces.push_back({static_cast<std::uint32_t>(at), run, true});
            at += run;
            plain = at;
        } else {
            at += run;
        }
    }
    flush(end);
}

class IpsReader
{
public:
    explicit IpsReader(const PatchBytes& patch) : mPatch(patch)
    {
        if (patch.size() < sizeof kMagic || !std::equal(std::begin(kMagic), std::end(kMagic), patch.begin()))
            throw KorvaneError(Translated("Patches", "not an IPS patch: it does not start with \"PATCH\""));
        mPos = sizeof kMagic;
    }

    std::uint32_t number(int bytes)
    {
        if (mPatch.size() - mPos < static_cast<std::size_t>(bytes))
            throw KorvaneError(Translated("Patches", "the patch is truncated"));
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value = value << 8 | mPatch[mPos++];
        return value;
    }

    std::size_t remaining() const { return mPatch.size() - mPos; }
    std::size_t position() const { return mPos; }
    void skip(std::size_t count)
    {
        if (remaining() < count)
            throw KorvaneError(Translated("Patches", "the patch is truncated"));
        mPos += count;
    }

private:
    const PatchBytes& mPatch;
    std::size_t mPos = 0;
};

// Calls record(offset, size, run, dataAt) for every record, in order, and
// returns the length after "EOF", if any.
template <typename Record>
std::optional<std::uint32_t> readRecords(const PatchBytes& patch, Record&& record)
{
    IpsReader reader(patch);
    for (;;) {
        const std::uint32_t offset = reader.number(3);
        if (offset == kEof)
            break;
        std::uint32_t size = reader.number(2);
        const bool run = size == 0;
        if (run)
            size = reader.number(2);
        if (run && size == 0)
            throw KorvaneError(Translated("Patches", "a run record of the patch repeats its byte 0 times"));
        const std::size_t at = reader.position();
        reader.skip(run ? 1 : size);
        if (offset + size > kLimit)
            throw KorvaneError(
                Translated("Patches", "a record of the patch reaches past 16 MiB, which IPS cannot address"));
        record(offset, size, run, at);
    }
    if (reader.remaining() == 0)
        return std::nullopt;
    if (reader.remaining() != 3)
        throw KorvaneError(Translated("Patches", "the patch holds unexpected bytes after its \"EOF\""));
    return reader.number(3);
}

} // namespace

PatchBytes CreateIpsPatch(const PatchBytes& source, const PatchBytes& target)
{
    const auto differs = [&](std::size_t i) { return i >= source.size() || source[i] != target[i]; };
    // Runs of changed bytes, joined across short gaps.
    std::vector<std::pair<std::size_t, std::size_t>> regions;
    const std::size_t common = std::min(source.size(), target.size());
    for (std::size_t i = 0; i < target.size(); ++i) {
        if (i < common)
            i += EqualPrefixLength(source.data() + i, target.data() + i, common - i);
        if (i >= target.size())
            break;
        std::size_t end = i + 1;
        while (end < target.size() && differs(end))
            ++end;
        if (!regions.empty() && i - regions.back().second <= kMergeGap)
            regions.back().second = end;
        else
            regions.push_back({i, end});
        i = end;
    }
    // A longer target must reach its last byte, or it would come out short.
    if (target.size() > source.size() && (regions.empty() || regions.back().second != target.size()))
        regions.push_back({target.size() - 1, target.size()});
    if (!regions.empty() && regions.back().second > kLimit)
        throw KorvaneError(
            Substituted(Translated("Patches", "a change at %1 lies past 16 MiB, which IPS cannot address; use BPS"),
                        {HexStr(static_cast<std::uint32_t>(std::max<std::size_t>(regions.back().first, kLimit)), 6)}));
    if (target.size() < source.size() && target.size() > kMaxOffset)
        throw KorvaneError(Translated("Patches", "the changed image is longer than an IPS patch can state; use BPS"));

    std::vector<Piece> pieces;
    for (const auto& [begin, end] : regions)
        addPieces(target, begin, end, pieces);

    PatchBytes out(std::begin(kMagic), std::end(kMagic));
    for (Piece piece : pieces) {
        // A record at "EOF" would end the patch: its first byte goes into a
        // record that starts a byte earlier.
        if (piece.offset == kEof) {
            put(out, kEof - 1, 3);
            put(out, 2, 2);
            out.push_back(target[kEof - 1]);
            out.push_back(target[kEof]);
            if (--piece.size == 0)
                continue;
            piece.offset = kEof + 1;
        }
        put(out, piece.offset, 3);
        if (piece.run) {
            put(out, 0, 2);
            put(out, static_cast<std::uint32_t>(piece.size), 2);
            out.push_back(target[piece.offset]);
        } else {
            put(out, static_cast<std::uint32_t>(piece.size), 2);
            out.insert(out.end(), target.begin() + piece.offset, target.begin() + piece.offset + static_cast<std::ptrdiff_t>(piece.size));
        }
    }
    out.insert(out.end(), {'E', 'O', 'F'});
    if (target.size() < source.size())
        put(out, static_cast<std::uint32_t>(target.size()), 3);
    return out;
}

IpsInfo ReadIpsInfo(const PatchBytes& patch)
{
    IpsInfo info;
    info.truncate = readRecords(patch, [&info](std::uint32_t offset, std::uint32_t size, bool run, std::size_t) {
        ++info.records;
        if (run)
            ++info.runRecords;
        info.end = std::max(info.end, offset + size);
    });
    return info;
}

PatchBytes ApplyIpsPatch(const PatchBytes& patch, const PatchBytes& source)
{
    // What the records reach and how many bytes they write in all: a run
    // record of 8 bytes writes up to 64 KiB, so records that overlap can
    // write far more than the image holds.
    std::uint64_t written = 0;
    std::size_t end = source.size();
    std::size_t records = 0;
    const std::optional<std::uint32_t> truncate =
        readRecords(patch, [&](std::uint32_t offset, std::uint32_t size, bool, std::size_t) {
            written += size;
            end = std::max<std::size_t>(end, offset + size);
            ++records;
        });
    PatchBytes target = source;
    target.resize(end, 0);
    // Bytes from to to of a record at offset whose data (or run byte) lies at
    // at of the patch.
    const auto fill = [&](std::uint32_t offset, bool run, std::size_t at, std::size_t from, std::size_t to) {
        if (run)
            std::fill(target.begin() + static_cast<std::ptrdiff_t>(from),
                      target.begin() + static_cast<std::ptrdiff_t>(to), patch[at]);
        else
            std::copy(patch.begin() + static_cast<std::ptrdiff_t>(at + (from - offset)),
                      patch.begin() + static_cast<std::ptrdiff_t>(at + (to - offset)),
                      target.begin() + static_cast<std::ptrdiff_t>(from));
    };
    if (written <= 4 * std::max<std::uint64_t>(end, std::uint64_t{1} << 20) + patch.size()) {
        readRecords(patch, [&](std::uint32_t offset, std::uint32_t size, bool run, std::size_t at) {
            fill(offset, run, at, offset, offset + std::size_t{size});
        });
    } else {
        // The records from last to first, each writing only the bytes no
        // later record wrote: every byte is written once. nextFree[p] leads
        // to the first byte at or after p not yet written (path halving).
        std::vector<std::uint32_t> starts;
        starts.reserve(records);
        readRecords(patch, [&](std::uint32_t, std::uint32_t, bool run, std::size_t at) {
            starts.push_back(static_cast<std::uint32_t>(at - (run ? 7 : 5)));
        });
        std::vector<std::uint32_t> nextFree(end + 1);
        for (std::size_t p = 0; p <= end; ++p)
            nextFree[p] = static_cast<std::uint32_t>(p);
        const auto find = [&nextFree](std::uint32_t p) {
            while (nextFree[p] != p) {
                nextFree[p] = nextFree[nextFree[p]];
                p = nextFree[p];
            }
            return p;
        };
        const auto number = [&patch](std::size_t at, int bytes) {
            std::uint32_t value = 0;
            for (int k = 0; k < bytes; ++k)
                value = value << 8 | patch[at + static_cast<std::size_t>(k)];
            return value;
        };
        for (auto it = starts.rbegin(); it != starts.rend(); ++it) {
            const std::uint32_t offset = number(*it, 3);
            std::uint32_t size = number(*it + 3, 2);
            const bool run = size == 0;
            if (run)
                size = number(*it + 5, 2);
            const std::size_t at = *it + (run ? 7 : 5);
            const std::uint32_t stop = offset + size;
            for (std::uint32_t p = find(offset); p < stop; p = find(p)) {
                std::uint32_t q = p;
                while (q < stop && nextFree[q] == q)
                    ++q;
                fill(offset, run, at, p, q);
                for (std::uint32_t k = p; k < q; ++k)
                    nextFree[k] = q;
            }
        }
    }
    // A truncation only shortens.
    if (truncate && *truncate < target.size())
        target.resize(*truncate);
    return target;
}
