// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Faults of a file for the window tests, and random images.

#include "tests/support/testfiles.h"

#include <QString>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

// A fault of the file at path, made by the constructor and held while the
// object lives: "deleted", "directory" (the file replaced by a folder),
// "locked" (held by another program), "limit=<hex>" (writes at or past that
// offset fail, as on a full disk). "" makes no fault.
class FileFault
{
public:
    FileFault(const QString& kind, const std::string& path)
    {
        if (kind == QLatin1String("deleted") || kind == QLatin1String("directory")) {
            std::filesystem::remove(path);
            if (kind == QLatin1String("directory"))
                std::filesystem::create_directory(path);
        } else if (kind == QLatin1String("locked")) {
            mLock = std::make_unique<ForeignLock>(path);
        } else if (kind.startsWith(QLatin1String("limit="))) {
            mLimit = std::make_unique<WriteLimit>(kind.mid(6).toULongLong(nullptr, 16));
        }
    }

private:
    std::unique_ptr<ForeignLock> mLock;
    std::unique_ptr<WriteLimit> mLimit;
};

// Skips the test where the fault cannot be made: no file-size limit on
// Windows.
#define SKIP_IMPOSSIBLE_FAULT(kind)                                                                                   \
    do {                                                                                                             \
        if (QString(kind).startsWith(QLatin1String("limit=")) && !WriteLimit::Supported())                            \
            QSKIP("no file-size limit here");                                                                        \
    } while (false)

// What lies at path: "missing", "directory", or the file's bytes as hex.
inline QByteArray FileState(const std::string& path)
{
    if (!std::filesystem::exists(path))
        return "missing";
    if (std::filesystem::is_directory(path))
        return "directory";
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())).toHex();
}

// How the file at path differs from bytes: "" when it holds them, else
// "missing", "directory", its size or its first byte that differs.
inline QString FileDifference(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    const QByteArray state = FileState(path);
    if (state == "missing" || state == "directory")
        return QString::fromLatin1(state);
    const std::vector<std::uint8_t> actual = ReadFileBytes(path);
    if (actual.size() != bytes.size())
        return QStringLiteral("size %1, not %2").arg(actual.size()).arg(bytes.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        if (actual[i] != bytes[i])
            return QStringLiteral("byte at %1 is %2, not %3")
                .arg(i, 6, 16, QLatin1Char('0'))
                .arg(actual[i], 2, 16, QLatin1Char('0'))
                .arg(bytes[i], 2, 16, QLatin1Char('0'));
    return {};
}

// What FileDifference gives after a fault of kind that left the file's
// bytes right: a deleted file stays missing, a replaced one a folder.
inline QString DifferenceAfter(const QString& kind)
{
    return kind == QLatin1String("deleted") ? QStringLiteral("missing")
        : kind == QLatin1String("directory") ? QStringLiteral("directory")
                                             : QString();
}

// size bytes drawn from rng.
inline std::vector<std::uint8_t> RandomBytes(std::mt19937& rng, std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::uint8_t& b : bytes)
        b = static_cast<std::uint8_t>(rng());
    return bytes;
}
