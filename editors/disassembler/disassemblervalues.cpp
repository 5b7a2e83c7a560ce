// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/editorvalues.h"
#include "editors/editorlist.h"

// The disassembler converts typed machine code; it reads no image.
std::unique_ptr<EditorValues> NewDisassemblerValues(const std::string&)
{
    return nullptr;
}
