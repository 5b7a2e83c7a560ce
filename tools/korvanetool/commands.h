// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// The commands of korvane-tool. Each returns the exit code: 0 success, 1
// refused or failed. Results go to standard output, messages to standard
// error as "korvane-tool: PATH: message".

int InfoCommand(const QStringList& images, bool json);
int FixCommand(const QStringList& images);
int ExportCommand(const QString& image, const QString& output);
int ImportCommand(const QString& image, const QString& documentFile, bool dryRun, bool noFix);
int DiffCommand(const QString& first, const QString& second);
// action is "create" (ORIGINAL CHANGED OUT), "apply" (PATCH ORIGINAL OUT)
// or "info" (PATCH); format "bps", "ips" or empty (from OUT's extension).
// Returns 2 for a wrong use.
int PatchCommand(const QString& action, const QStringList& files, const QString& format);
