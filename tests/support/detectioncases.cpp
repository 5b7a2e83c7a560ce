// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/detectioncases.h"

#include "core/detection.h"

namespace {

SyntheticImage header(std::size_t size, const std::string& serial)
{
    return std::move(SyntheticImage(size, 0xFF).text(0x100, "SEGA MEGA DRIVE ").serial(serial));
}

const std::string kUnknownNote = "none: this program does not know this game";

} // namespace

const std::vector<DetectionCase>& DetectionCases()
{
    static const std::vector<DetectionCase> cases = {
        {"save state over a known serial", [] { return std::move(header(0x1000, kSerialP2).text(0, "GST")); },
         "gst", 0, "Genecyst Save State", "none: a save state is not edited"},
        {"lower-case gst is no save state", [] { return std::move(header(0x80000, kSerialP1).text(0, "gst")); },
         "p1", ItemEditorDemos | ItemEditorPal, "Pelbo 1 ROM"},
        {"first game", [] { return header(0x80000, kSerialP1); }, "p1", ItemEditorDemos | ItemEditorPal,
         "Pelbo 1 ROM"},
        {"first game, Japanese", [] { return std::move(header(0x80000, kSerialP1JP2B).byte(0x16F, 'G')); }, "p1j",
         ItemEditorDemos, "Pelbo 1 J ROM"},
        {"second game beta", [] { return std::move(header(0x100000, kSerialP1JP2B).byte(0x16F, '2')); }, "p2b",
         ItemEditorDemos, "Pelbo 2 \u00DF" "eta ROM"},
        {"shared serial, other variant byte", [] { return std::move(header(0x80000, kSerialP1JP2B).byte(0x16F, 'g')); },
         "un", 0, "Unknown ROM - GM 00004049-01", kUnknownNote},
        {"second game", [] { return header(0x100000, kSerialP2); }, "p2",
         ItemEditorWater | ItemEditorDemos | ItemEditorBosses | ItemEditorText, "Pelbo 2 ROM"},
        {"third game", [] { return header(0x200000, kSerialP3); }, "p3", ItemEditorWater | ItemEditorDemos,
         "Pelbo 3 ROM"},
        {"Chaotix", [] { return header(0x300000, kSerialChaotix); }, "chaotix", ItemEditorPal,
         "Knuckles Chaotix ROM"},
        {"lock-on with the first game",
         [] { return std::move(header(0x280000, kSerialLockOn).secondSerial(kSerialP1)); }, "p1k", 0,
         "Pelbo Special Stages ROM",
         "No editor of this program serves Pelbo Special Stages."},
        {"lock-on with the second game",
         [] { return std::move(header(0x300000, kSerialLockOn).secondSerial(kSerialP2)); }, "p2k",
         ItemEditorWater | ItemEditorDemos, "Knuckles in Pelbo 2 ROM"},
        {"lock-on with the third game",
         [] { return std::move(header(0x400000, kSerialLockOn).secondSerial(kSerialP3)); }, "p3k", 0,
         "Pelbo 3 and Knuckles ROM",
         "No editor of this program serves Pelbo 3 and Knuckles."},
        {"lock-on with another second serial",
         [] { return std::move(header(0x280000, kSerialLockOn).secondSerial("GM 00001051-00")); }, "pk",
         ItemEditorDemos, "Pelbo & Knuckles ROM"},
        {"lock-on one byte above 2 MiB reads its second serial",
         [] { return std::move(header(0x20018E, kSerialLockOn).secondSerial(kSerialP2)); }, "p2k",
         ItemEditorWater | ItemEditorDemos, "Knuckles in Pelbo 2 ROM"},
        {"lock-on of exactly 2 MiB", [] { return header(0x200000, kSerialLockOn); }, "un", 0, "Unknown ROM - GM MK-1563 -00", kUnknownNote},
        {"unknown serial", [] { return header(0x80000, "GM 12345678-00"); }, "un", 0, "Unknown ROM - GM 12345678-00", kUnknownNote},
        {"unknown serial in the Windows code page", [] { return header(0x80000, "GM 0000\xDF" "009-\x80" "0"); },
         "un", 0, "Unknown ROM - GM 0000\u00DF" "009-\u20AC" "0", kUnknownNote},
        {"smallest image", [] { return header(0x200, "GM MK-1079 -00"); }, "p3",
         ItemEditorWater | ItemEditorDemos, "Pelbo 3 ROM"},
        {"a text file", [] { return SyntheticImage(0x1000, 'w'); }, "un", 0, "Not a Mega Drive cartridge image", "not a Mega Drive cartridge header"},
    };
    return cases;
}
