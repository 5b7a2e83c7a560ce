// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string>

// File names between Qt and the core. The core takes a file name's bytes on
// Linux and its UTF-8 form on Windows, where the platform layer turns it
// into UTF-16; no name ever goes through the local 8-bit code page (which
// QFile::encodeName uses on Windows). Header only, so that the command-line
// tool, which links no widgets, shares it.

inline std::string CorePath(const QString& name)
{
#ifdef Q_OS_WIN
    return name.toStdString();
#else
    return QFile::encodeName(name).toStdString();
#endif
}

inline QString ShownPath(const std::string& path)
{
#ifdef Q_OS_WIN
    return QString::fromStdString(path);
#else
    return QFile::decodeName(QByteArray::fromStdString(path));
#endif
}
