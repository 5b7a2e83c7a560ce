// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/korvanetool/valuesdocument.h"

#include "core/romfile.h"
#include "editors/editorlist.h"

#include "core/detection.h"
#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "core/translate.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace {

const QString kFormat = QStringLiteral("format");
const QString kVersion = QStringLiteral("version");
const QString kGame = QStringLiteral("game");

bool isHeaderKey(const QString& key)
{
    return key == kFormat || key == kVersion || key == kGame;
}

QJsonObject documentHead(const std::string& gameCode)
{
    QJsonObject document;
    document.insert(kFormat, QString::fromLatin1(kDocumentFormat));
    document.insert(kVersion, kDocumentVersion);
    document.insert(kGame, QString::fromStdString(gameCode));
    return document;
}

QString scalarText(const QJsonValue& value, int hexDigits = 0)
{
    if (value.isString())
        return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
    if (value.isDouble() && hexDigits > 0)
        return QStringLiteral("%1 (%2)")
            .arg(QString::fromStdString(HexStr(static_cast<std::uint32_t>(value.toInteger()), hexDigits)))
            .arg(value.toInteger());
    if (value.isDouble())
        return QString::number(value.toInteger());
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return QStringLiteral("null");
}

// Every scalar under value, with its path of keys and array places (from
// 1), shown as editor's window shows it.
void flatten(const QString& path, const QJsonValue& value, const EditorValues* editor,
             QList<QPair<QString, QString>>& out)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            flatten(path + QLatin1Char(' ') + it.key(), it.value(), editor, out);
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i)
            flatten(path + QLatin1Char(' ') + QString::number(i + 1), array.at(i), editor, out);
    } else {
        out.append({path, scalarText(value, editor ? editor->hexDigitsOf(path.mid(1)) : 0)});
    }
}

std::string line(const QString& editor, const QString& path, const QString& before, const QString& after)
{
    return (editor + QLatin1Char(':') + path + QLatin1Char(' ') + before + QStringLiteral(" -> ") + after).toStdString();
}

} // namespace

ImageValues ReadImageValues(const std::string& path, const std::string& layoutPath)
{
    RomFile file(path, RomFile::Access::Read);
    file.requireOpen(path);
    return ReadImageValues(file, path, layoutPath);
}

ImageValues ReadImageValues(RomFile& file, const std::string& path, const std::string& layoutPath)
{
    ImageValues image;
    image.path = path;
    image.session = std::make_unique<ImageSession>(path, DetectGame(file, path));
    image.gameCode = image.session->gameCode();
    EditorValuesRead read = ReadEditorValues(file, path, image.gameCode, layoutPath);
    image.session->setMoves(*read.moves);
    image.suspects = SuspectPlaces(read);
    image.editors = std::move(read.editors);
    image.notes = std::move(read.notes);
    image.layoutPath = std::move(read.layoutPath);
    return image;
}

QJsonObject ExportDocument(const ImageValues& image)
{
    QJsonObject document = documentHead(image.gameCode);
    for (const auto& editor : image.editors)
        document.insert(editor->key(), editor->values());
    return document;
}

std::vector<std::string> WantDocument(ImageValues& image, const QJsonObject& document)
{
    if (document.value(kFormat) != QString::fromLatin1(kDocumentFormat))
        return {Substituted(QCoreApplication::translate("ToolMessages",
                                                        "not a values document: \"format\" must be \"%1\"")
                                .toStdString(),
                            {kDocumentFormat})};
    if (document.value(kVersion) != kDocumentVersion)
        return {Substituted(QCoreApplication::translate("ToolMessages",
                                                        "version %1 of the values document is not known; this "
                                                        "program reads version %2")
                                .toStdString(),
                            {scalarText(document.value(kVersion)).toStdString(), std::to_string(kDocumentVersion)})};
    const QString game = document.value(kGame).toString();
    if (game != QString::fromStdString(image.gameCode))
        return {Substituted(QCoreApplication::translate("ToolMessages",
                                                        "the document is for the game \"%1\", the image is \"%2\"")
                                .toStdString(),
                            {game.toStdString(), image.gameCode})};
    Refusals refusals;
    for (auto it = document.begin(); it != document.end(); ++it) {
        if (isHeaderKey(it.key()))
            continue;
        EditorValues* editor = nullptr;
        for (const auto& e : image.editors) {
            if (e->key() == it.key())
                editor = e.get();
        }
        if (!editor)
            refusals.add(Substituted(
                QCoreApplication::translate("ToolMessages", "%1: no such editor for the game \"%2\"").toStdString(),
                {it.key().toStdString(), image.gameCode}));
        else if (!it.value().isObject())
            refusals.add(
                Substituted(QCoreApplication::translate("ToolMessages", "%1: expected an object").toStdString(),
                            {it.key().toStdString()}));
        else
            editor->want(it.value().toObject(), refusals);
    }
    return refusals.lines();
}

QJsonObject WantedDocument(const ImageValues& image, const QJsonObject& document)
{
    QJsonObject wanted = documentHead(image.gameCode);
    for (const auto& editor : image.editors) {
        if (document.contains(editor->key()))
            wanted.insert(editor->key(), editor->wanted());
    }
    return wanted;
}

std::vector<std::string> ValueChanges(const QJsonObject& before, const QJsonObject& after, const ImageValues& image)
{
    std::vector<std::string> lines;
    for (auto it = after.begin(); it != after.end(); ++it) {
        if (isHeaderKey(it.key()))
            continue;
        const EditorValues* editor = nullptr;
        for (const auto& e : image.editors) {
            if (e->key() == it.key())
                editor = e.get();
        }
        QList<QPair<QString, QString>> was;
        QList<QPair<QString, QString>> now;
        flatten(QString(), before.value(it.key()), editor, was);
        flatten(QString(), it.value(), editor, now);
        for (const auto& [path, text] : now) {
            QString old = QStringLiteral("(none)");
            for (const auto& [p, t] : was) {
                if (p == path)
                    old = t;
            }
            if (old != text)
                lines.push_back(line(it.key(), path, old, text));
        }
        for (const auto& [path, text] : was) {
            const bool kept =
                std::any_of(now.begin(), now.end(), [&key = path](const auto& n) { return n.first == key; });
            if (!kept)
                lines.push_back(line(it.key(), path, text, QStringLiteral("(none)")));
        }
    }
    return lines;
}
