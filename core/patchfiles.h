// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/bps.h"
#include "core/platform/files.h"

#include <optional>
#include <string>

class RomFile;

// Patch files for the tool and the main window: the two formats behind one
// door, and the file operations around them.

enum class PatchFormat { Bps, Ips };

// The format a file name asks for by its extension (".bps", ".ips", either
// case), if any.
std::optional<PatchFormat> PatchFormatOfName(const std::string& path);
// The format of a patch by its first bytes. Throws KorvaneError for a file
// that is neither.
PatchFormat PatchFormatOf(const PatchBytes& patch);
const char* PatchFormatName(PatchFormat format);

PatchBytes CreatePatch(PatchFormat format, const PatchBytes& original, const PatchBytes& changed);
// Applies a patch of either format, found by its first bytes.
PatchBytes ApplyPatch(const PatchBytes& patch, const PatchBytes& original);

// The whole of a regular file of at most 1 GiB. Throws KorvaneError "Cannot
// open file <path>".
PatchBytes ReadBinaryFile(const std::string& path);

// Copies the whole of a file held open, read through it in pieces of 1 MiB
// (any size), to path as ReplaceFile writes: whole or not at all; a link at
// path to one of keep is replaced itself. Throws KorvaneError "Stream read
// error" or "Cannot write file <path>: <reason>".
void CopyOpenFile(RomFile& file, const std::string& path, const std::vector<std::string>& keep = {});

// Writes bytes to path through a new file in the same folder, flushed and
// renamed into place (ReplaceFileFrom): path holds either what it held or
// all of bytes, never a part. The temporaries of ended runs that could not
// be removed are added to unremoved, when given. Throws KorvaneError
// "Cannot write file <path>: <reason>".
void ReplaceFile(const std::string& path, const PatchBytes& bytes, std::vector<std::string>* unremoved = nullptr);

