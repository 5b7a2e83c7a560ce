// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/editorvalues.h"

#include "core/korvaneerror.h"
#include "core/leveltables.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <algorithm>
#include <cmath>

void Refuse(const QString& editor, const QString& field, const std::string& reason)
{
    Refusals one;
    one.add(editor, field, reason);
    throw KorvaneError(one.lines().front());
}

std::string Quoted(const std::string& text)
{
    // Appending, not "'" + temporary: GCC 12 at -O3 warns about the
    // insertion at the front (-Wrestrict) for no reason.
    std::string quoted(1, '\'');
    quoted += text;
    quoted += '\'';
    return quoted;
}

std::int64_t IntegerOf(const QString& editor, const QString& field, const QJsonValue& value)
{
    // Beyond 2^53 a double no longer holds every integer.
    const double number = value.toDouble();
    if (!value.isDouble() || std::fabs(number) > 9007199254740992.0 || std::trunc(number) != number)
        Refuse(editor, field, QCoreApplication::translate("EditorValues", "expected an integer").toStdString());
    return static_cast<std::int64_t>(number);
}

std::int64_t NumberOf(const QString& editor, const QString& field, const QJsonValue& value,
                      const NumberField& number, std::optional<std::int64_t> kept)
{
    if (!value.isString() && !value.isDouble())
        Refuse(editor, field,
               QCoreApplication::translate("EditorValues", "expected an integer or a number as text").toStdString());
    const std::int64_t integer = value.isDouble() ? IntegerOf(editor, field, value) : 0;
    const std::string text = value.isString() ? value.toString().toStdString() : std::to_string(integer);
    try {
        const std::int64_t parsed = value.isString() ? ReadNumber(text, number) : integer;
        return kept && parsed == *kept ? parsed : CheckNumberRange(parsed, text, number);
    } catch (const KorvaneError& e) {
        Refuse(editor, field, e.what());
    }
}

std::string NumberTextOf(const QString& editor, const QString& field, const QJsonValue& value,
                         const NumberField& number)
{
    if (value.isString())
        return value.toString().toStdString();
    return FormatNumber(NumberOf(editor, field, value, number), number);
}

QString StringOf(const QString& editor, const QString& field, const QJsonValue& value)
{
    if (!value.isString())
        Refuse(editor, field, QCoreApplication::translate("EditorValues", "expected a string").toStdString());
    return value.toString();
}

std::vector<QJsonValue> ArrayOf(const QString& editor, const QString& field, const QJsonValue& value, std::size_t count)
{
    if (!value.isArray())
        Refuse(editor, field, QCoreApplication::translate("EditorValues", "expected an array").toStdString());
    const QJsonArray array = value.toArray();
    if (static_cast<std::size_t>(array.size()) != count)
        Refuse(editor, field,
               QCoreApplication::translate("EditorValues", "expected %1 elements, not %2")
                   .arg(QString::number(count), QString::number(array.size()))
                   .toStdString());
    return {array.begin(), array.end()};
}

QStringList LevelNames(const char* listFile)
{
    QStringList names;
    for (const std::string& name : ReadLevelNames(listFile))
        names << QString::fromStdString(name);
    return names;
}

bool Refusals::check(const std::function<void()>& check)
{
    try {
        check();
        return true;
    } catch (const KorvaneError& e) {
        mLines.push_back(e.what());
        return false;
    }
}

void Refusals::add(const QString& editor, const QString& field, const std::string& reason)
{
    add(editor.toStdString() + ": " + field.toStdString() + ": " + reason);
}

void Refusals::add(const QString& editor, const FieldErrors& errors,
                   const std::function<QString(std::size_t field)>& nameOf)
{
    for (const FieldError& e : errors)
        add(editor, nameOf(e.field()), e.what());
}

void CheckKeys(const QString& editor, const QJsonObject& section, const std::vector<QString>& keys,
               Refusals& refusals)
{
    for (auto it = section.begin(); it != section.end(); ++it) {
        if (std::find(keys.begin(), keys.end(), it.key()) == keys.end())
            refusals.add(editor, it.key(),
                         QCoreApplication::translate("EditorValues", "not a value of this editor for this image")
                             .toStdString());
    }
}

ValuePlace PlaceOf(const QString& section, const QString& field, std::int64_t offset, std::int64_t size)
{
    return {(section + QLatin1Char('/') + field).toStdString(), offset, size};
}
