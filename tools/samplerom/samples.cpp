// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/samplerom/samples.h"

#include "core/detection.h"
#include "core/platform/files.h"
#include "editors/editorlist.h"

#include <array>
#include <stdexcept>

namespace {

struct SampleHeader
{
    const char* fileName;
    const char* code;
    std::size_t size;
    const char* system;   // at 0x100
    const char* title;    // at 0x150, overseas title
    const char* serial;
    char variant;         // byte at 0x16F, or 0 to leave it
    const char* second;   // serial at 0x200180, or nullptr
};

constexpr std::array<SampleHeader, 10> kHeaders = {{
    {"sample-p1.bin", "p1", 0x80000, "SEGA MEGA DRIVE", "PELBO ONE SAMPLE", kSerialP1, 0, nullptr},
    {"sample-p1j.bin", "p1j", 0x80000, "SEGA MEGA DRIVE", "PELBO ONE JAPANESE SAMPLE", kSerialP1JP2B, 'G', nullptr},
    {"sample-p2b.bin", "p2b", 0x100000, "SEGA MEGA DRIVE", "PELBO TWO BETA SAMPLE", kSerialP1JP2B, '2', nullptr},
    {"sample-p2.bin", "p2", 0x100000, "SEGA MEGA DRIVE", "PELBO TWO SAMPLE", kSerialP2, 0, nullptr},
    {"sample-p3.bin", "p3", 0x200000, "SEGA MEGA DRIVE", "PELBO THREE SAMPLE", kSerialP3, 0, nullptr},
    {"sample-chaotix.bin", "chaotix", 0x300000, "SEGA 32X", "CHAOTIX SAMPLE", kSerialChaotix, 0, nullptr},
    {"sample-p1k.bin", "p1k", 0x280000, "SEGA MEGA DRIVE", "LOCK-ON SAMPLE WITH PELBO ONE", kSerialLockOn, 0,
     kSerialP1},
    {"sample-p2k.bin", "p2k", 0x340000, "SEGA MEGA DRIVE", "LOCK-ON SAMPLE WITH PELBO TWO", kSerialLockOn, 0,
     kSerialP2},
    {"sample-p3k.bin", "p3k", 0x400000, "SEGA MEGA DRIVE", "LOCK-ON SAMPLE WITH PELBO THREE", kSerialLockOn, 0,
     kSerialP3},
    {"sample-pk.bin", "pk", 0x200000 + 0x80000, "SEGA MEGA DRIVE", "LOCK-ON SAMPLE", kSerialLockOn, 0,
     "GM 00000000-00"},
}};

// Bytes that stand for code and data: the same for a seed each time, and
// unlike each other, so that the bytes around a value tell where it lies.
class Filler
{
public:
    explicit Filler(std::uint32_t seed) : mState(seed | 1) {}
    std::uint8_t next()
    {
        mState ^= mState << 13;
        mState ^= mState >> 17;
        mState ^= mState << 5;
        return static_cast<std::uint8_t>(mState >> 24);
    }
    std::vector<std::uint8_t> bytes(std::size_t count)
    {
        std::vector<std::uint8_t> out(count);
        for (std::uint8_t& b : out)
            b = next();
        return out;
    }

private:
    std::uint32_t mState;
};

SyntheticImage buildImage(const SampleHeader& h)
{
    SyntheticImage image(h.size, 0x00);
    // Something behind the header, so that the checksum means something.
    Filler filler(static_cast<std::uint32_t>(h.size) ^ static_cast<std::uint32_t>(h.code[1]) << 8);
    image.bytes(0x200, filler.bytes(h.size - 0x200));
    image.text(0x100, h.system).text(0x150, h.title).serial(h.serial);
    if (h.variant)
        image.byte(0x16F, static_cast<std::uint8_t>(h.variant));
    if (h.second)
        image.secondSerial(h.second);
    // Each editor fills its offsets of the images it serves, in the editor
    // list's order.
    for (const EditorInfo& editor : Editors())
        FillEditorSamples(editor.id, image, h.code);
    return std::move(image.validChecksum());
}

// A Genecyst save state: recognised by its magic, never edited.
SampleImage saveState()
{
    SyntheticImage image(0x22478, 0x00);
    image.text(0, "GST\x40\xE0");
    return {"sample-state.gs0", "gst", std::move(image)};
}

} // namespace

std::vector<SampleImage> BuildSampleImages()
{
    std::vector<SampleImage> samples;
    for (const SampleHeader& h : kHeaders)
        samples.push_back({h.fileName, h.code, buildImage(h)});
    samples.push_back(saveState());
    return samples;
}

std::vector<ModifiedSample> BuildModifiedSamples()
{
    std::vector<ModifiedSample> samples;
    Filler code(0x4E75);
    const auto based = [&samples](const char* fileName, const char* original, const std::string& gameCode) {
        samples.push_back({fileName, original, gameCode, SampleImageOf(gameCode), {}, {}});
        return &samples.back();
    };
    // Code put in before the bosses' values: everything after it moves.
    ModifiedSample* sample = based("modified-p2-inserted.bin", "sample-p2.bin", "p2");
    const std::size_t point = 0x2C000;
    const std::size_t grown = 0x40;
    sample->image.insert(point, code.bytes(grown));
    sample->moved.push_back({point, std::int64_t(sample->image.size() - point - grown), point + grown});

    // The demos' level table and what lies around it moved to free space,
    // its old place used for other code.
    sample = based("modified-p2-moved.bin", "sample-p2.bin", "p2");
    const std::size_t table = 0x3D60;
    const std::size_t tableLength = 0xA0;
    const std::size_t there = 0xF0000;
    sample->image.bytes(there, sample->image.slice(table, tableLength)).bytes(table, code.bytes(tableLength));
    sample->moved.push_back({table, tableLength, there});

    // A boss's code rewritten in place: return instructions where its hit
    // count was.
    sample = based("modified-p2-code.bin", "sample-p2.bin", "p2");
    for (std::size_t at = 0x2EF40; at < 0x2EFC0; at += 2)
        sample->image.word(at, 0x4E75);
    sample->overwritten.push_back({0x2EF40, 0x80});

    // Grown to 8 MiB, the palettes moved past 4 MiB.
    sample = based("modified-p1-grown.bin", "sample-p1.bin", "p1");
    const std::size_t palettes = 0x2100;
    const std::size_t far = 0x600000;
    const std::size_t length = 0xA00;
    sample->image.resize(0x800000);
    sample->image.bytes(0x80000, code.bytes(0x800000 - 0x80000));
    sample->image.bytes(far, sample->image.slice(palettes, length)).bytes(palettes, code.bytes(length));
    sample->moved.push_back({palettes, length, far});

    for (ModifiedSample& modified : samples)
        modified.image.validChecksum();
    return samples;
}

SyntheticImage SampleImageOf(const std::string& gameCode)
{
    for (SampleImage& sample : BuildSampleImages()) {
        if (sample.gameCode == gameCode)
            return std::move(sample.image);
    }
    throw std::logic_error("no sample image of " + gameCode);
}

std::vector<std::string> WriteSampleImages(const std::string& dir, bool replace)
{
    std::vector<std::string> paths;
    const auto write = [&](const std::string& fileName, const SyntheticImage& image) {
        const std::string path = dir + "/" + fileName;
        if (!replace && KindOfFile(path) != FileKind::None)
            return;
        image.save(path);
        paths.push_back(path);
    };
    for (const SampleImage& sample : BuildSampleImages())
        write(sample.fileName, sample.image);
    for (const ModifiedSample& sample : BuildModifiedSamples())
        write(sample.fileName, sample.image);
    return paths;
}
