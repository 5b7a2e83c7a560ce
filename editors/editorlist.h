// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/detection.h"

#include <memory>
#include <string>
#include <vector>

class EditorValues;
class ImageSession;
class QDialog;
class QWidget;
class SyntheticImage;
struct EditorMemory;

// Every editor of editors/editors.def.
enum class EditorId {
    None,
#define KORVANE_EDITOR(Name, ...) Name,
#include "editors/editors.def"
#undef KORVANE_EDITOR
};

// What editors.def says of one editor.
struct EditorInfo
{
    EditorId id;
    EditorItem item;
    const char* key;                // "" when it has no values section
    const char* title;              // the window's title before the image's name, in English
                                    // (shown translated, context "EditorList")
    std::vector<const char*> games; // empty: offered for no game in particular
};

// The editors in the list's order.
const std::vector<EditorInfo>& Editors();
// What the list says of id (not EditorId::None).
const EditorInfo& InfoOf(EditorId id);

// The editor an Editor item opens for a game code: the first that serves
// the game, else the first of the item that lists no game; EditorId::None
// when none does.
EditorId RouteFor(EditorItem item, const std::string& gameCode);

// Whether the Editor menu offers editor for the game code.
bool Serves(const EditorInfo& editor, const std::string& gameCode);

// The Editor menu items offered for a game code (EditorItem bits): those of
// the editors that serve it.
unsigned EditorItemsOf(const std::string& gameCode);

// What each editor's folder defines (see editors.def), in the window layer,
// the document layer and the plain layer.
#define KORVANE_EDITOR(Name, ...)                                                                                      \
    std::unique_ptr<QDialog> New##Name##Editor(ImageSession* session, EditorMemory& memory, QWidget* owner);          \
    std::unique_ptr<EditorValues> New##Name##Values(const std::string& gameCode);                                    \
    void Fill##Name##Samples(SyntheticImage& image, const std::string& gameCode);
#include "editors/editors.def"
#undef KORVANE_EDITOR

// Each editor's three functions by its id: nullptr, or nothing done, for
// EditorId::None. Each layer calls only those it links. (The first two are
// templates only to be made where their types are complete.)
template <typename Dialog = QDialog>
std::unique_ptr<Dialog> NewEditorWindow(EditorId id, ImageSession* session, EditorMemory& memory, QWidget* owner)
{
    switch (id) {
#define KORVANE_EDITOR(Name, ...)                                                                                      \
    case EditorId::Name:                                                                                               \
        return New##Name##Editor(session, memory, owner);
#include "editors/editors.def"
#undef KORVANE_EDITOR
    case EditorId::None:
        break;
    }
    return nullptr;
}

template <typename Values = EditorValues>
std::unique_ptr<Values> NewEditorValues(EditorId id, const std::string& gameCode)
{
    switch (id) {
#define KORVANE_EDITOR(Name, ...)                                                                                      \
    case EditorId::Name:                                                                                               \
        return New##Name##Values(gameCode);
#include "editors/editors.def"
#undef KORVANE_EDITOR
    case EditorId::None:
        break;
    }
    return nullptr;
}

inline void FillEditorSamples(EditorId id, SyntheticImage& image, const std::string& gameCode)
{
    switch (id) {
#define KORVANE_EDITOR(Name, ...)                                                                                      \
    case EditorId::Name:                                                                                               \
        Fill##Name##Samples(image, gameCode);                                                                         \
        break;
#include "editors/editors.def"
#undef KORVANE_EDITOR
    case EditorId::None:
        break;
    }
}
