// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bps.h"
#include "core/ips.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

PatchBytes bytes(std::initializer_list<int> values)
{
    PatchBytes out;
    for (const int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

PatchBytes text(const std::string& s)
{
    return {s.begin(), s.end()};
}

PatchBytes randomImage(std::mt19937& rng, std::size_t size)
{
    PatchBytes image(size);
    for (std::uint8_t& b : image)
        b = static_cast<std::uint8_t>(rng());
    return image;
}

// A change of an original image and what it must cost.
struct Change
{
    const char* label;
    std::size_t size;
    std::function<PatchBytes(const PatchBytes& original, std::mt19937& rng)> change;
    std::size_t bpsAtMost; // bytes of the BPS patch
    bool ips;              // IPS can hold it
};

const std::vector<Change>& changes()
{
    static const std::vector<Change> all = {
        {"scattered bytes, same size", 0x10000,
         [](const PatchBytes& o, std::mt19937& rng) {
             PatchBytes t = o;
             for (int i = 0; i < 100; ++i)
                 t[rng() % t.size()] ^= 0x5A;
             return t;
         },
         600, true},
        {"longer target", 0x10000,
         [](const PatchBytes& o, std::mt19937& rng) {
             PatchBytes t = o;
             const PatchBytes tail = randomImage(rng, 300);
             t.insert(t.end(), tail.begin(), tail.end());
             t.push_back(0); // a zero last byte must still be written
             return t;
         },
         400, true},
        {"shorter target", 0x10000,
         [](const PatchBytes& o, std::mt19937&) { return PatchBytes(o.begin(), o.begin() + 0x8000); }, 40, true},
        {"first byte", 0x1000,
         [](const PatchBytes& o, std::mt19937&) {
             PatchBytes t = o;
             t[0] ^= 0xFF;
             return t;
         },
         40, true},
        {"last byte", 0x1000,
         [](const PatchBytes& o, std::mt19937&) {
             PatchBytes t = o;
             t.back() ^= 0xFF;
             return t;
         },
         40, true},
        {"at \"EOF\", 0x454F46", 0x454F50,
         [](const PatchBytes& o, std::mt19937&) {
             PatchBytes t = o;
             t[0x454F46] ^= 0xFF;
             std::fill_n(t.begin() + 0x454F48, 8, 0x11); // and a run just after
             return t;
         },
         60, true},
        {"a run at \"EOF\"", 0x454F80,
         [](const PatchBytes& o, std::mt19937&) {
             PatchBytes t = o;
             std::fill_n(t.begin() + 0x454F46, 0x20, 0xAB);
             return t;
         },
         80, true},
        // A 4 KiB block moved: a copy for BPS, not new data.
        {"block moved", 0x10000,
         [](const PatchBytes& o, std::mt19937&) {
             PatchBytes t = o;
             std::copy_n(o.begin() + 0x2000, 0x1000, t.begin() + 0x8000);
             return t;
         },
         60, true},
        // The benchmark's cases, small.
        {"a tenth changed in runs", 0x10000,
         [](const PatchBytes& o, std::mt19937& rng) {
             PatchBytes t = o;
             for (int run = 0; run < 100; ++run) {
                 const std::size_t at = rng() % (t.size() - 64);
                 for (std::size_t k = 0; k < 64; ++k)
                     t[at + k] = static_cast<std::uint8_t>(rng());
             }
             return t;
         },
         6800, true},
        {"grown to twice with new data", 0x10000,
         [](const PatchBytes& o, std::mt19937& rng) {
             PatchBytes t = o;
             const PatchBytes tail = randomImage(rng, 0x10000);
             t.insert(t.end(), tail.begin(), tail.end());
             return t;
         },
         0x10000 + 40, true},
        {"edits and a block moved", 0x10000,
         [](const PatchBytes& o, std::mt19937& rng) {
             PatchBytes t = o;
             std::copy_n(o.begin() + 0x1000, 0x1000, t.begin() + 0x9000);
             for (int i = 0; i < 50; ++i)
                 t[rng() % t.size()] ^= 0x33;
             return t;
         },
         400, true},
        // Deep in new data the search steps over bytes; a block copied
        // from an offset of any alignment is still found.
        {"a block after 1 MiB of new data", 0x200000,
         [](const PatchBytes& o, std::mt19937& rng) {
             PatchBytes t = randomImage(rng, 0x110000);
             std::copy_n(o.begin() + 0x12345, 0x10000, t.begin() + 0x100000);
             return t;
         },
         0x100000 + 400, true},
        {"past 16 MiB", 0x1000010,
         [](const PatchBytes& o, std::mt19937&) {
             PatchBytes t = o;
             t[0x1000004] ^= 1;
             return t;
         },
         60, false},
    };
    return all;
}

// Create then apply gives the changed image byte for byte, in both formats.
TEST(Patches, RoundTripsOfEveryKindOfChange)
{
    for (const Change& c : changes()) {
        SCOPED_TRACE(c.label);
        std::mt19937 rng(static_cast<std::uint32_t>(c.size));
        const PatchBytes original = randomImage(rng, c.size);
        const PatchBytes target = c.change(original, rng);

        const PatchBytes bps = CreateBpsPatch(original, target);
        EXPECT_LE(bps.size(), c.bpsAtMost);
        EXPECT_EQ(ApplyBpsPatch(bps, original), target);

        if (c.ips) {
            const PatchBytes ips = CreateIpsPatch(original, target);
            EXPECT_EQ(ApplyIpsPatch(ips, original), target);
        } else {
            EXPECT_EQ(ErrorOf([&] { CreateIpsPatch(original, target); }),
                      "a change at 1000004 lies past 16 MiB, which IPS cannot address; use BPS");
        }
    }
}

// Patches written out by hand from the formats' descriptions.
TEST(Patches, HandAssembledPatches)
{
    // Every BPS action: SourceRead "AB", TargetRead "xy", SourceCopy "EF"
    // (+4) and "CD" (-4), TargetCopy "CDCD" (+6, reading what it writes).
    const PatchBytes bps = bytes({0x42, 0x50, 0x53, 0x31, 0x88, 0x8c, 0x80, 0x84, 0x85, 0x78, 0x79, 0x86, 0x88, 0x86,
                                  0x89, 0x8f, 0x8c, 0x1c, 0xb6, 0xdc, 0x68, 0x3d, 0x6c, 0x67, 0xd1, 0x4b, 0x6b, 0x09,
                                  0x74});
    EXPECT_EQ(ApplyBpsPatch(bps, text("ABCDEFGH")), text("ABxyEFCDCDCD"));
    const BpsInfo info = ReadBpsInfo(bps);
    EXPECT_EQ(info.sourceSize, 8u);
    EXPECT_EQ(info.targetSize, 12u);
    EXPECT_EQ(info.actions, 5u);
    EXPECT_EQ(info.sourceCrc, 0x68dcb61cu);

    // One changed byte: SourceRead 40, TargetRead 1, SourceRead 23.
    PatchBytes source(64);
    for (std::size_t i = 0; i < source.size(); ++i)
        source[i] = static_cast<std::uint8_t>(i);
    PatchBytes target = source;
    target[40] = 0xFF;
    EXPECT_EQ(CreateBpsPatch(source, target),
              bytes({0x42, 0x50, 0x53, 0x31, 0xc0, 0xc0, 0x80, 0x1c, 0x80, 0x81, 0xff, 0xd8, 0x8c, 0xce, 0x0e, 0x10,
                     0x19, 0x89, 0x18, 0x35, 0xbb, 0x3c, 0x55, 0x78}));

    // IPS: a record of two bytes at 1, a run of four 0x77 at 6, "EOF", the
    // length 9.
    const PatchBytes ips = bytes({'P', 'A', 'T', 'C', 'H', 0, 0, 1, 0, 2, 'x', 'y', 0, 0, 6, 0, 0, 0, 4, 0x77,
                                  'E', 'O', 'F', 0, 0, 9});
    EXPECT_EQ(ApplyIpsPatch(ips, text("ABCDEFGHIJKL")), text("AxyDEFwww"));
    const IpsInfo ipsInfo = ReadIpsInfo(ips);
    EXPECT_EQ(ipsInfo.records, 2u);
    EXPECT_EQ(ipsInfo.runRecords, 1u);
    EXPECT_EQ(ipsInfo.truncate, 9u);
    // A truncation past the end only shortens: it never grows the image.
    EXPECT_EQ(ApplyIpsPatch(bytes({'P', 'A', 'T', 'C', 'H', 'E', 'O', 'F', 0xFF, 0xFF, 0xFF}), text("ABC")), text("ABC"));
    // A changed byte, then a run of ten, written as a record and a run.
    PatchBytes changed = text("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    PatchBytes wanted = changed;
    wanted[2] = 'c';
    std::fill_n(wanted.begin() + 10, 10, '-');
    EXPECT_EQ(CreateIpsPatch(changed, wanted), bytes({'P', 'A', 'T', 'C', 'H', 0, 0, 2, 0, 1, 'c', 0, 0, 10, 0, 0, 0,
                                                      10, '-', 'E', 'O', 'F'}));
}

// Bad patches are refused with a reason, never half applied.
TEST(Patches, BadPatchesAreRefused)
{
    const PatchBytes original = text("ABCDEFGH");
    PatchBytes target = original;
    target[3] = 'x';
    const PatchBytes bps = CreateBpsPatch(original, target);
    const auto refuse = [](const PatchBytes& patch, const PatchBytes& source) {
        return ErrorOf([&] { ApplyBpsPatch(patch, source); });
    };
    PatchBytes corrupted = bps;
    corrupted[8] ^= 1;
    PatchBytes wrongMagic = bps;
    wrongMagic[3] = '2';
    struct Row
    {
        const char* label;
        std::string error;
        std::string expected;
    };
    // Patches whose CRCs are right but whose actions are not.
    const PatchBytes zeros(8);
    const auto sealed = [&zeros](PatchBytes patch) {
        for (const std::uint32_t crc : {Crc32(zeros.data(), zeros.size()), 0u}) {
            for (int i = 0; i < 4; ++i)
                patch.push_back(static_cast<std::uint8_t>(crc >> (8 * i)));
        }
        const std::uint32_t crc = Crc32(patch.data(), patch.size());
        for (int i = 0; i < 4; ++i)
            patch.push_back(static_cast<std::uint8_t>(crc >> (8 * i)));
        return patch;
    };
    // SourceRead of 9 bytes from an 8-byte original into a 9-byte target.
    const PatchBytes pastSource = sealed(bytes({'B', 'P', 'S', '1', 0x88, 0x89, 0x80, 0xa0}));
    // TargetRead of 2 bytes into the 1-byte target it states.
    const PatchBytes pastTarget = sealed(bytes({'B', 'P', 'S', '1', 0x88, 0x81, 0x80, 0x85, 'x', 'y'}));
    // One byte made of the 3 it states.
    const PatchBytes shortTarget = sealed(bytes({'B', 'P', 'S', '1', 0x88, 0x83, 0x80, 0x80}));
    const Row rows[] = {
        {"truncated", refuse(PatchBytes(bps.begin(), bps.end() - 1), original),
         "the patch is corrupted or truncated: its CRC does not match"},
        {"wrong magic", refuse(wrongMagic, original), "not a BPS patch: it does not start with \"BPS1\""},
        {"corrupted", refuse(corrupted, original), "the patch is corrupted or truncated: its CRC does not match"},
        {"wrong original", refuse(bps, text("ABCDEFGX")),
         "the original is not the image the patch was made for: its CRC does not match"},
        {"original of another size", refuse(bps, text("ABCDEFG")),
         "the original is 7 bytes, the patch is for one of 8 bytes"},
        {"reads past the source", refuse(pastSource, zeros), "an action of the patch reads past the end of the original"},
        {"larger target than stated", refuse(pastTarget, zeros),
         "an action of the patch writes past the end of the target it states"},
        {"shorter target than stated", refuse(shortTarget, zeros), "the patch makes 1 bytes, not the 3 it states"},
        {"IPS magic", ErrorOf([&] { ApplyIpsPatch(text("PATCX"), original); }),
         "not an IPS patch: it does not start with \"PATCH\""},
        {"IPS truncated", ErrorOf([&] { ApplyIpsPatch(bytes({'P', 'A', 'T', 'C', 'H', 0, 0, 1, 0, 4, 'x'}), original); }),
         "the patch is truncated"},
        {"IPS without EOF", ErrorOf([&] { ApplyIpsPatch(text("PATCH"), original); }), "the patch is truncated"},
        {"IPS past 16 MiB",
         ErrorOf([&] { ApplyIpsPatch(bytes({'P', 'A', 'T', 'C', 'H', 0xFF, 0xFF, 0xFF, 0, 0, 0, 2, 0, 'E', 'O', 'F'}), original); }),
         "a record of the patch reaches past 16 MiB, which IPS cannot address"},
        {"IPS run of no bytes far out",
         ErrorOf([&] { ApplyIpsPatch(bytes({'P', 'A', 'T', 'C', 'H', 0xFF, 0, 0, 0, 0, 0, 0, 0, 'E', 'O', 'F'}), original); }),
         "a run record of the patch repeats its byte 0 times"},
        {"BPS target larger than any image", ErrorOf([] { CreateBpsPatch({}, PatchBytes((256u << 20) + 1)); }),
         "the changed image is 268435457 bytes, larger than any cartridge image"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(row.error, row.expected);
    }
}

} // namespace

// Records that overlap over and over (runs of 64 KiB, records of data
// between them, far more bytes written than the image holds) end as
// writing every record in order would leave the image.
TEST(IpsPatch, OverlappingRecordsEndAsWrittenInOrder)
{
    std::mt19937 random(7);
    PatchBytes patch = text("PATCH");
    PatchBytes expected(0x30000, 0x11);
    const auto put = [&patch](std::uint32_t value, int count) {
        for (int k = count - 1; k >= 0; --k)
            patch.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
    };
    for (int n = 0; n < 400; ++n) {
        const std::uint32_t offset = random() % 0x20000;
        const std::uint32_t size = 1 + random() % 0xFFFF;
        const auto value = static_cast<std::uint8_t>(random());
        put(offset, 3);
        if (n % 4 == 3) {
            // a record of data, shorter
            const std::uint32_t length = 1 + size % 300;
            put(length, 2);
            for (std::uint32_t k = 0; k < length; ++k) {
                patch.push_back(static_cast<std::uint8_t>(value + k));
                expected[offset + k] = static_cast<std::uint8_t>(value + k);
            }
        } else {
            put(0, 2);
            put(size, 2);
            patch.push_back(value);
            std::fill_n(expected.begin() + offset, size, value);
        }
    }
    put(0x454F46, 3); // "EOF"
    EXPECT_EQ(ApplyIpsPatch(patch, PatchBytes(0x30000, 0x11)), expected);
}

// Short runs are chosen where they cost less than new data: three unchanged
// bytes between two edits are a SourceRead, five bytes found elsewhere in
// the source a SourceCopy.
TEST(BpsPatch, ShortRunsAndCopiesWhereTheyAreCheaper)
{
    std::mt19937 rng(99);
    const PatchBytes source = randomImage(rng, 256);
    PatchBytes edited = source;
    for (const std::size_t at : {10, 11, 12, 16, 17, 18})
        edited[at] ^= 0xFF;
    const PatchBytes runs = CreateBpsPatch(source, edited);
    EXPECT_EQ(ReadBpsInfo(runs).actions, 5u); // read 10, new 3, read 3, new 3, read the rest
    EXPECT_EQ(ApplyBpsPatch(runs, source), edited);

    PatchBytes moved = randomImage(rng, 85);
    std::copy_n(source.begin() + 100, 5, moved.begin() + 40);
    const PatchBytes copy = CreateBpsPatch(source, moved);
    EXPECT_EQ(ReadBpsInfo(copy).actions, 3u); // new 40, copy 5, new 40
    EXPECT_EQ(ApplyBpsPatch(copy, source), moved);
}
