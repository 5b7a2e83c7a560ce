// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole import of a values document into a synthetic image. The first
// byte of an input picks the game, the rest is the document. A refused
// import leaves the image as it was; an accepted one changes only bytes
// that the editors show (each changed byte, changed alone, changes the
// export) and the header's checksum and ROM end; the same import again
// changes nothing.

#include "core/romaccess.h"
#include "core/supportfiles.h"
#include "tests/fuzz/fuzzcheck.h"
#include "tools/korvanetool/commands.h"
#include "tools/korvanetool/valuesdocument.h"
#include "tools/samplerom/samples.h"

#include <QJsonObject>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <streambuf>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Game
{
    std::string code;
    Bytes image;
    QJsonObject exported;
};

std::vector<Game> gGames;
std::string gImage;
std::string gDocument;
std::string gProbe;

// What the commands print goes nowhere.
struct Discard : std::streambuf
{
    int overflow(int c) override { return c; }
} gDiscard;

Bytes readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeAll(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                  static_cast<std::streamsize>(size));
}

QJsonObject exportOf(const std::string& path)
{
    return ExportDocument(ReadImageValues(path));
}

int import()
{
    return ImportCommand(QString::fromStdString(gImage), QString::fromStdString(gDocument), false, false, false, {}, {});
}

// Whether the export of the game's image shows a change of these bits of
// the byte at offset.
bool shown(const Game& game, std::size_t offset, std::uint8_t bits)
{
    static std::map<std::tuple<std::string, std::size_t, std::uint8_t>, bool> known;
    const auto key = std::make_tuple(game.code, offset, bits);
    if (const auto it = known.find(key); it != known.end())
        return it->second;
    Bytes probe = game.image;
    probe[offset] ^= bits;
    writeAll(gProbe, probe.data(), probe.size());
    return known[key] = exportOf(gProbe) != game.exported;
}

bool inHeaderFields(std::size_t offset)
{
    return (offset >= 0x18E && offset < 0x190) || (offset >= 0x1A4 && offset < 0x1A8);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetSupportBase(FindSupportBase(KORVANE_SOURCE_DIR));
    std::cout.rdbuf(&gDiscard);
    std::cerr.rdbuf(&gDiscard);
    char folder[] = "/tmp/korvane-import-fuzz-XXXXXX";
    if (!::mkdtemp(folder))
        std::abort();
    gImage = std::string(folder) + "/image.bin";
    gDocument = std::string(folder) + "/document.json";
    gProbe = std::string(folder) + "/probe.bin";
    for (const char* code : {"p1", "p2", "chaotix"}) {
        Game game{code, SampleImageOf(code).data(), {}};
        writeAll(gProbe, game.image.data(), game.image.size());
        game.exported = exportOf(gProbe);
        gGames.push_back(std::move(game));
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const Game& game = gGames[data[0] % gGames.size()];
    writeAll(gImage, game.image.data(), game.image.size());
    writeAll(gDocument, data + 1, size - 1);
    if (import() != 0) {
        FUZZ_CHECK(readAll(gImage) == game.image);
        return 0;
    }
    const Bytes after = readAll(gImage);
    FUZZ_CHECK(after.size() == game.image.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i] != game.image[i] && !inHeaderFields(i))
            FUZZ_CHECK(shown(game, i, static_cast<std::uint8_t>(after[i] ^ game.image[i])));
    }
    FUZZ_CHECK(import() == 0);
    FUZZ_CHECK(readAll(gImage) == after);
    return 0;
}
