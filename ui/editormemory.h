// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What editor windows keep from one opening to the next: their owner (the
// main window) holds it for the run.
struct EditorMemory
{
    // The colour the palette editor edits, 0 to 63.
    int paletteColour = 0;
};
