// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/imagesession.h"
#include "document/editorvalues.h"
#include "editors/imagevalues/imagevalues.h"

#include <QJsonObject>

#include <memory>
#include <string>
#include <vector>

// The values document: every value the editors of an image's game show, as
// one JSON object
//
//   {"format": "pelbo-korvane-values", "version": 1, "game": "p2",
//    "objects": {...}, "demos": {...}, "water": {...}, "texts": {...},
//    "palettes": {...}}
//
// with one section for each editor that serves the game. Keys are the
// labels the windows show; numbers are integers, colour words strings of
// four hexadecimal digits, texts UTF-8.
inline constexpr const char* kDocumentFormat = "pelbo-korvane-values";
inline constexpr int kDocumentVersion = 1;

// An image with the values of its game's editors read from it.
struct ImageValues
{
    std::string path;
    // The image's session, through which its values are saved.
    std::unique_ptr<ImageSession> session;
    std::string gameCode;
    std::vector<std::unique_ptr<EditorValues>> editors;
    // The values that could not be read, one line each.
    std::vector<std::string> notes;
    // The layout file the values were read through, or empty.
    std::string layoutPath;
    // The values read that do not look as expected.
    std::vector<SuspectPlace> suspects;
};

// Detects the image's game and reads every editor's values, through the
// layout at layoutPath or else the one beside the image (ReadEditorValues).
// Throws KorvaneError when the image cannot be read at all, or the layout
// is refused.
ImageValues ReadImageValues(const std::string& path, const std::string& layoutPath = {});
// The same from file, open as path.
ImageValues ReadImageValues(RomFile& file, const std::string& path, const std::string& layoutPath = {});

// The document of the values read.
QJsonObject ExportDocument(const ImageValues& image);

// Checks a whole document against the image: format, version, game, every
// editor and every value (EditorValues::want), before anything is written.
// Returns every refusal, one line each; none when the document is
// accepted. A document that is no values document of the image's game at
// all gives only that one line.
std::vector<std::string> WantDocument(ImageValues& image, const QJsonObject& document);

// One line per value that differs between two documents of image's game,
// "<editor>: <field> <before> -> <after>", in the order of the keys (JSON
// objects keep their keys sorted); "(none)" stands for a value one side
// lacks. A number its window shows in hexadecimal is shown as it does,
// with the document's integer beside it: "0600 (1536)".
std::vector<std::string> ValueChanges(const QJsonObject& before, const QJsonObject& after, const ImageValues& image);

// The wanted values of the editors a document names, as a document.
QJsonObject WantedDocument(const ImageValues& image, const QJsonObject& document);
