// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/syntheticimage.h"

#include <functional>
#include <string>
#include <vector>

// One header and what the detection must make of it.
struct DetectionCase
{
    std::string label;
    std::function<SyntheticImage()> build;
    std::string code;
    unsigned items;      // EditorItem bits
    std::string lblGame; // UTF-8
    // What the header panel says besides the header's fields: why no editor
    // is offered, or that the header is no cartridge's.
    std::string note = {};
};

// Every row of the detection table, the boundaries around them and the
// unknown-header rows.
const std::vector<DetectionCase>& DetectionCases();
