// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/detection.h"
#include "editors/editorlist.h"
#include "core/korvaneerror.h"
#include "core/romaccess.h"
#include "tests/support/detectioncases.h"
#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(Detection, NamesEveryGameOfTheTable)
{
    TempDir dir;
    for (const DetectionCase& c : DetectionCases()) {
        SCOPED_TRACE(c.label);
        const std::string path = dir.file("rom.bin");
        const SyntheticImage image = c.build();
        image.save(path);
        const Detection d = DetectGame(path);
        ASSERT_NE(d.game, nullptr);
        EXPECT_EQ(d.game->code, c.code);
        EXPECT_EQ(EditorItemsOf(d.game->code), c.items);
        EXPECT_EQ(d.romSize, image.size());
        EXPECT_EQ(d.serial, std::string(image.data().begin() + 0x180, image.data().begin() + 0x18E));
    }
}

TEST(Detection, FailsOnHeadersItCannotRead)
{
    TempDir dir;
    struct Row
    {
        std::string label;
        SyntheticImage image;
        std::string message;
    };
    Row rows[] = {
        {"shorter than the header", SyntheticImage(0x1FF), "PATH is 511 bytes: too short for a Mega Drive image (at least 512 bytes)."},
        {"empty file", SyntheticImage(0), "PATH is 0 bytes: too short for a Mega Drive image (at least 512 bytes)."},
        {"lock-on without its second serial",
         std::move(SyntheticImage(0x200100).serial(kSerialLockOn)), "Stream read error"},
    };
    for (Row& row : rows) {
        SCOPED_TRACE(row.label);
        const std::string path = dir.file("rom.bin");
        row.image.save(path);
        const std::size_t at = row.message.find("PATH");
        EXPECT_EQ(ErrorOf([&] { DetectGame(path); }),
                  at == std::string::npos ? row.message : row.message.replace(at, 4, path));
    }
    EXPECT_EQ(ErrorOf([&] { DetectGame(dir.file("missing.bin")); }), "Cannot open file " + dir.file("missing.bin"));
}

// The header holds 32-bit sizes: an image of 4 GiB or more is refused, not
// taken for its size modulo 4 GiB (a sparse file, so it costs no disk).
TEST(Detection, RefusesImagesOfFourGibibytesOrMore)
{
    TempDir dir;
    const std::string path = dir.file("huge.bin");
    SyntheticImage(0x1000).serial(kSerialP2).save(path);
    std::filesystem::resize_file(path, (std::uint64_t{1} << 32) + 0x1000);
    EXPECT_EQ(ErrorOf([&] { DetectGame(path); }), "The file is too large for a cartridge image (4 GiB or more)");
}

TEST(Detection, ShowsTheSerialAsPrintableText)
{
    EXPECT_EQ(PrintableSerial("GM\x01\n" "2345678-\xDF\x81"), "GM..2345678-\u00DF.");
}

TEST(Detection, UnknownCodesFallBackToUnknown)
{
    EXPECT_STREQ(GameByCode("p2").name, "Pelbo 2");
    EXPECT_STREQ(GameByCode("").code, "un");
    EXPECT_STREQ(GameByCode("P2").code, "un");
}

// The Editor items open the editors the list offers for the game; an
// editor that lists no game opens for the others of its item.
TEST(Routing, OpensTheWindowOfEachGame)
{
    struct Row
    {
        EditorItem item;
        std::string code;
        EditorId window;
    };
    const Row rows[] = {
        {ItemEditorDemos, "p1", EditorId::Demos},    {ItemEditorDemos, "p1j", EditorId::Demos},
        {ItemEditorDemos, "p2", EditorId::Demos},    {ItemEditorDemos, "p2k", EditorId::Demos},
        {ItemEditorDemos, "p2b", EditorId::Demos},   {ItemEditorDemos, "p3", EditorId::Demos},
        {ItemEditorDemos, "p3k", EditorId::None},   {ItemEditorDemos, "pk", EditorId::Demos},
        {ItemEditorDemos, "chaotix", EditorId::None},  {ItemEditorDemos, "un", EditorId::None},
        {ItemEditorDemos, "", EditorId::None},         {ItemEditorWater, "p2", EditorId::Water},
        {ItemEditorWater, "p2k", EditorId::Water},  {ItemEditorWater, "p2b", EditorId::None},
        {ItemEditorWater, "p3", EditorId::Water},   {ItemEditorWater, "p3k", EditorId::None},
        {ItemEditorWater, "p1", EditorId::None},       {ItemEditorWater, "pk", EditorId::None},
        {ItemEditorBosses, "p2", EditorId::Objects}, {ItemEditorBosses, "p2k", EditorId::None},
        {ItemEditorBosses, "P2", EditorId::None},      {ItemEditorText, "p2", EditorId::Texts},
        {ItemEditorText, "p1", EditorId::FirstGameTexts}, {ItemEditorText, "p1j", EditorId::FirstGameTexts},
        {ItemEditorPal, "chaotix", EditorId::Palettes}, {ItemEditorPal, "un", EditorId::None},
        {ItemEditorPal, "", EditorId::None},        {ItemViewerArt, "gst", EditorId::Art},
        {ItemEditorDisasm, "", EditorId::Disassembler},   {ItemEditorDisasm, "p2", EditorId::Disassembler},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code + " item " + std::to_string(row.item));
        EXPECT_EQ(RouteFor(row.item, row.code), row.window);
    }
}

} // namespace
