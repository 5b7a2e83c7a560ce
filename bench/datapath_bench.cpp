// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Each editor's data path: the ROM reads and the decoding its opening does,
// and the support files it reads, without any widget. An editor reads its
// values as its window does, through the session's one open of the image.
// Measured beside the same file operations done bare (see BareOp), in the
// same iterations.

#include "bench/benchsupport.h"

#include "core/colourwords.h"
#include "core/detection.h"
#include "core/imagesession.h"
#include "core/leveltables.h"
#include "core/romaccess.h"
#include "core/romfile.h"
#include "core/supportfiles.h"
#include "editors/art/artmodel.h"
#include "editors/demos/demomodel.h"
#include "editors/objects/objectmodel.h"
#include "editors/palette/palettemodel.h"
#include "editors/text/textmodel.h"
#include "editors/water/watermodel.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace {

using Ops = std::vector<BareOp>;

const std::string& imagePath()
{
    return BenchSession().path();
}

BareOp readValue(std::int64_t offset, int size)
{
    return {BareOp::Kind::ReadValue, imagePath(), offset, size, {}};
}

// A model's read through the session: one open of the image, its size and
// serial (the snapshot), then the values in order.
BareOp modelRead(std::vector<BareRead> values)
{
    values.insert(values.begin(), BareRead{kSerialOffset, kSerialLength});
    return {BareOp::Kind::ReadValues, imagePath(), 0, 0, std::move(values)};
}

BareOp readFile(const std::string& path)
{
    return {BareOp::Kind::ReadFile, path, 0, 0, {}};
}

// One data path: the ROM it works on, what it does, and the bare file
// operations it makes, in its order.
struct DataPath
{
    const char* name;
    const char* gameCode;
    std::function<void()> run;
    std::function<Ops()> ops;
};

// --- ROM selection: through one open the size, the serial, the magic and
// the console's "SEGA", a byte at a time; then whether the image can be
// written.

void detectionPath()
{
    benchmark::DoNotOptimize(DetectGame(imagePath()).game);
}

Ops detectionOps()
{
    std::vector<BareRead> reads;
    for (int i = 0; i < kSerialLength; ++i)
        reads.push_back({kSerialOffset + i, 1});
    for (int i = 0; i < 3; ++i)
        reads.push_back({i, 1});
    for (int i = 0; i < 4; ++i)
        reads.push_back({0x100 + i, 1});
    return {{BareOp::Kind::ReadValues, imagePath(), 0, 0, std::move(reads)},
            {BareOp::Kind::ProbeWritable, imagePath(), 0, 0, {}}};
}

// --- Demo editors: the words, then the list file once per selector.

void demoPath(const DemoLayout& layout)
{
    DemoModel model(layout);
    BenchSession().read(model);
    const DemoValues& values = model.values();
    benchmark::DoNotOptimize(DemoSeconds(values.length));
    benchmark::DoNotOptimize(DemoSeconds(values.specialLength));
    for (int i = 0; i < layout.slotCount; ++i)
        benchmark::DoNotOptimize(ReadLevelList(layout.levels.fileName));
    for (int i = 0; i < layout.slotCount; ++i)
        benchmark::DoNotOptimize(LevelRow(layout.levels.table, values.levels[static_cast<std::size_t>(i)]));
}

Ops demoOps(const DemoLayout& layout)
{
    std::vector<BareRead> words;
    for (const std::int32_t offset : {layout.length, layout.specialLength, layout.number}) {
        if (offset != kNoDemoOffset)
            words.push_back({offset, 2});
    }
    for (int i = 0; i < kDemoLevelWords; ++i)
        words.push_back({layout.levelBase + 2 * i, 2});
    Ops ops{modelRead(std::move(words))};
    for (int i = 0; i < layout.slotCount; ++i)
        ops.push_back(readFile(SupportFilePath(layout.levels.fileName)));
    return ops;
}

// --- Water editor: three bytes a row and the palette bytes, then the zone
// list once per row.

