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

// Whether name stands for exactly one file. On Linux a name decoded from
// bytes that are not UTF-8 holds U+FFFD in their place, and encoding it
// again would name another file; on Windows a name with a lone surrogate
// has no UTF-8 form. Such names are refused, never guessed at.
inline bool ExactName(const QString& name)
{
    return name.isValidUtf16() && !name.contains(QChar::ReplacementCharacter);
}
// Shown through QCoreApplication::translate("FileNames", ...).
inline constexpr const char* kInexactNameMessage = QT_TRANSLATE_NOOP(
    "FileNames", "its name is not valid UTF-8, so it cannot be told from other names here; rename it to open it");

// Whether a command-line argument as Qt decoded it gives back the bytes the
// program was given (raw, from argv). Windows passes arguments as UTF-16,
// which only a lone surrogate spoils.
inline bool ExactArgument(const QString& decoded, const char* raw)
{
#ifdef Q_OS_WIN
    (void)raw;
    return decoded.isValidUtf16();
#else
    return QFile::encodeName(decoded) == QByteArray(raw);
#endif
}
