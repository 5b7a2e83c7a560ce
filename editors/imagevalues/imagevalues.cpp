// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/imagevalues/imagevalues.h"

#include "core/korvaneerror.h"
#include "core/patchfiles.h"
#include "core/platform/files.h"
#include "core/romfile.h"
#include "document/layoutfile.h"
#include "editors/editorlist.h"

#include <QByteArray>
#include <QCoreApplication>

std::vector<std::unique_ptr<EditorValues>> EditorValuesFor(const std::string& gameCode)
{
    // The editors the main window offers for the game, in the list's order.
    std::vector<std::unique_ptr<EditorValues>> editors;
    for (const EditorInfo& editor : Editors()) {
        if (!Serves(editor, gameCode))
            continue;
        if (std::unique_ptr<EditorValues> values = NewEditorValues(editor.id, gameCode))
            editors.push_back(std::move(values));
    }
    return editors;
}

namespace {

// Every value's place of editors, at its usual address (after a read).
std::vector<ValuePlace> placesOf(const std::vector<std::unique_ptr<EditorValues>>& editors)
{
    std::vector<ValuePlace> places;
    for (const auto& editor : editors) {
        const std::vector<ValuePlace> more = editor->places();
        places.insert(places.end(), more.begin(), more.end());
    }
    return places;
}

} // namespace

EditorValuesRead ReadEditorValues(RomFile& file, const std::string& imagePath, const std::string& gameCode,
                                  const std::string& layoutPath)
{
    EditorValuesRead read;
    read.editors = EditorValuesFor(gameCode);
    for (const auto& editor : read.editors)
        editor->read(file, read.notes);
    read.places = placesOf(read.editors);
    read.layoutPath = layoutPath;
    if (read.layoutPath.empty() && KindOfFile(LayoutFileOf(imagePath)) != FileKind::None)
        read.layoutPath = LayoutFileOf(imagePath);
    if (read.layoutPath.empty())
        return read;
    ImageLayout layout;
    try {
        const PatchBytes bytes = ReadBinaryFile(read.layoutPath);
        layout = ReadLayout(QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())), gameCode,
                            read.places, file.size());
    } catch (const OpenError&) {
        throw;
    } catch (const KorvaneError& e) {
        throw KorvaneError(read.layoutPath + ": " + e.what(), e.systemError());
    }
    read.moves = std::make_shared<const ValueMoves>(MovesOf(read.places, layout));
    // Again, each value where the layout puts it.
    read.notes.clear();
    for (const auto& editor : read.editors) {
        editor->setMoves(read.moves);
        editor->read(file, read.notes);
    }
    return read;
}

std::vector<SuspectPlace> SuspectPlaces(const EditorValuesRead& read)
{
    std::vector<SuspectPlace> suspect;
    for (const auto& editor : read.editors) {
        for (EditorModel* model : editor->models()) {
            for (const SuspectValue& value : model->suspects()) {
                std::string key;
                for (const ValuePlace& place : read.places) {
                    const std::int64_t at = MovedOffset(*read.moves, place.offset);
                    if (value.offset >= at && value.offset < at + place.size)
                        key = place.key;
                }
                suspect.push_back({key, value});
            }
        }
    }
    return suspect;
}

LocatedImage LocateImageValues(const std::string& originalPath, const std::string& imagePath)
{
    LocatedImage located;
    std::vector<ValuePlace> places;
    {
        RomFile file(originalPath, RomFile::Access::Read);
        file.requireOpen(originalPath);
        located.gameCode = DetectGame(file, originalPath).game->code;
        // At the usual places, whatever layout lies beside the original.
        std::vector<std::string> notes;
        const auto editors = EditorValuesFor(located.gameCode);
        for (const auto& editor : editors)
            editor->read(file, notes);
        places = placesOf(editors);
    }
    if (places.empty())
        throw KorvaneError(
            QCoreApplication::translate("ImageValues", "no editor serves this image (game \"%1\"): nothing to locate")
                .arg(QString::fromStdString(located.gameCode))
                .toStdString());
    const PatchBytes original = ReadBinaryFile(originalPath);
    const PatchBytes image = ReadBinaryFile(imagePath);
    // The 14 bytes of the serial; the checksum after them may differ.
    const auto serialOf = [](const PatchBytes& bytes) {
        return bytes.size() >= 0x18E ? std::string(bytes.begin() + 0x180, bytes.begin() + 0x18E) : std::string();
    };
    if (serialOf(original) != serialOf(image))
        throw KorvaneError(QCoreApplication::translate(
                               "ImageValues", "the image's serial is not the original's: it is no modification of it")
                               .toStdString());
    located.values = LocateValues(original, image, places);
    return located;
}
