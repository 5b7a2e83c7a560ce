// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/editormodel.h"
#include "core/locate.h"
#include "document/editorvalues.h"

#include <memory>
#include <string>
#include <vector>

class RomFile;

// The values sections of the editors that serve gameCode, in the editor
// list's order: objects, demos, water, texts, palettes.
std::vector<std::unique_ptr<EditorValues>> EditorValuesFor(const std::string& gameCode);

// Every value of an image's game as its editors read it, at the places its
// layout file gives.
struct EditorValuesRead
{
    std::vector<std::unique_ptr<EditorValues>> editors;
    // The values that could not be read, one line each.
    std::vector<std::string> notes;
    // The layout file read, or empty.
    std::string layoutPath;
    // The values it moves.
    std::shared_ptr<const ValueMoves> moves = std::make_shared<const ValueMoves>();
    // Every value's place, at its usual address.
    std::vector<ValuePlace> places;
};

// Reads the values of every editor of gameCode from file, the image at
// imagePath. The layout is layoutPath when given, else IMAGE.layout.json
// when it lies beside the image; its values are read at its addresses.
// Throws KorvaneError "<layout file>: ..." when the layout cannot be read
// or is refused (ReadLayout).
EditorValuesRead ReadEditorValues(RomFile& file, const std::string& imagePath, const std::string& gameCode,
                                  const std::string& layoutPath = {});

// The values read that do not look as expected (EditorModel::suspects),
// each named by its place's key, with what was found.
struct SuspectPlace
{
    std::string key;
    SuspectValue value;
};
std::vector<SuspectPlace> SuspectPlaces(const EditorValuesRead& read);

// Where every value of the untouched original lies in the image at
// imagePath (LocateValues): the original's values at their usual places.
// Throws KorvaneError when either cannot be read, or when the image's serial
// is not the original's.
struct LocatedImage
{
    std::string gameCode;
    std::vector<LocatedValue> values;
};
LocatedImage LocateImageValues(const std::string& originalPath, const std::string& imagePath);
