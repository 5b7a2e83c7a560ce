// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/editormodel.h"

#include "core/numbers.h"
#include "core/translate.h"

#include <cstdio>

std::string HexBytes(const std::string& bytes)
{
    std::string text;
    for (const char c : bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned char>(c));
        text += digits;
    }
    return text;
}

std::string SuspectValue::text() const
{
    return Substituted(Translated("EditorModel", "at $%1: found %2, not %3"),
                       {HexStr(static_cast<std::uint32_t>(offset), 0), found, kind});
}

std::int64_t MovedOffset(const ValueMoves& moves, std::int64_t usual)
{
    for (const ValueMove& move : moves) {
        if (usual >= move.usual && usual < move.usual + move.size)
            return move.moved + (usual - move.usual);
    }
    return usual;
}

std::int64_t EditorModel::at(std::int64_t usual) const
{
    return mMoves ? MovedOffset(*mMoves, usual) : usual;
}

std::vector<SuspectValue> EditorModel::blockedChanges() const
{
    std::vector<SuspectValue> blocked;
    const std::vector<SuspectValue> suspect = suspects();
    if (suspect.empty())
        return blocked;
    for (const ImageSnapshot::Value& change : changes()) {
        const std::int64_t end = change.offset + static_cast<std::int64_t>(change.bytes.size());
        for (const SuspectValue& value : suspect) {
            const std::int64_t valueEnd = value.offset + static_cast<std::int64_t>(value.found.size() / 2);
            if (value.offset < end && change.offset < valueEnd && !allowed(value.offset))
                blocked.push_back(value);
        }
    }
    return blocked;
}
