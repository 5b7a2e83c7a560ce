// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/recentimages.h"

#include <QSettings>

namespace {

const QString kKey = QStringLiteral("recentImages");

void store(const QStringList& paths)
{
    QSettings().setValue(kKey, paths);
}

} // namespace

namespace RecentImages {

QStringList list()
{
    return QSettings().value(kKey).toStringList().mid(0, kMaxRecent);
}

void add(const QString& path)
{
    QStringList paths = list();
    paths.removeAll(path);
    paths.prepend(path);
    store(paths.mid(0, kMaxRecent));
}

void remove(const QString& path)
{
    QStringList paths = list();
    paths.removeAll(path);
    store(paths);
}

void clear()
{
    store({});
}

} // namespace RecentImages
