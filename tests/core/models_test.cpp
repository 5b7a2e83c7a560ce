// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/romfile.h"
#include "editors/demos/demomodel.h"
#include "editors/objects/objectmodel.h"
#include "editors/palette/palettemodel.h"
#include "editors/text/textmodel.h"
#include "editors/water/watermodel.h"
#include "tests/support/testfiles.h"
#include "tools/samplerom/samples.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// One editor's model on a sample image: read it, then write back either
// what was read or that with one value changed.
struct ModelCase
{
    const char* editor;
    const char* gameCode;
    // Reads path and returns a write of the values read; changed makes it
    // change one value first.
    std::function<std::function<void(bool changed)>(const std::string& path)> open;
    std::size_t changedAt;        // offset of the bytes the changed value lands on
    std::vector<std::uint8_t> changedBytes;
};

const PaletteEntry kPalette{0x2208, 0x40, "Sega screen: background", ColourFormat::MegaDrive};

const std::vector<ModelCase>& cases()
{
    static const std::vector<ModelCase> all = {
        {"objects", "p2",
         [](const std::string& path) {
             auto model = std::make_shared<ObjectModel>();
             model->read(path);
             return std::function<void(bool)>([model, path](bool changed) {
                 ObjectWords words = model->words();
                 if (changed)
                     words[1] = 0x1234;
                 model->write(path, words);
             });
         },
         0x2D792, {0x12, 0x34}},
        {"demos", "p2",
         [](const std::string& path) {
             auto model = std::make_shared<DemoModel>(*SecondGameDemoLayout("p2"));
             model->read(path);
             return std::function<void(bool)>([model, path](bool changed) {
                 DemoValues values = model->values();
                 if (changed)
                     values.levels[3] = 0x0E00;
                 model->write(path, values);
             });
         },
         0x3DB2, {0x0E, 0x00}},
        {"water", "p2",
         [](const std::string& path) {
             auto model = std::make_shared<WaterModel>(*WaterLayoutFor("p2"));
             model->readRows(path);
             model->readPalettes(path);
             return std::function<void(bool)>([model, path](bool changed) {
                 WaterValues values = model->values();
                 if (changed)
                     values.rows[1] = {kWaterLevelCompare, 0x05, 0x01};
                 model->write(path, values);
             });
         },
         0x3FB2 - 1, {0x78, 0x05, 0x01}},
        {"text", "p2",
         [](const std::string& path) {
             auto model = std::make_shared<TextModel>();
             model->read(path);
             return std::function<void(bool)>([model, path](bool changed) {
                 TextValues texts = model->texts();
                 if (changed)
                     texts[12] = std::string("2");
                 model->write(path, texts);
             });
         },
         0x87BB, {0x12, 0x00}},
        {"palette", "p1",
         [](const std::string& path) {
             auto model = std::make_shared<PaletteModel>();
             auto colours = std::make_shared<PaletteColours>();
             model->read(path, kPalette, *colours);
             return std::function<void(bool)>([model, colours, path](bool changed) {
                 if (changed)
                     (*colours)[63] = 0x0ACE;
                 model->write(path, kPalette, *colours);
             });
         },
         0x2208 + 2 * 63, {0x0A, 0xCE}},
    };
    return all;
}


// A model writes only the values that differ from what it read: a write of
// the values read opens the file once, to check that it is still the image
// read, and a changed value lands on its own bytes alone.
TEST(Models, WriteOnlyWhatDiffersFromWhatWasRead)
{
    for (const ModelCase& c : cases()) {
        SCOPED_TRACE(c.editor);
        TempDir dir;
        const std::string path = dir.file("rom.bin");
        SyntheticImage image = SampleImageOf(c.gameCode);
        image.save(path);
        const auto write = c.open(path);

        const std::uint64_t before = RomFile::OpenCount();
        write(false);
        EXPECT_EQ(RomFile::OpenCount() - before, 1u);
        EXPECT_EQ(ReadFileBytes(path), image.data());

        ASSERT_NE(std::vector<std::uint8_t>(image.data().begin() + std::ptrdiff_t(c.changedAt),
                                            image.data().begin() + std::ptrdiff_t(c.changedAt + c.changedBytes.size())),
                  c.changedBytes);
        write(true);
        image.bytes(c.changedAt, c.changedBytes);
        EXPECT_EQ(ReadFileBytes(path), image.data());
        // What was written is what the model holds now.
        const std::uint64_t again = RomFile::OpenCount();
        write(true);
        EXPECT_EQ(RomFile::OpenCount() - again, 1u);
    }
}

} // namespace