void waterPath()
{
    const WaterLayout& layout = *WaterLayoutFor(BenchSession().gameCode());
    WaterModel model(layout);
    BenchSession().read(model);
    for (int n = 0; n < layout.rowCount; ++n)
        benchmark::DoNotOptimize(ReadLevelList(layout.zones.fileName));
    for (int n = 0; n < layout.rowCount; ++n) {
        const WaterLevel level = DecodeWaterRow(model.values().rows[static_cast<std::size_t>(n)]);
        benchmark::DoNotOptimize(LevelRow(layout.zones.table, level.zone));
    }
    for (int n = 0; n < layout.paletteCount; ++n)
        benchmark::DoNotOptimize(WaterPaletteText(model.values().palettes[static_cast<std::size_t>(n)]));
}

Ops waterOps()
{
    const WaterLayout& layout = *WaterLayoutFor(BenchSession().gameCode());
    std::vector<BareRead> bytes;
    for (int n = 0; n < layout.rowCount; ++n) {
        for (int k = -1; k <= 1; ++k)
            bytes.push_back({layout.rows[static_cast<std::size_t>(n)] + k, 1});
    }
    for (int n = 0; n < layout.paletteCount; ++n)
        bytes.push_back({layout.palettes[static_cast<std::size_t>(n)], 1});
    Ops ops{modelRead(std::move(bytes))};
    for (int n = 0; n < layout.rowCount; ++n)
        ops.push_back(readFile(SupportFilePath(layout.zones.fileName)));
    return ops;
}

// --- Object editor: 42 words and their cell texts.

void objectPath()
{
    ObjectModel model;
    BenchSession().read(model);
    for (std::size_t i = 0; i < kObjectRowCount; ++i)
        benchmark::DoNotOptimize(FormatObjectValue(kObjectRows[i].form, model.words()[i]));
}

Ops objectOps()
{
    std::vector<BareRead> words;
    for (const ObjectRow& row : kObjectRows)
        words.push_back({row.offset, 2});
    return {modelRead(std::move(words))};
}

// --- Text editor: 24 texts, one read per character code.

void textPath()
{
    TextModel model;
    BenchSession().read(model);
    benchmark::DoNotOptimize(model.texts().data());
}

Ops textOps()
{
    std::vector<BareRead> codes;
    for (const TextField& field : kTextFields) {
        const int size = field.form == TextForm::Word ? 2 : 1;
        for (int i = 0; i < field.count; ++i)
            codes.push_back({field.offset + size * i, size});
    }
    return {modelRead(std::move(codes))};
}

// --- Palette editor: the list file, then palette 0 a colour at a time.

std::vector<PaletteEntry>& paletteTable()
{
    // Process-wide in the editor too: grown to its full size once.
    static std::vector<PaletteEntry> table;
    return table;
}

void palettePath()
{
    std::vector<PaletteEntry>& table = paletteTable();
    LoadPaletteList(PaletteListPath(BenchSession().gameCode()), table, [](const std::string& name) {
        benchmark::DoNotOptimize(name.data());
    });
    const PaletteEntry& entry = table[0];
    PaletteModel model;
    model.setEntry(entry);
    BenchSession().read(model);
    for (int i = 0; i < entry.count; ++i)
        benchmark::DoNotOptimize(EditorColour(model.stored()[static_cast<std::size_t>(i)], entry.format));
}

Ops paletteOps()
{
    const std::string list = PaletteListPath(BenchSession().gameCode());
    std::vector<PaletteEntry> table;
    LoadPaletteList(list, table, [](const std::string&) {});
    std::vector<BareRead> colours;
    for (int i = 0; i < table[0].count; ++i)
        colours.push_back({static_cast<std::int64_t>(table[0].offset) + 2 * i, 2});
    return {readFile(list), modelRead(std::move(colours))};
}

// --- Art viewer: the palette, then per tile its flip byte and 32 bytes,
// and its bitmap file written in one piece.

