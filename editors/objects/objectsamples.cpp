// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/syntheticimage.h"
#include "editors/editorlist.h"

#include "editors/objects/objectmodel.h"

#include <string_view>

namespace {

bool has(std::string_view label, std::string_view word)
{
    return label.find(word) != std::string_view::npos;
}

// A value of the kind the label names: hit counts and lives are small
// counts, speeds and heights are 8.8 fixed-point pixels per frame.
std::uint16_t sampleValue(const ObjectRow& row)
{
    const std::string_view label = row.label;
    const bool tails = has(label, "Tails");
    if (has(label, "hits"))
        return static_cast<std::uint16_t>(has(label, "laser") ? 4 : has(label, "Final") ? 12 : 8);
    if (has(label, "lives"))
        return static_cast<std::uint16_t>(has(label, "special stage") ? 5 : 3);
    // Water halves the speeds unless sneakers are on.
    const int slow = has(label, "underwater") && !has(label, "with sneakers") ? 2 : 1;
    if (has(label, "max speed"))
        return static_cast<std::uint16_t>((tails ? 0x0580 : 0x0600) / slow);
    if (has(label, "deceleration"))
        return static_cast<std::uint16_t>(0x0080 / slow);
    if (has(label, "acceleration"))
        return static_cast<std::uint16_t>(0x000C / slow);
    if (tails)
        return static_cast<std::uint16_t>(has(label, "?") ? 0x0380 : 0x0640);
    return static_cast<std::uint16_t>(has(label, "sneakers") ? 0x06C0 : 0x0680);
}

} // namespace

void FillObjectsSamples(SyntheticImage& image, const std::string& gameCode)
{
    if (gameCode != "p2")
        return;
    for (const ObjectRow& row : kObjectRows)
        image.word(static_cast<std::size_t>(row.offset), sampleValue(row));
}
