// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// The images selected last, newest first, kept in the program's settings.
namespace RecentImages {

inline constexpr int kMaxRecent = 8;

QStringList list();
// Puts path first, dropping an older place of it and what falls past
// kMaxRecent.
void add(const QString& path);
void remove(const QString& path);
void clear();

} // namespace RecentImages
