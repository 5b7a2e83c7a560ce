// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/editorvalues.h"
#include "editors/editorlist.h"

// The art viewer shows; it has no values to export or import.
std::unique_ptr<EditorValues> NewArtValues(const std::string&)
{
    return nullptr;
}
