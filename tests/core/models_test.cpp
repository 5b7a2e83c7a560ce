// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/detection.h"
#include "core/imagesession.h"
#include "core/korvaneerror.h"
#include "core/romfile.h"
#include "editors/demos/demomodel.h"
#include "editors/objects/objectmodel.h"
#include "editors/palette/palettemodel.h"
#include "editors/text/textmodel.h"
#include "editors/water/watermodel.h"
#include "tests/support/testfiles.h"
#include "tools/samplerom/samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// One editor's model on a sample image, and a change of one of its values.
struct ModelCase
{
    const char* editor;
    const char* gameCode;
    std::function<std::unique_ptr<EditorModel>()> make;
    // Wants one value changed, as the window or the tool would.
    std::function<void(EditorModel&)> change;
    std::size_t changedAt; // offset of the bytes the changed value lands on
    std::vector<std::uint8_t> changedBytes;
};

const PaletteEntry kPalette{0x2208, 0x40, "Sega screen: background", ColourFormat::MegaDrive};

template <typename Model>
Model& as(EditorModel& model)
{
    return dynamic_cast<Model&>(model);
}

const std::vector<ModelCase>& cases()
{
    static const std::vector<ModelCase> all = {
        {"objects", "p2", [] { return std::make_unique<ObjectModel>(); },
         [](EditorModel& m) {
             ObjectWords words = as<ObjectModel>(m).words();
             words[1] = 0x1234;
             as<ObjectModel>(m).want(words);
         },
         0x2D792, {0x12, 0x34}},
        {"demos", "p2", [] { return std::make_unique<DemoModel>(*SecondGameDemoLayout("p2")); },
         [](EditorModel& m) {
             DemoValues values = as<DemoModel>(m).values();
             values.levels[3] = 0x0E00;
             as<DemoModel>(m).want(values);
         },
         0x3DB2, {0x0E, 0x00}},
        {"water", "p2", [] { return std::make_unique<WaterModel>(*WaterLayoutFor("p2")); },
         [](EditorModel& m) {
             WaterValues values = as<WaterModel>(m).values();
             values.rows[1] = {kWaterLevelCompare, 0x05, 0x01};
             as<WaterModel>(m).want(values);
         },
         0x3FB2 - 1, {0x78, 0x05, 0x01}},
        {"text", "p2", [] { return std::make_unique<TextModel>(); },
         [](EditorModel& m) {
             TextValues texts = as<TextModel>(m).texts();
             texts[12] = std::string("2");
             as<TextModel>(m).want(texts);
         },
         0x87BB, {0x12, 0x00}},
        {"palette", "p1",
         [] {
             auto model = std::make_unique<PaletteModel>();
             model->setEntry(kPalette);
             return model;
         },
         [](EditorModel& m) {
             PaletteColours colours = as<PaletteModel>(m).stored();
             colours[63] = 0x0ACE;
             as<PaletteModel>(m).want(colours);
         },
         0x2208 + 2 * 63, {0x0A, 0xCE}},
    };
    return all;
}

// A model writes only the values that differ from what it read: a Save of
// the values read opens the file once, to check that it is still the image
// read, and a changed value lands on its own bytes alone, inside the model's
// spans.
TEST(Models, WriteOnlyWhatDiffersFromWhatWasRead)
{
    for (const ModelCase& c : cases()) {
        SCOPED_TRACE(c.editor);
        TempDir dir;
        const std::string path = dir.file("rom.bin");
        SyntheticImage image = SampleImageOf(c.gameCode);
        image.save(path);
        ImageSession session(path, DetectGame(path));
        const std::unique_ptr<EditorModel> model = c.make();
        session.read(*model);
        EXPECT_EQ(model->unreadRefusal(), "");

        const std::uint64_t before = RomFile::OpenCount();
        session.save(*model);
        EXPECT_EQ(RomFile::OpenCount() - before, 1u);
        EXPECT_EQ(ReadFileBytes(path), image.data());

        ASSERT_NE(std::vector<std::uint8_t>(image.data().begin() + std::ptrdiff_t(c.changedAt),
                                            image.data().begin() + std::ptrdiff_t(c.changedAt + c.changedBytes.size())),
                  c.changedBytes);
        c.change(*model);
        ASSERT_EQ(model->changes().size(), 1u);
        session.save(*model);
        image.bytes(c.changedAt, c.changedBytes);
        EXPECT_EQ(ReadFileBytes(path), image.data());
        const std::vector<ByteSpan> spans = model->spans();
        EXPECT_TRUE(std::any_of(spans.begin(), spans.end(), [&c](const ByteSpan& span) {
            return span.offset <= std::int64_t(c.changedAt)
                && std::int64_t(c.changedAt + c.changedBytes.size()) <= span.offset + span.size;
        }));
        // What was written is what the model holds now.
        EXPECT_TRUE(model->changes().empty());
        const std::uint64_t again = RomFile::OpenCount();
        session.save(*model);
        EXPECT_EQ(RomFile::OpenCount() - again, 1u);
    }
}

// A model that could not read its values refuses every Save before the
// image is opened, and one whose image another program rewrote refuses
// before its first write.
TEST(Models, RefuseWhatWasNotReadAndAnImageThatChanged)
{
    for (const ModelCase& c : cases()) {
        SCOPED_TRACE(c.editor);
        TempDir dir;
        const std::string path = dir.file("rom.bin");
        const SyntheticImage image = SampleImageOf(c.gameCode);
        // Cut before the first value.
        const std::unique_ptr<EditorModel> unread = c.make();
        std::int64_t first = std::int64_t(image.data().size());
        for (const ByteSpan& span : unread->spans())
            first = std::min(first, span.offset);
        SyntheticImage cut(static_cast<std::size_t>(first));
        cut.bytes(0, std::vector<std::uint8_t>(image.data().begin(), image.data().begin() + first));
        cut.save(path);
        ImageSession cutSession(path, DetectGame(path));
        EXPECT_THROW(cutSession.read(*unread), KorvaneError);
        EXPECT_NE(unread->unreadRefusal(), "");
        const std::uint64_t opens = RomFile::OpenCount();
        EXPECT_THROW(cutSession.save(*unread), KorvaneError);
        EXPECT_EQ(RomFile::OpenCount(), opens);

        image.save(path);
        ImageSession session(path, DetectGame(path));
        const std::unique_ptr<EditorModel> model = c.make();
        session.read(*model);
        c.change(*model);
        SyntheticImage(image).bytes(c.changedAt, {std::uint8_t(image.data()[c.changedAt] ^ 0xFF)}).save(path);
        const std::vector<std::uint8_t> changed = ReadFileBytes(path);
        try {
            session.save(*model);
            ADD_FAILURE() << "saved over another program's change";
        } catch (const KorvaneError& e) {
            EXPECT_EQ(e.what(), ImageChangedMessage());
        }
        EXPECT_EQ(ReadFileBytes(path), changed);
    }
}

} // namespace