void artPath()
{
    TilePalette palette{};
    int read = 0;
    ReadArtColours(imagePath(), kArtColoursOffset, palette, read);
    for (const std::uint16_t word : palette)
        benchmark::DoNotOptimize(ViewerColour(word));
    for (const ArtTile& art : kArtTiles) {
        const ArtTileBytes tile = ReadArtTile(imagePath(), art.tile, art.piece);
        WriteTileBitmapFile(SupportFilePath(art.file),
                            EncodeTileBitmap(tile.bytes, tile.flip, [&palette](std::uint8_t b, bool high) {
                                return TilePixelColour(palette, b, high);
                            }));
    }
}

Ops artOps()
{
    Ops ops;
    for (int k = 0; k < 16; ++k)
        ops.push_back(readValue(kArtColoursOffset + 2 * k, 2));
    for (const ArtTile& art : kArtTiles) {
        ops.push_back(readValue(art.piece + 2, 1));
        for (int i = 0; i < static_cast<int>(kTileBytes); ++i)
            ops.push_back(readValue(art.tile + i, 1));
        ops.push_back({BareOp::Kind::WriteValue, SupportFilePath(art.file), 0, static_cast<int>(kTileBitmapSize), {}});
    }
    return ops;
}

// Each iteration runs the data path and its bare operations, in turns
// first; the reported time is the data path's. Counters: opens (ROM access
// opens of one data path run, checked against the bare operations), bare_us
// and ratio (data path time over bare time).
void BM_DataPath(benchmark::State& state, const DataPath& path)
{
    SelectBenchRom(EditorImage(path.gameCode));
    const Ops ops = path.ops();
    double dataTime = 0;
    double bareTime = 0;
    std::uint64_t opens = 0;
    bool dataFirst = true;
    try {
        for (auto _ : state) {
            double d = 0;
            const std::uint64_t before = RomFile::OpenCount();
            if (dataFirst) {
                d = SecondsOf(path.run);
                bareTime += SecondsOf([&] { RunBareOps(ops); });
            } else {
                bareTime += SecondsOf([&] { RunBareOps(ops); });
                d = SecondsOf(path.run);
            }
            opens += RomFile::OpenCount() - before;
            dataFirst = !dataFirst;
            dataTime += d;
            state.SetIterationTime(d);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    const auto iterations = static_cast<double>(state.iterations());
    if (static_cast<double>(opens) != iterations * static_cast<double>(ValueOpCount(ops))) {
        state.SkipWithError("the bare operations do not match the opens of the data path");
        return;
    }
    state.counters["opens"] = benchmark::Counter(static_cast<double>(opens), benchmark::Counter::kAvgIterations);
    state.counters["bare_us"] = benchmark::Counter(bareTime * 1e6 / iterations);
    state.counters["ratio"] = benchmark::Counter(dataTime / bareTime);
}

const std::vector<DataPath>& dataPaths()
{
    static const std::vector<DataPath> paths = {
        {"Selection", "p2", detectionPath, detectionOps},
        {"demos-p1", "p1", [] { demoPath(*FirstGameDemoLayout(BenchSession().gameCode())); },
         [] { return demoOps(*FirstGameDemoLayout(BenchSession().gameCode())); }},
        {"demos-p2", "p2", [] { demoPath(*SecondGameDemoLayout(BenchSession().gameCode())); },
         [] { return demoOps(*SecondGameDemoLayout(BenchSession().gameCode())); }},
        {"water", "p2", waterPath, waterOps},
        {"objects", "p2", objectPath, objectOps},
        {"texts", "p2", textPath, textOps},
        {"palettes", "p1", palettePath, paletteOps},
        {"art", "p1", artPath, artOps},
    };
    return paths;
}

} // namespace

void RegisterDataPathBenchmarks()
{
    for (const DataPath& path : dataPaths()) {
        benchmark::RegisterBenchmark((std::string("DataPath/") + path.name).c_str(), BM_DataPath, path)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }
}
