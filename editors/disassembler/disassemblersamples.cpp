// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/syntheticimage.h"
#include "editors/editorlist.h"

// The disassembler reads no image: nothing to fill.
void FillDisassemblerSamples(SyntheticImage&, const std::string&) {}
