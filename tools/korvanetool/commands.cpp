// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/korvanetool/commands.h"

#include "core/bps.h"
#include "core/checksum.h"
#include "core/codepage.h"
#include "core/detection.h"
#include "core/ips.h"
#include "core/korvaneerror.h"
#include "core/locate.h"
#include "core/numbers.h"
#include "core/patchfiles.h"
#include "core/romaccess.h"
#include "core/romfile.h"
#include "core/translate.h"
#include "document/layoutfile.h"
#include "tools/korvanetool/valuesdocument.h"
#include "ui/filenames.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <limits>

namespace {

// A message in the user's language, as UTF-8, with its place markers (%1,
// %2 ...) replaced by arguments as they are.
std::string filled(const QString& message, std::initializer_list<std::string_view> arguments)
{
    return Substituted(message.toStdString(), arguments);
}

void complain(const std::string& path, const std::string& message)
{
    // A message that starts with the file's name names it already.
    const bool named = path.empty() || message.rfind(path + " ", 0) == 0;
    std::cerr << "korvane-tool: " << (named ? "" : path + ": ") << message << '\n';
}

// An error with the system's reason where it has one: "cannot open PATH:
// No such file or directory", "PATH: Stream write error: No space left on
// device".
void complain(const std::string& path, const KorvaneError& e)
{
    if (const auto* open = dynamic_cast<const OpenError*>(&e); open && open->systemError() != 0) {
        // A FIFO or a device, refused without waiting on it.
        const int err = open->systemError();
        const std::string reason =
            err == EINVAL ? QCoreApplication::translate("ToolMessages", "it is no regular file").toStdString()
                          : SystemErrorText(err);
        complain({}, filled(QCoreApplication::translate("ToolMessages", "cannot open %1: %2"), {open->path(), reason}));
        return;
    }
    std::string message = e.what();
    if (e.systemError() != 0 && message.find(SystemErrorText(e.systemError())) == std::string::npos)
        message += ": " + SystemErrorText(e.systemError());
    complain(path, message);
}

// The most a values document may hold.
constexpr std::size_t kMaxDocument = std::size_t{16} << 20;

// The whole of a file, or of standard input for "-", of at most limit
// bytes (patches and images: what ReadBinaryFile takes).
PatchBytes readInput(const std::string& path, std::size_t limit = 0)
{
    const std::string tooLarge =
        filled(QCoreApplication::translate("ToolMessages", "larger than %1 MiB, more than a values document may hold"),
               {std::to_string(limit >> 20)});
    if (path != "-") {
        if (limit == 0)
            return ReadBinaryFile(path);
        const FileText file = ReadFileText(path, limit);
        if (file.error == EFBIG)
            throw KorvaneError(tooLarge);
        if (file.error != 0)
            throw OpenError(path, file.error);
        return {file.text.begin(), file.text.end()};
    }
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        throw KorvaneError(filled(QCoreApplication::translate("ToolMessages", "cannot read standard input: %1"),
                                  {in.errorString().toStdString()}));
    PatchBytes bytes;
    for (;;) {
        const QByteArray piece = in.read(1 << 16);
        if (piece.isEmpty())
            break;
        bytes.insert(bytes.end(), piece.begin(), piece.end());
        if (limit != 0 && bytes.size() > limit)
            throw KorvaneError(tooLarge);
    }
    return bytes;
}

// Writes a file made from inputs, never over one of them; "-" is standard
// output.
void writeResult(const std::string& out, const std::vector<std::string>& inputs, const PatchBytes& bytes);

// What a command prints as JSON.
void printJson(const QJsonDocument& document)
{
    std::cout << document.toJson().toStdString();
}

void printNotes(const ImageValues& image)
{
    for (const std::string& note : image.notes)
        complain(image.path, note);
    for (const SuspectPlace& suspect : image.suspects)
        complain(image.path, suspect.key + ": " + suspect.value.text());
}

QString hex(std::uint32_t value, int digits)
{
    return QString::fromStdString(HexStr(value, digits));
}

// The line and column of a byte offset of text, from 1.
std::pair<int, int> lineAndColumn(const QByteArray& text, qsizetype offset)
{
    int line = 1;
    int column = 1;
    for (qsizetype i = 0; i < std::min(offset, text.size()); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return {line, column};
}

QJsonObject infoOf(const std::string& path)
{
    const Detection detection = DetectGame(path);
    const HeaderState header = ReadHeaderState(path);
    QJsonObject info;
    info.insert(QStringLiteral("path"), ShownPath(path));
    const bool known = std::string(detection.game->code) != "un";
    info.insert(QStringLiteral("game"), known ? QString::fromLatin1(detection.game->code) : QStringLiteral("unknown"));
    info.insert(QStringLiteral("name"), QString::fromStdString(Cp1252ToUtf8(detection.game->name)));
    info.insert(QStringLiteral("serial"), QString::fromStdString(Cp1252ToUtf8(detection.serial)));
    info.insert(QStringLiteral("size"), static_cast<qint64>(header.size));
    info.insert(QStringLiteral("storedChecksum"), hex(header.storedChecksum, 4));
    info.insert(QStringLiteral("storedRomEnd"), hex(header.storedRomEnd, 6));
    if (header.summed) {
        info.insert(QStringLiteral("computedChecksum"), hex(header.computedChecksum, 4));
        info.insert(QStringLiteral("checksum"), header.checksumOk() ? QStringLiteral("OK") : QStringLiteral("MISMATCH"));
        info.insert(QStringLiteral("expectedRomEnd"), hex(header.expectedRomEnd, 6));
        info.insert(QStringLiteral("romEnd"), header.romEndOk() ? QStringLiteral("OK") : QStringLiteral("MISMATCH"));
    }
    return info;
}

// One line of what is printed about a file, under its name.
void printField(const std::string& text)
{
    std::cout << "  " << text << '\n';
}

void printInfo(const QJsonObject& info)
{
    const auto text = [&info](const char* key) { return info.value(QLatin1String(key)).toString().toStdString(); };
    // "OK" or "MISMATCH" of the JSON, in the user's language.
    const auto verdict = [&text](const char* key) {
        return (text(key) == "OK" ? QCoreApplication::translate("ToolMessages", "OK")
                                  : QCoreApplication::translate("ToolMessages", "MISMATCH"))
            .toStdString();
    };
    std::cout << text("path") << '\n';
    if (text("game") == "unknown")
        printField(filled(QCoreApplication::translate("ToolMessages", "game:      unknown, serial \"%1\""),
                          {text("serial")}));
    else
        printField(filled(QCoreApplication::translate("ToolMessages", "game:      %1 (%2)"),
                          {text("game"), text("name")}));
    printField(filled(QCoreApplication::translate("ToolMessages", "size:      %1 bytes"),
                      {std::to_string(info.value(QStringLiteral("size")).toInteger())}));
    if (info.contains(QStringLiteral("checksum"))) {
        printField(filled(QCoreApplication::translate("ToolMessages", "checksum:  stored %1, computed %2, %3"),
                          {text("storedChecksum"), text("computedChecksum"), verdict("checksum")}));
        printField(filled(QCoreApplication::translate("ToolMessages", "ROM end:   stored %1, expected %2, %3"),
                          {text("storedRomEnd"), text("expectedRomEnd"), verdict("romEnd")}));
    } else {
        printField(filled(QCoreApplication::translate("ToolMessages",
                                                      "checksum:  stored %1, nothing to sum (0x200 bytes or fewer)"),
                          {text("storedChecksum")}));
    }
}

} // namespace

int InfoCommand(const QStringList& images, bool json, bool check)
{
    int status = 0;
    QJsonArray all;
    for (const QString& image : images) {
        try {
            const QJsonObject info = infoOf(CorePath(image));
            if (json)
                all.append(info);
            else
                printInfo(info);
            const QString mismatch = QStringLiteral("MISMATCH");
            if (check && (info.value(QStringLiteral("checksum")) == mismatch || info.value(QStringLiteral("romEnd")) == mismatch))
                status = 1;
        } catch (const KorvaneError& e) {
            complain(CorePath(image), e);
            status = 1;
        }
    }
    if (json)
        printJson(QJsonDocument(all));
    return status;
}

int FixCommand(const QStringList& images, bool force)
{
    int status = 0;
    for (const QString& image : images) {
        const std::string path = CorePath(image);
        try {
            // Refused above 4 GiB like by every other command.
            RomFileSize(path);
            if (!force && !IsCartridgeImage(path))
                throw KorvaneError(filled(
                    QCoreApplication::translate("ToolMessages", "%1; nothing was written (--force repairs it)"),
                    {NotCartridgeMessage()}));
            // The header before and the repair from one pass over the image,
            // held as import holds it (a lock refuses both alike).
            HeaderState before;
            RomFile file(path, RomFile::Access::Write);
            file.requireOpen(path);
            FixChecksum(file, &before);
            if (!before.summed) {
                std::cout << filled(QCoreApplication::translate("ToolMessages",
                                                                "%1: 0x200 bytes or fewer, nothing to sum: left alone"),
                                    {path})
                          << '\n';
                continue;
            }
            std::cout << filled(QCoreApplication::translate("ToolMessages", "%1: checksum %2 -> %3, ROM end %4 -> %5"),
                                {path, HexStr(before.storedChecksum, 4), HexStr(before.computedChecksum, 4),
                                 HexStr(before.storedRomEnd, 6), HexStr(before.expectedRomEnd, 6)})
                      << '\n';
        } catch (const KorvaneError& e) {
            complain(path, e);
            status = 1;
        }
    }
    return status;
}

int ExportCommand(const QString& image, const QString& output, const QString& layout)
{
    const std::string path = CorePath(image);
    QByteArray text;
    try {
        const ImageValues values = ReadImageValues(path, layout.isEmpty() ? std::string() : CorePath(layout));
        if (values.editors.empty())
            throw KorvaneError(filled(QCoreApplication::translate(
                                          "ToolMessages",
                                          "no editor serves this image (game \"%1\"): nothing to export"),
                                      {values.gameCode}));
        printNotes(values);
        text = QJsonDocument(ExportDocument(values)).toJson();
    } catch (const KorvaneError& e) {
        complain(path, e);
        return 1;
    }
    if (output.isEmpty() || output == QLatin1String("-")) {
        std::cout << text.toStdString();
        return 0;
    }
    // Written whole or not at all, never over the image.
    try {
        writeResult(CorePath(output), {path}, PatchBytes(text.begin(), text.end()));
    } catch (const KorvaneError& e) {
        complain(CorePath(output), e);
        return 1;
    }
    return 0;
}

int ImportCommand(const QString& image, const QString& documentFile, bool dryRun, bool noFix, bool force,
                  const QString& layout, const QStringList& editAnyway)
{
    const std::string path = CorePath(image);
    const std::string docPath = CorePath(documentFile);
    QByteArray text;
    try {
        const PatchBytes bytes = readInput(docPath, kMaxDocument);
        text = QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    } catch (const KorvaneError& e) {
        complain(docPath, e);
        return 1;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        const auto [line, column] = lineAndColumn(text, error.offset);
        complain(docPath, filled(QCoreApplication::translate("ToolMessages", "line %1, column %2: %3"),
                                 {std::to_string(line), std::to_string(column), error.errorString().toStdString()}));
        return 1;
    }
    if (!document.isObject()) {
        complain(docPath, QCoreApplication::translate("ToolMessages", "expected a JSON object").toStdString());
        return 1;
    }
    try {
        ImageValues values = ReadImageValues(path, layout.isEmpty() ? std::string() : CorePath(layout));
        printNotes(values);
        for (const QString& key : editAnyway) {
            const bool suspect = std::any_of(values.suspects.begin(), values.suspects.end(),
                                             [k = key.toStdString()](const SuspectPlace& s) { return s.key == k; });
            if (!suspect)
                complain(path, filled(QCoreApplication::translate(
                                          "ToolMessages", "%1: not a suspect value; --edit-anyway ignored for it"),
                                      {key.toStdString()}));
        }
        // Everything is checked before the first write, and every refusal
        // is named.
        const std::vector<std::string> refusals = WantDocument(values, document.object());
        for (const std::string& refusal : refusals)
            complain(docPath, refusal);
        if (!refusals.empty())
            return 1;
        const std::vector<std::string> changes =
            ValueChanges(ExportDocument(values), WantedDocument(values, document.object()), values);
        for (const std::string& change : changes)
            std::cout << change << '\n';
        // Nothing to change, nothing written: not even the header.
        if (dryRun || changes.empty())
            return 0;
        if (!noFix && !force && !IsCartridgeImage(path))
            throw KorvaneError(filled(QCoreApplication::translate("ToolMessages",
                                                              "%1; nothing was written (--no-fix leaves the header, "
                                                              "--force repairs it)"),
                                      {NotCartridgeMessage()}));
        // Only the sections that change something are written, and each of
        // them must be able to write before any of them does.
        std::vector<EditorValues*> writers;
        for (const auto& editor : values.editors) {
            if (document.object().contains(editor->key()) && editor->wanted() != editor->values())
                writers.push_back(editor.get());
        }
        bool refused = false;
        for (const EditorValues* editor : writers) {
            if (const std::string reason = editor->writeRefusal(); !reason.empty()) {
                complain(path, editor->key().toStdString() + ": " + reason);
                refused = true;
            }
        }
        std::vector<EditorModel*> models;
        for (EditorValues* editor : writers) {
            for (EditorModel* model : editor->models())
                models.push_back(model);
        }
        // A value that did not look as expected where it was read is
        // written over only when named.
        for (const SuspectPlace& suspect : values.suspects) {
            if (!editAnyway.contains(QString::fromStdString(suspect.key)))
                continue;
            for (EditorModel* model : models)
                model->allow(suspect.value.offset);
        }
        for (const EditorModel* model : models) {
            for (const SuspectValue& blocked : model->blockedChanges()) {
                std::string key;
                for (const SuspectPlace& suspect : values.suspects) {
                    if (suspect.value.offset == blocked.offset)
                        key = suspect.key;
                }
                complain(path, filled(QCoreApplication::translate(
                                          "ToolMessages", "%1: %2; nothing was written (--edit-anyway '%1' writes it)"),
                                      {key, blocked.text()}));
                refused = true;
            }
        }
        if (refused)
            return 1;
        // From the first check to the flush, one exclusive open of the
        // image: no other program sees part of the import. What was read is
        // still what the image holds, in every section, before the first
        // write of any.
        values.session->setFixChecksum(!noFix);
        values.session->save(models, [&values](RomFile& file) {
            if (ExportDocument(ReadImageValues(file, values.path, values.layoutPath)) != ExportDocument(values))
                throw KorvaneError(QCoreApplication::translate(
                                       "ToolMessages",
                                       "another program changed the image while it was read; nothing was written")
                                       .toStdString());
        });
    } catch (const KorvaneError& e) {
        complain(path, e);
        return 1;
    }
    return 0;
}

int DiffCommand(const QString& first, const QString& second, bool json)
{
    const std::string a = CorePath(first);
    const std::string b = CorePath(second);
    std::string current = a;
    try {
        const ImageValues valuesA = ReadImageValues(a);
        current = b;
        const ImageValues valuesB = ReadImageValues(b);
        printNotes(valuesA);
        printNotes(valuesB);
        if (valuesA.gameCode != valuesB.gameCode)
            throw KorvaneError(filled(
                QCoreApplication::translate("ToolMessages", "the images are of different games (%1 and %2)"),
                {valuesA.gameCode, valuesB.gameCode}));
        const std::vector<std::string> changes = ValueChanges(ExportDocument(valuesA), ExportDocument(valuesB), valuesA);

        // Bytes that differ where no editor keeps a value, the header aside,
        // read a block at a time: any image the other commands take.
        current = a;
        const std::int64_t sizeA = RomFileSize(a);
        current = b;
        const std::int64_t sizeB = RomFileSize(b);
        const std::int64_t length = std::max(sizeA, sizeB);
        std::vector<ByteSpan> known{{0x100, 0x100}};
        for (const ImageValues* values : {&valuesA, &valuesB}) {
            for (const auto& editor : values->editors) {
                const std::vector<ByteSpan> spans = editor->spans();
                known.insert(known.end(), spans.begin(), spans.end());
            }
        }
        const auto isKnown = [&known](std::int64_t at) {
            return std::any_of(known.begin(), known.end(),
                               [at](const ByteSpan& span) { return at >= span.offset && at < span.offset + span.size; });
        };
        RomFile fileA(a, RomFile::Access::Read);
        RomFile fileB(b, RomFile::Access::Read);
        current = a;
        fileA.requireOpen(a);
        current = b;
        fileB.requireOpen(b);
        constexpr std::int64_t kBlock = 1 << 20;
        std::vector<unsigned char> blockA(kBlock);
        std::vector<unsigned char> blockB(kBlock);
        std::int64_t others = 0;
        for (std::int64_t at = 0; at < length; at += kBlock) {
            const auto count = static_cast<std::size_t>(std::min(kBlock, length - at));
            const auto readA = at < sizeA ? fileA.readAt(at, blockA.data(), count) : 0;
            const auto readB = at < sizeB ? fileB.readAt(at, blockB.data(), count) : 0;
            if (readA < 0 || readB < 0) {
                current = readA < 0 ? a : b;
                throw KorvaneError(QCoreApplication::translate("Files", "Stream read error").toStdString(),
                                   (readA < 0 ? fileA : fileB).error());
            }
            for (std::size_t i = 0; i < count; ++i) {
                const bool inBoth = i < static_cast<std::size_t>(readA) && i < static_cast<std::size_t>(readB);
                if ((!inBoth || blockA[i] != blockB[i]) && !isKnown(at + static_cast<std::int64_t>(i)))
                    ++others;
            }
        }
        if (json) {
            QJsonArray lines;
            for (const std::string& change : changes)
                lines.append(QString::fromStdString(change));
            QJsonObject result;
            result.insert(QStringLiteral("changes"), lines);
            result.insert(QStringLiteral("otherBytes"), static_cast<qint64>(others));
            printJson(QJsonDocument(result));
        } else {
            for (const std::string& change : changes)
                std::cout << change << '\n';
            // Translated writes the English plural even with no translation
            // loaded; a count beyond an int takes the form of a large one.
            const int form = static_cast<int>(std::min<std::int64_t>(others, std::numeric_limits<int>::max()));
            std::cout << Substituted(Translated("ToolMessages",
                                                "%1 other byte(s) differ outside the editors' values and the header",
                                                nullptr, form),
                                     {std::to_string(others)})
                      << '\n';
        }
        return changes.empty() && others == 0 ? 0 : 1;
    } catch (const KorvaneError& e) {
        complain(current, e);
        return 2;
    }
}

int LocateCommand(const QString& original, const QString& image, const QString& output)
{
    const std::string from = CorePath(original);
    const std::string to = CorePath(image);
    std::string current = to;
    try {
        const LocatedImage found = LocateImageValues(from, to);
        const std::vector<LocatedValue>& located = found.values;
        int unplaced = 0;
        for (const LocatedValue& value : located) {
            const bool placed = value.result == LocateResult::InPlace || value.result == LocateResult::Moved;
            std::cout << value.key << ": " << hex(std::uint32_t(value.usual), 6).toStdString() << " -> "
                      << (placed ? hex(std::uint32_t(value.found), 6).toStdString() : std::string("-")) << " ("
                      << LocateResultName(value.result) << ")\n";
            if (!placed) {
                std::cerr << "korvane-tool: " << value.key << ": " << LocateResultText(value.result) << "\n";
                ++unplaced;
            }
        }
        if (!output.isEmpty()) {
            current = CorePath(output);
            const QByteArray text = LayoutDocument(found.gameCode, located);
            writeResult(current, {from, to}, PatchBytes(text.begin(), text.end()));
        }
        return unplaced == 0 ? 0 : 1;
    } catch (const KorvaneError& e) {
        complain(current, e);
        return 2;
    }
}

namespace {

void writeResult(const std::string& out, const std::vector<std::string>& inputs, const PatchBytes& bytes)
{
    if (out == "-") {
        std::cout.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return;
    }
    for (const std::string& input : inputs) {
        if (input != "-" && SameFile(out, input))
            throw KorvaneError(
                QCoreApplication::translate("ToolMessages", "the output is one of the inputs; nothing was written")
                    .toStdString());
    }
    std::vector<std::string> unremoved;
    ReplaceFile(out, bytes, &unremoved);
    for (const std::string& stale : unremoved)
        complain({}, filled(QCoreApplication::translate("ToolMessages", "cannot remove %1 (left by a run that ended)"),
                            {stale}));
}

std::string crcText(std::uint32_t crc)
{
    return HexStr(crc, 8);
}

int patchInfo(const std::string& path, bool json)
{
    const PatchBytes patch = readInput(path);
    if (json) {
        QJsonObject info;
        info.insert(QStringLiteral("path"), ShownPath(path));
        info.insert(QStringLiteral("size"), static_cast<qint64>(patch.size()));
        if (PatchFormatOf(patch) == PatchFormat::Bps) {
            const BpsInfo bps = ReadBpsInfo(patch);
            info.insert(QStringLiteral("format"), QStringLiteral("BPS"));
            info.insert(QStringLiteral("originalSize"), static_cast<qint64>(bps.sourceSize));
            info.insert(QStringLiteral("originalCrc32"), QString::fromStdString(crcText(bps.sourceCrc)));
            info.insert(QStringLiteral("changedSize"), static_cast<qint64>(bps.targetSize));
            info.insert(QStringLiteral("changedCrc32"), QString::fromStdString(crcText(bps.targetCrc)));
            info.insert(QStringLiteral("patchCrc32"), QString::fromStdString(crcText(bps.patchCrc)));
            info.insert(QStringLiteral("actions"), static_cast<qint64>(bps.actions));
            info.insert(QStringLiteral("metadata"), QString::fromStdString(bps.metadata));
        } else {
            const IpsInfo ips = ReadIpsInfo(patch);
            info.insert(QStringLiteral("format"), QStringLiteral("IPS"));
            info.insert(QStringLiteral("records"), static_cast<qint64>(ips.records));
            info.insert(QStringLiteral("runRecords"), static_cast<qint64>(ips.runRecords));
            info.insert(QStringLiteral("end"), static_cast<qint64>(ips.end));
            if (ips.truncate)
                info.insert(QStringLiteral("truncate"), static_cast<qint64>(*ips.truncate));
        }
        printJson(QJsonDocument(info));
        return 0;
    }
    if (PatchFormatOf(patch) == PatchFormat::Bps) {
        const BpsInfo info = ReadBpsInfo(patch);
        std::cout << path << '\n';
        printField(filled(QCoreApplication::translate("ToolMessages", "format:    %1"), {"BPS"}));
        printField(filled(QCoreApplication::translate("ToolMessages", "original:  %1 bytes, CRC32 %2"),
                          {std::to_string(info.sourceSize), crcText(info.sourceCrc)}));
        printField(filled(QCoreApplication::translate("ToolMessages", "changed:   %1 bytes, CRC32 %2"),
                          {std::to_string(info.targetSize), crcText(info.targetCrc)}));
        printField(filled(QCoreApplication::translate("ToolMessages", "patch:     %1 bytes, CRC32 %2 (OK)"),
                          {std::to_string(patch.size()), crcText(info.patchCrc)}));
        printField(
            filled(QCoreApplication::translate("ToolMessages", "actions:   %1"), {std::to_string(info.actions)}));
        if (!info.metadata.empty())
            printField(filled(QCoreApplication::translate("ToolMessages", "metadata:  %1"), {info.metadata}));
    } else {
        const IpsInfo info = ReadIpsInfo(patch);
        std::cout << path << '\n';
        printField(filled(QCoreApplication::translate("ToolMessages", "format:    %1"), {"IPS"}));
        printField(filled(QCoreApplication::translate("ToolMessages", "records:   %1 (%2 of one repeated byte)"),
                          {std::to_string(info.records), std::to_string(info.runRecords)}));
        printField(filled(QCoreApplication::translate("ToolMessages", "writes up to %1 bytes"),
                          {std::to_string(info.end)}));
        if (info.truncate)
            printField(filled(QCoreApplication::translate("ToolMessages", "changed:   cut to %1 bytes"),
                              {std::to_string(*info.truncate)}));
    }
    return 0;
}

} // namespace

int PatchCommand(const QString& action, const QStringList& files, const QString& format, bool json)
{
    std::vector<std::string> paths;
    for (const QString& file : files)
        paths.push_back(CorePath(file));
    if (paths.size() == 3 && paths[0] == "-" && paths[1] == "-") {
        complain({}, QCoreApplication::translate("ToolMessages", "only one input can come from standard input")
                         .toStdString());
        return 2;
    }
    // The file a failure is about.
    std::string current = paths.empty() ? std::string() : paths.front();
    try {
        if (action == QLatin1String("info") && paths.size() == 1)
            return patchInfo(paths[0], json);
        if (action == QLatin1String("create") && paths.size() == 3) {
            std::optional<PatchFormat> chosen = PatchFormatOfName(paths[2]);
            if (format == QLatin1String("bps"))
                chosen = PatchFormat::Bps;
            else if (format == QLatin1String("ips"))
                chosen = PatchFormat::Ips;
            else if (!format.isEmpty() || !chosen) {
                complain({}, QCoreApplication::translate("ToolMessages",
                                                         "give the patch the extension .bps or .ips, or --format bps "
                                                         "or ips")
                                 .toStdString());
                return 2;
            }
            // Refused before anything is read.
            if (*chosen == PatchFormat::Bps && paths[1] != "-") {
                current = paths[1];
                const std::uint32_t size = RomFileSize(paths[1]);
                current = paths[2];
                if (size > kMaxBpsTargetSize)
                    throw KorvaneError(TooLargeToPatchMessage(size));
                current = paths[0];
            }
            const PatchBytes original = readInput(paths[0]);
            current = paths[1];
            const PatchBytes changed = readInput(paths[1]);
            current = paths[2];
            const PatchBytes patch = CreatePatch(*chosen, original, changed);
            writeResult(paths[2], {paths[0], paths[1]}, patch);
            if (paths[2] != "-")
                std::cout << filled(QCoreApplication::translate("ToolMessages", "%1: %2 patch of %3 bytes"),
                                    {paths[2], PatchFormatName(*chosen), std::to_string(patch.size())})
                          << '\n';
            return 0;
        }
        if (action == QLatin1String("apply") && paths.size() == 3) {
            const PatchBytes patch = readInput(paths[0]);
            current = paths[1];
            const PatchBytes original = readInput(paths[1]);
            // Checked whole before anything is written.
            current = paths[0];
            const PatchBytes changed = ApplyPatch(patch, original);
            current = paths[2];
            writeResult(paths[2], {paths[0], paths[1]}, changed);
            if (paths[2] != "-")
                std::cout << filled(QCoreApplication::translate("ToolMessages", "%1: %2 bytes written"),
                                    {paths[2], std::to_string(changed.size())})
                          << '\n';
            return 0;
        }
    } catch (const KorvaneError& e) {
        complain(current, e);
        return 1;
    }
    // The texts of main's usage line for patch.
    const QString arguments = QCoreApplication::translate(
        "korvane-tool", "create ORIGINAL CHANGED OUT | apply PATCH ORIGINAL OUT | info PATCH");
    complain({}, filled(QCoreApplication::translate("ToolMessages", "usage: korvane-tool %1 %2"),
                        {"patch", arguments.toStdString()}));
    return 2;
}

bool FlushStandardOutput()
{
    std::cout.flush();
    if (std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    complain({}, filled(QCoreApplication::translate("ToolMessages", "cannot write standard output: %1"),
                        {SystemErrorText(errno)}));
    return false;
}
