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

SyntheticImage buildImage(const SampleHeader& h)
{
    SyntheticImage image(h.size, 0x00);
    // Something that is not all zeros behind the header, so that the
    // checksum means something.
    for (std::size_t i = 0x200; i < h.size; i += 0x100)
        image.byte(i, static_cast<std::uint8_t>(i >> 8));
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
    for (const SampleImage& sample : BuildSampleImages()) {
        const std::string path = dir + "/" + sample.fileName;
        if (!replace && KindOfFile(path) != FileKind::None)
            continue;
        sample.image.save(path);
        paths.push_back(path);
    }
    return paths;
}
