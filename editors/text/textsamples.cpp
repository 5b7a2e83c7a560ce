// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/syntheticimage.h"
#include "editors/editorlist.h"

#include "editors/text/textcodec.h"
#include "editors/text/textmodel.h"

#include <array>

namespace {

// In the order of kTextFields; each fits its count.
constexpr std::array<const char*, kTextFieldCount> kSampleTexts = {
    "\u00A9 1992 PELBO", "ELM HILL", "MOSS CAVE", "CANDY NIGHT", "SPECIAL STAGE", "SPECIAL", "ZONE", "STAGE",
    "GAME OVER", "TIME OVER", "NO GAME", "TIED", "1P", "2P", "PLAYER SELECT", "PELBO AND TAILS", "PELBO ALONE",
    "TAILS ALONE", "VS MODE", "ALL KINDS", "SOUND TEST", "TELEPORT ONLY", "ITEMS", "RANDOM ORDER",
};

} // namespace

void FillTextsSamples(SyntheticImage& image, const std::string& gameCode)
{
    if (gameCode != "p2")
        return;
    for (std::size_t i = 0; i < kTextFields.size(); ++i) {
        const TextField& field = kTextFields[i];
        const auto offset = static_cast<std::size_t>(field.offset);
        if (field.form == TextForm::Word) {
            const std::vector<std::uint16_t> codes = EncodeTextWords(kSampleTexts[i], field.count);
            for (std::size_t k = 0; k < codes.size(); ++k)
                image.word(offset + 2 * k, codes[k]);
        } else {
            image.bytes(offset, EncodeTextBytes(kSampleTexts[i], field.count));
        }
    }
}

// The first game's text window edits nothing.
void FillFirstGameTextsSamples(SyntheticImage&, const std::string&) {}
