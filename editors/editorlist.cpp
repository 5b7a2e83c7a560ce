// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/editorlist.h"

#include "core/translate.h"


const std::vector<EditorInfo>& Editors()
{
    static const std::vector<EditorInfo> editors = {
#define KORVANE_EDITOR(Name, item, key, title, ...) {EditorId::Name, item, key, title, {__VA_ARGS__}},
#include "editors/editors.def"
#undef KORVANE_EDITOR
    };
    return editors;
}

bool Serves(const EditorInfo& editor, const std::string& gameCode)
{
    for (const char* code : editor.games) {
        if (gameCode == code)
            return true;
    }
    return false;
}

const EditorInfo& InfoOf(EditorId id)
{
    // In the order of the ids, which follow the list.
    return Editors().at(static_cast<std::size_t>(id) - 1);
}

EditorId RouteFor(EditorItem item, const std::string& gameCode)
{
    for (const EditorInfo& editor : Editors()) {
        if (editor.item == item && Serves(editor, gameCode))
            return editor.id;
    }
    for (const EditorInfo& editor : Editors()) {
        if (editor.item == item && editor.games.empty())
            return editor.id;
    }
    return EditorId::None;
}

unsigned EditorItemsOf(const std::string& gameCode)
{
    unsigned items = 0;
    for (const EditorInfo& editor : Editors()) {
        if (Serves(editor, gameCode))
            items |= editor.item;
    }
    return items;
}
