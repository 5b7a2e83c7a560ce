// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/layoutfile.h"

#include "core/korvaneerror.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QString>

#include <algorithm>

namespace {

[[noreturn]] void refuse(const QString& reason)
{
    throw KorvaneError(QCoreApplication::translate("LayoutFile", "The layout is refused: %1; nothing is read through it")
                           .arg(reason)
                           .toStdString());
}

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string hexOf(std::int64_t address)
{
    return "0x" + QString::number(address, 16).toUpper().toStdString();
}

std::int64_t addressOf(const std::string& key, const QJsonValue& value)
{
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (number >= 0 && number <= double(INT64_C(1) << 40) && number == double(std::int64_t(number)))
            return std::int64_t(number);
    } else if (value.isString()) {
        static const QRegularExpression hex(QStringLiteral("^0x[0-9A-Fa-f]{1,10}$"));
        const QString text = value.toString();
        if (hex.match(text).hasMatch())
            return text.mid(2).toLongLong(nullptr, 16);
    }
    refuse(QCoreApplication::translate("LayoutFile",
                                       "%1: the address is no \"0x\" followed by hexadecimal digits, nor a whole number")
               .arg(fromStd(key)));
}

} // namespace

std::string LayoutFileOf(const std::string& imagePath)
{
    return imagePath + ".layout.json";
}

ImageLayout ReadLayout(const QByteArray& text, const std::string& gameCode, const std::vector<ValuePlace>& places,
                       std::int64_t imageSize)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        const QByteArray before = text.left(error.offset);
        const auto line = before.count('\n') + 1;
        const auto column = error.offset - (before.lastIndexOf('\n') + 1) + 1;
        refuse(QCoreApplication::translate("LayoutFile", "it is no JSON (line %1, column %2: %3)")
                   .arg(QString::number(line), QString::number(column), error.errorString()));
    }
    if (!document.isObject())
        refuse(QCoreApplication::translate("LayoutFile", "it is no JSON object"));
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != QLatin1String(kLayoutFormat))
        refuse(QCoreApplication::translate("LayoutFile", "its \"format\" is not \"%1\"")
                   .arg(QLatin1String(kLayoutFormat)));
    if (root.value(QStringLiteral("version")) != QJsonValue(kLayoutVersion))
        refuse(QCoreApplication::translate("LayoutFile", "its \"version\" is not %1").arg(kLayoutVersion));
    if (root.value(QStringLiteral("game")).toString().toStdString() != gameCode)
        refuse(QCoreApplication::translate("LayoutFile", "its \"game\" is not the image's, \"%1\"")
                   .arg(fromStd(gameCode)));
    for (const QString& key : root.keys()) {
        if (key != QLatin1String("format") && key != QLatin1String("version") && key != QLatin1String("game")
            && key != QLatin1String("values"))
            refuse(QCoreApplication::translate("LayoutFile", "\"%1\" is no key of a layout").arg(key));
    }
    if (!root.value(QStringLiteral("values")).isObject())
        refuse(QCoreApplication::translate("LayoutFile", "its \"values\" is no JSON object"));
    const QJsonObject values = root.value(QStringLiteral("values")).toObject();

    ImageLayout layout;
    for (auto entry = values.begin(); entry != values.end(); ++entry) {
        const std::string key = entry.key().toStdString();
        const auto place = std::find_if(places.begin(), places.end(), [&key](const ValuePlace& p) { return p.key == key; });
        if (place == places.end())
            refuse(
                QCoreApplication::translate("LayoutFile", "%1: no value of this game has this key").arg(entry.key()));
        const std::int64_t address = addressOf(key, entry.value());
        if (address + place->size > imageSize)
            refuse(QCoreApplication::translate("LayoutFile", "%1: at %2 it would end past the image's %3 bytes")
                       .arg(entry.key(), fromStd(hexOf(address)), QString::number(imageSize)));
        layout[key] = address;
    }
    // No two values on one byte, where the layout moved one of them.
    std::vector<ValuePlace> placed = PlacesIn(places, layout);
    std::sort(placed.begin(), placed.end(),
              [](const ValuePlace& a, const ValuePlace& b) { return a.offset < b.offset; });
    for (std::size_t i = 0; i < placed.size(); ++i) {
        for (std::size_t j = i + 1; j < placed.size() && placed[j].offset < placed[i].offset + placed[i].size; ++j) {
            if (layout.count(placed[i].key) || layout.count(placed[j].key))
                refuse(QCoreApplication::translate("LayoutFile", "%1 and %2 would overlap at %3")
                           .arg(fromStd(placed[i].key), fromStd(placed[j].key), fromStd(hexOf(placed[j].offset))));
        }
    }
    return layout;
}

ValueMoves MovesOf(const std::vector<ValuePlace>& places, const ImageLayout& layout)
{
    ValueMoves moves;
    for (const ValuePlace& place : places) {
        if (const auto moved = layout.find(place.key); moved != layout.end() && moved->second != place.offset)
            moves.push_back({place.offset, place.size, moved->second});
    }
    return moves;
}

std::vector<ValuePlace> PlacesIn(const std::vector<ValuePlace>& places, const ImageLayout& layout)
{
    std::vector<ValuePlace> placed = places;
    for (ValuePlace& place : placed) {
        if (const auto moved = layout.find(place.key); moved != layout.end())
            place.offset = moved->second;
    }
    return placed;
}

QByteArray LayoutDocument(const std::string& gameCode, const std::vector<LocatedValue>& located)
{
    QJsonObject values;
    for (const LocatedValue& value : located) {
        if (value.result == LocateResult::Moved)
            values.insert(QString::fromStdString(value.key), QString::fromStdString(hexOf(value.found)));
    }
    QJsonObject root;
    root.insert(QStringLiteral("format"), QLatin1String(kLayoutFormat));
    root.insert(QStringLiteral("version"), kLayoutVersion);
    root.insert(QStringLiteral("game"), QString::fromStdString(gameCode));
    root.insert(QStringLiteral("values"), values);
    return QJsonDocument(root).toJson();
}
