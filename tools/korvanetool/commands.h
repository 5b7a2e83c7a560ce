// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// The commands of korvane-tool. Each returns the exit code: 0 success, 1
// refused or failed (diff: 1 the images differ, 2 trouble), 2 wrong use.
// Results go to standard output, messages to standard error as
// "korvane-tool: PATH: message", with the system's reason where there is
// one ("korvane-tool: cannot open PATH: Permission denied").

// check: exit 1 when a checksum or ROM end does not match.
int InfoCommand(const QStringList& images, bool json, bool check);
// force: repair files that are no cartridge image too.
int FixCommand(const QStringList& images, bool force);
// layout: the image's layout file, else the one beside it when there is one.
int ExportCommand(const QString& image, const QString& output, const QString& layout);
// editAnyway: the keys of suspect values the document may write over.
int ImportCommand(const QString& image, const QString& documentFile, bool dryRun, bool noFix, bool force,
                  const QString& layout, const QStringList& editAnyway);
int DiffCommand(const QString& first, const QString& second, bool json);
// Where the values of original (untouched, of the same serial) lie in
// image: one line each on standard output, those not placed named on
// standard error; with output, the layout of the moved ones written there.
// 0 every value placed, 1 some not, 2 trouble.
int LocateCommand(const QString& original, const QString& image, const QString& output);
// action is "create" (ORIGINAL CHANGED OUT), "apply" (PATCH ORIGINAL OUT)
// or "info" (PATCH); format "bps", "ips" or empty (from OUT's extension).
// "-" is standard input for ORIGINAL or PATCH (one of them), standard
// output for OUT. Returns 2 for a wrong use.
int PatchCommand(const QString& action, const QStringList& files, const QString& format, bool json);

// Flushes standard output; false, with a message, when what was written to
// it could not be (a full disk, a closed pipe).
bool FlushStandardOutput();
