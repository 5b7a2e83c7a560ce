// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/editormodel.h"
#include "core/locate.h"

#include <QByteArray>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The layout file beside a modified image, IMAGE.layout.json: where the
// values that are not at their usual place lie in it.
//
//   {"format": "pelbo-korvane-layout", "version": 1, "game": "p2",
//    "values": {"objects/EHZ boss hits": "0x2EF90", ...}}
//
// Keys are the values' places (EditorValues::places()); an address is a
// string of hexadecimal digits after "0x" or a non-negative integer.
inline constexpr const char* kLayoutFormat = "pelbo-korvane-layout";
inline constexpr int kLayoutVersion = 1;

// "<image>.layout.json".
std::string LayoutFileOf(const std::string& imagePath);

// The addresses a layout gives, by key.
using ImageLayout = std::map<std::string, std::int64_t>;

// Reads a layout for an image of gameCode, imageSize bytes long, whose
// values lie at places unless moved. Throws KorvaneError naming what is
// wrong (and the key): text that is no JSON object (with its line and
// column), another format, version or game, a key that names no value, an
// address that is no address, a value that would end past the image, two
// values that would overlap (one of them moved).
ImageLayout ReadLayout(const QByteArray& text, const std::string& gameCode, const std::vector<ValuePlace>& places,
                       std::int64_t imageSize);

// The moves of the values the layout places elsewhere than places do.
ValueMoves MovesOf(const std::vector<ValuePlace>& places, const ImageLayout& layout);

// places with the layout's addresses.
std::vector<ValuePlace> PlacesIn(const std::vector<ValuePlace>& places, const ImageLayout& layout);

// The layout of the values located as moved, as a layout file's text.
QByteArray LayoutDocument(const std::string& gameCode, const std::vector<LocatedValue>& located);
