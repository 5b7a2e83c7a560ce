// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The built korvane-tool, run as a user runs it, on synthetic images.

#include "core/detection.h"
#include "core/korvaneerror.h"
#include "document/layoutfile.h"
#include "core/platform/files.h"
#include "core/supportfiles.h"
#include "editors/editorlist.h"
#include "tests/support/testfiles.h"
#include "tools/korvanetool/valuesdocument.h"
#include "tools/samplerom/samples.h"
#include "ui/filenames.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <filesystem>
#include <map>
#include <memory>
#include <utility>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// A program of the build, absolute on Windows too, where a path without a
// drive is not.
QString programPath(const char* path)
{
    return QFileInfo(QString::fromUtf8(path)).absoluteFilePath();
}

Run run(const char* program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(), const QByteArray& input = {},
        QByteArray* rawOut = nullptr)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(programPath(program), arguments);
    process.write(input);
    process.closeWriteChannel();
    // Generous: under Wine on a busy machine a start can take long.
    if (!process.waitForFinished(180000))
        return {-2, QString(), QStringLiteral("timed out: ") + process.errorString()};
    const QByteArray out = process.readAllStandardOutput();
    if (rawOut)
        *rawOut = out;
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, QString::fromUtf8(out),
            QString::fromUtf8(process.readAllStandardError())};
}

Run tool(const QStringList& arguments)
{
    return run(KORVANE_TOOL_PATH, arguments);
}

// The tool with input on its standard input; rawOut gets its standard
// output as bytes.
Run tool(const QStringList& arguments, const QByteArray& input, QByteArray* rawOut = nullptr)
{
    return run(KORVANE_TOOL_PATH, arguments, QProcessEnvironment::systemEnvironment(), input, rawOut);
}

QJsonObject parse(const QString& text)
{
    return QJsonDocument::fromJson(text.toUtf8()).object();
}

QByteArray readText(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeText(const std::string& path, const QByteArray& text)
{
    QFile file(QString::fromStdString(path));
    file.open(QIODevice::WriteOnly);
    file.write(text);
}

// Every value changed a little, within what the windows accept: integers
// of objects and water palettes flip their low bit, demo lengths move a
// second, colour words flip bit 1.
QJsonValue changed(const QString& key, const QJsonValue& value)
{
    if (value.isObject()) {
        QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            *it = changed(it.key(), *it);
        return object;
    }
    if (value.isArray()) {
        QJsonArray array = value.toArray();
        for (auto it = array.begin(); it != array.end(); ++it)
            *it = changed(key, *it);
        return array;
    }
    // Bit 15 of a 32X colour is cleared by a typed word, so such words stay.
    const uint word = value.toString().toUInt(nullptr, 16);
    if (value.isString() && value.toString().size() == 4 && key != QLatin1String("act") && word < 0x8000)
        return QString::number(word ^ 0x2, 16).rightJustified(4, QLatin1Char('0')).toUpper();
    if (value.isDouble() && key.endsWith(QLatin1String("Length")))
        return value.toInt() < 300 ? value.toInt() + 1 : value.toInt() - 1;
    if (value.isDouble() && key != QLatin1String("version") && !key.startsWith(QLatin1String("Number")))
        return value.toInt() ^ 1;
    return value;
}

} // namespace

class KorvaneToolTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempDir> mDir;
    std::vector<SampleImage> mSamples;

    std::string sample(const std::string& code, const std::string& name)
    {
        for (const SampleImage& s : mSamples) {
            if (s.gameCode == code) {
                s.image.save(mDir->file(name));
                return mDir->file(name);
            }
        }
        qFatal("no sample %s", code.c_str());
    }

private slots:
    void initTestCase()
    {
        mSamples = BuildSampleImages();
        // The level and palette lists the build copies beside the tests, as
        // korvane-tool finds them beside itself.
        SetSupportBase(CorePath(QCoreApplication::applicationDirPath()) + "/");
    }
    void init() { mDir = std::make_unique<TempDir>(); }
    void cleanup() { mDir.reset(); }

    // Each command as a user types it: its exit code, a piece of what it
    // prints on each stream, and whether the image is left byte for byte.
    void commands_data()
    {
        QTest::addColumn<QStringList>("arguments"); // IMG: the p2 sample, DOC: the document given
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<bool>("untouched");
        const QByteArray head = R"("format": "pelbo-korvane-values", "version": 1, "game": "p2")";
        const auto doc = [&head](const char* sections) { return "{" + head + ", " + sections + "}"; };
        const auto row = [](const char* name, const QStringList& arguments, const QByteArray& document, int code,
                            const char* out, const char* err, bool untouched = true) {
            QTest::newRow(name) << arguments << document << code << out << err << untouched;
        };
        row("help", {"--help"}, {}, 0, "Commands:", "");
        row("no command", {}, {}, 2, "", "no command given");
        row("unknown command", {"frob"}, {}, 2, "", "'frob' is no command");
        row("unknown option", {"export", "--frob", "IMG"}, {}, 2, "", "Unknown option 'frob'");
        row("missing argument", {"import", "IMG"}, {}, 2, "", "usage: korvane-tool import IMAGE FILE");
        row("command help", {"import", "--help"}, {}, 0, "--dry-run", "");
        row("info", {"info", "IMG", "missing.bin"}, {}, 1, "checksum:  stored CA2D, computed CA2D, OK",
            "korvane-tool: cannot open missing.bin: No such file or directory");
        row("info, checked", {"info", "--check", "IMG"}, {}, 0, "CA2D, OK", "");
        row("info as JSON", {"info", "--json", "IMG"}, {}, 0, "\"checksum\": \"OK\"", "");
        row("export", {"export", "IMG"}, {}, 0, "\"EHZ boss hits\": 8", "");
        row("dry run", {"import", "--dry-run", "IMG", "DOC"}, doc(R"("objects": {"EHZ boss hits": 12})"), 0,
            "objects: EHZ boss hits 8 -> 12", "");
        row("import", {"import", "IMG", "DOC"}, doc(R"("texts": {"p21p": "2P"})"), 0, "texts: p21p \"1P\" -> \"2P\"",
            "", false);
        row("malformed JSON", {"import", "IMG", "DOC"}, "{\n  \"format\": ,\n}", 1, "", "doc.json: line 2, column ");
        row("wrong type", {"import", "IMG", "DOC"}, doc(R"("objects": {"EHZ boss hits": true})"), 1, "",
            "objects: EHZ boss hits: expected an integer or a number as text");
        // Every refusal, in document order, each on its line.
        row("every refusal", {"import", "IMG", "DOC"},
            doc(R"("objects": {"EHZ boss hits": [8], "CPZ boss hits": 70000}, "texts": {"p2xyz": "A", "p21p": "1-"})"),
            1, "",
            "doc.json: objects: EHZ boss hits: expected an integer or a number as text\n"
            "korvane-tool: doc.json: objects: CPZ boss hits: '70000' is out of range for \"CPZ boss hits\" (-32768 to "
            "65535).\n"
            "korvane-tool: doc.json: texts: p2xyz: not a value of this editor for this image\n"
            "korvane-tool: doc.json: texts: p21p: 2 Player Mode text 12: the character \"-\" has no code");
        row("unknown key", {"import", "IMG", "DOC"}, doc(R"("texts": {"p2xyz": "A"})"), 1, "",
            "texts: p2xyz: not a value of this editor");
        row("unknown editor", {"import", "IMG", "DOC"}, doc(R"("palettes": {})"), 1, "",
            "palettes: no such editor for the game \"p2\"");
        row("out of range", {"import", "IMG", "DOC"}, doc(R"("objects": {"CPZ boss hits": 70000})"), 1, "",
            "'70000' is out of range for \"CPZ boss hits\" (-32768 to 65535).");
        row("character without a code", {"import", "IMG", "DOC"}, doc(R"("texts": {"p2ehz": "ELM-HILL"})"), 1, "",
            "the character \"-\" has no code in the game's texts");
        row("level not in the list", {"import", "IMG", "DOC"}, doc(R"("demos": {"First demo level": "Nowhere"})"), 1,
            "", "'Nowhere' is not a level of the list");
        row("one-act zone", {"import", "IMG", "DOC"},
            doc(R"j("water": {"Level 1": {"zone": "MTZ (Act 3)", "act": "Both"}})j"), 1, "", "has one act");
        row("another game", {"import", "IMG", "DOC"}, R"({"format": "pelbo-korvane-values", "version": 1, "game": "p3"})",
            1, "", "the document is for the game \"p3\"");
        row("missing image", {"import", "missing.bin", "DOC"}, doc(R"("objects": {})"), 1, "",
            "cannot open missing.bin: No such file or directory");
        row("directory", {"info", "."}, {}, 1, "", "cannot open .: Is a directory");
        row("diff, the same", {"diff", "IMG", "IMG"}, {}, 0, "0 other bytes", "");
        row("diff as JSON", {"diff", "--json", "IMG", "IMG"}, {}, 0, "\"otherBytes\": 0", "");
        row("diff, trouble", {"diff", "IMG", "missing.bin"}, {}, 2, "", "cannot open missing.bin");
        row("locate, unchanged", {"locate", "IMG", "IMG"}, {}, 0, "objects/EHZ boss hits: 02EF76 -> 02EF76 (in place)", "");
        row("locate, trouble", {"locate", "IMG", "missing.bin"}, {}, 2, "", "cannot open missing.bin");
        row("two inputs from standard input", {"patch", "apply", "-", "-", "out.bin"}, {}, 2, "",
            "only one input can come from standard input");
    }

    void commands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, document);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(bool, untouched);
        const std::string image = sample("p2", "p2.bin");
        writeText(mDir->file("doc.json"), document);
        const auto before = ReadFileBytes(image);
        QDir::setCurrent(QString::fromStdString(mDir->path()));
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^IMG$")), QStringLiteral("p2.bin"));
        arguments.replaceInStrings(QRegularExpression(QStringLiteral("^DOC$")), QStringLiteral("doc.json"));
        const Run run = tool(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.out.contains(out), qPrintable(run.out));
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
        QVERIFY(err.isEmpty() == run.err.isEmpty());
        QCOMPARE(ReadFileBytes(image) == before, untouched);
    }

    // locate on the p2 sample changed as hacks change it: bytes inserted
    // before the values (all moved), a value overwritten with code (not
    // placed), grown to 8 MiB with the objects' table moved past 4 MiB. The
    // layout it writes holds the moved addresses and is read back whole.
    // Each modified sample of the sample builder against its original:
    // values suspect on opening; locate places every value of a moved run
    // where the run went and reports the overwritten ones; through the
    // layout nothing but the overwritten values is suspect, and an import
    // writes a moved value at its new address and nowhere else.
    void modifiedSamplesAreLocatedAndEditedThroughTheirLayout()
    {
        const std::string folder = mDir->file("modified");
        QVERIFY(MakeFolders(folder) == 0);
        WriteSampleImages(folder);
        // No value of a clean sample is suspect.
        for (const SampleImage& sample : mSamples) {
            if (!sample.fileName.ends_with(".bin"))
                continue;
            const std::string path = folder + "/" + sample.fileName;
            QVERIFY2(ReadImageValues(path).suspects.empty(), path.c_str());
        }
        for (const ModifiedSample& sample : BuildModifiedSamples()) {
            const std::string original = folder + "/" + sample.originalFileName;
            const std::string image = folder + "/" + sample.fileName;
            const QString shown = QString::fromStdString(image);
            const std::string layout = LayoutFileOf(image);
            QVERIFY2(!ReadImageValues(image).suspects.empty(), image.c_str());

            const Run located = tool({"locate", QString::fromStdString(original), shown, "-o", QString::fromStdString(layout)});
            QCOMPARE(located.exitCode, sample.overwritten.empty() ? 0 : 1);
            const QJsonObject moved = QJsonDocument::fromJson(readText(layout)).object().value("values").toObject();
            const ImageValues before = ReadImageValues(original);
            ValuePlace edited{{}, -1, 0};
            for (const auto& editor : before.editors) {
                for (const ValuePlace& place : editor->places()) {
                    const auto in = [&place](std::int64_t from, std::int64_t size) {
                        return place.offset >= from && place.offset + place.size <= from + size;
                    };
                    std::int64_t expected = -1;
                    for (const ModifiedSample::Run& run : sample.moved) {
                        if (in(run.from, run.size))
                            expected = run.to + place.offset - run.from;
                    }
                    const QString key = QString::fromStdString(place.key);
                    const bool overwritten = std::any_of(sample.overwritten.begin(), sample.overwritten.end(),
                                                         [&](const auto& span) { return in(span.first, span.second); });
                    QVERIFY2(located.err.contains(key + ": not found") == overwritten, qPrintable(key));
                    QCOMPARE(moved.value(key).toString(),
                             expected < 0 ? QString() : "0x" + QString::number(expected, 16).toUpper());
                    // A number to change if one moved, else what moved.
                    if (expected >= 0 && (edited.offset < 0 || editor->key() == QLatin1String("objects")))
                        edited = {place.key, expected, place.size};
                }
            }
            // Read beside the image: only what was written over stays suspect.
            const ImageValues through = ReadImageValues(image);
            QCOMPARE(through.layoutPath, layout);
            QCOMPARE(through.suspects.empty(), sample.overwritten.empty());

            // One moved value changed: the bytes at its new address change,
            // no other byte but the header's checksum.
            if (sample.moved.empty())
                continue;
            QVERIFY(edited.offset >= 0);
            const std::string& editedKey = edited.key;
            QJsonObject document = parse(tool({"export", shown}).out);
            const QString section = QString::fromStdString(editedKey).section('/', 0, 0);
            const QString field = QString::fromStdString(editedKey).section('/', 1);
            QJsonObject values = document.value(section).toObject();
            values.insert(field, changed(field, values.value(field)));
            document.insert(section, values);
            const std::string doc = mDir->file("edit.json");
            writeText(doc, QJsonDocument(document).toJson());
            const std::vector<std::uint8_t> old = ReadFileBytes(image);
            const Run imported = tool({"import", shown, QString::fromStdString(doc)});
            QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
            const std::vector<std::uint8_t> now = ReadFileBytes(image);
            QCOMPARE(now.size(), old.size());
            for (std::size_t i = 0; i < now.size(); ++i) {
                if (now[i] != old[i] && (i < 0x18E || i > 0x18F))
                    QVERIFY2(std::int64_t(i) >= edited.offset && std::int64_t(i) < edited.offset + edited.size,
                             qPrintable(QStringLiteral("%1: byte %2 of %3").arg(shown).arg(i, 0, 16).arg(QString::fromStdString(editedKey))));
            }
            QVERIFY(now != old);
            // What the program wrote looks as expected.
            QCOMPARE(ReadImageValues(image).suspects.empty(), sample.overwritten.empty());
        }
    }

    // An import that would write over a value that does not look as
    // expected is refused, naming it, until --edit-anyway names it.
    void importRefusesSuspectTargetsUnlessNamed()
    {
        const std::string folder = mDir->file("suspect");
        QVERIFY(MakeFolders(folder) == 0);
        WriteSampleImages(folder);
        const QString image = QString::fromStdString(folder + "/modified-p2-code.bin");
        QJsonObject document = parse(tool({"export", image}).out);
        QJsonObject objects = document.value("objects").toObject();
        objects.insert("EHZ boss hits", 8);
        document.insert("objects", objects);
        const std::string doc = mDir->file("hits.json");
        writeText(doc, QJsonDocument(document).toJson());
        const std::vector<std::uint8_t> old = ReadFileBytes(image.toStdString());
        const Run refused = tool({"import", image, QString::fromStdString(doc)});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains("objects/EHZ boss hits: at $2EF76: found 4E75, not a boss hit count"),
                 qPrintable(refused.err));
        QCOMPARE(ReadFileBytes(image.toStdString()), old);
        const Run forced = tool({"import", image, QString::fromStdString(doc), "--edit-anyway", "objects/EHZ boss hits"});
        QVERIFY2(forced.exitCode == 0, qPrintable(forced.err));
        const std::vector<std::uint8_t> now = ReadFileBytes(image.toStdString());
        QCOMPARE(int(now[0x2EF76]) << 8 | now[0x2EF77], 8);
    }

    // A layout that is malformed, names an unknown key, points outside the
    // image or makes two values overlap is refused, naming what is wrong.
    void hostileLayoutsAreRefused()
    {
        const std::vector<ValuePlace> places = {{"objects/A", 0x100, 2}, {"objects/B", 0x200, 2}};
        const QByteArray head = R"({"format": "pelbo-korvane-layout", "version": 1, "game": "p2", "values": )";
        const std::pair<QByteArray, const char*> cases[] = {
            {"{\n  \"format\": ,", "line 2, column"},
            {R"({"format": "pelbo-korvane-values", "version": 1, "game": "p2", "values": {}})", "\"format\""},
            {R"({"format": "pelbo-korvane-layout", "version": 1, "game": "p3", "values": {}})", "\"game\""},
            {head + R"({"objects/C": "0x10"}})", "objects/C: no value of this game"},
            {head + R"({"objects/A": "10"}})", "objects/A: the address is no"},
            {head + R"({"objects/A": "0x-1"}})", "objects/A: the address is no"},
            {head + R"({"objects/A": "0x3FF"}})", "objects/A: at 0x3FF it would end past"},
            {head + R"({"objects/A": 511}})", "objects/A and objects/B would overlap at 0x200"},
        };
        for (const auto& [text, reason] : cases) {
            try {
                ReadLayout(text, "p2", places, 0x400);
                QFAIL(text.constData());
            } catch (const KorvaneError& e) {
                QVERIFY2(QString::fromUtf8(e.what()).contains(QString::fromUtf8(reason)), e.what());
            }
        }
        QCOMPARE(ReadLayout(head + R"({"objects/A": "0x300"}})", "p2", places, 0x400).at("objects/A"), 0x300);
    }

    // Another program holding the image: refused, nothing written.
    void lockedImageIsRefused()
    {
        const std::string image = sample("p2", "p2.bin");
        writeText(mDir->file("doc.json"), tool({"export", QString::fromStdString(image)}).out.toUtf8());
        const auto before = ReadFileBytes(image);
        // Either kind of lock, the same message from both commands.
        for (const ForeignLock::Kind kind : {ForeignLock::Kind::Exclusive, ForeignLock::Kind::Record}) {
            ForeignLock lock(image, kind);
            for (const QStringList& arguments :
                 {QStringList{"import", QString::fromStdString(image), QString::fromStdString(mDir->file("doc.json"))},
                  QStringList{"fix", QString::fromStdString(image)}}) {
                const Run run = tool(arguments);
                QCOMPARE(run.exitCode, 1);
                QCOMPARE(run.err, QStringLiteral("korvane-tool: cannot open %1: held by another program\n")
                                      .arg(QString::fromStdString(image)));
            }
        }
        QVERIFY(ReadFileBytes(image) == before);
    }

    void fixRepairsTheHeaderOrLeavesASmallFile()
    {
        const std::string image = sample("p2", "p2.bin");
        SyntheticImage broken = SyntheticImage(0).bytes(0, ReadFileBytes(image));
        broken.word(0x18E, 0x1234).save(image);
        Run run = tool({"fix", QString::fromStdString(image)});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QStringLiteral("checksum 1234 -> CA2D")), qPrintable(run.out));
        QVERIFY(tool({"info", QString::fromStdString(image)}).out.contains(QStringLiteral("CA2D, OK")));

        // --check fails on a mismatch.
        broken.save(image);
        QCOMPARE(tool({"info", "--check", QString::fromStdString(image)}).exitCode, 1);

        // Only a cartridge image is repaired, unless forced: a small file, a
        // text file, an image without the console's signature.
        SyntheticImage unsigned_ = SyntheticImage(0).bytes(0, ReadFileBytes(image));
        unsigned_.text(0x100, "NOPE");
        const std::pair<const char*, SyntheticImage> files[] = {
            {"small.bin", SyntheticImage(0x100)}, {"text.txt", SyntheticImage(600, 'x')}, {"unsigned.bin", unsigned_}};
        for (const auto& [name, content] : files) {
            const QString file = QString::fromStdString(mDir->file(name));
            content.save(file.toStdString());
            run = tool({"fix", file});
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.contains(QStringLiteral("not a Mega Drive cartridge image (no \"SEGA\" at 0x100)")),
                     qPrintable(run.err));
            QVERIFY(ReadFileBytes(file.toStdString()) == content.data());
            QCOMPARE(tool({"fix", "--force", file}).exitCode, 0);
        }
        QCOMPARE(ReadFileBytes(mDir->file("small.bin")).size(), std::size_t(0x100));
        QVERIFY(ReadFileBytes(mDir->file("text.txt")) != SyntheticImage(600, 'x').data());
    }

    // A document imported once more changes nothing, prints nothing and
    // writes nothing, though the codec stores its texts in upper case and
    // padded: the second import succeeds on an image it could not write.
    void secondImportWritesNothing()
    {
        const std::string image = sample("p2", "p2.bin");
        writeText(mDir->file("doc.json"),
                  R"({"format": "pelbo-korvane-values", "version": 1, "game": "p2", "texts": {"op5": "vs"}})");
        const QStringList import = {"import", QString::fromStdString(image), QString::fromStdString(mDir->file("doc.json"))};
        QCOMPARE(tool(import).out, QStringLiteral("texts: op5 \"VS MODE    \" -> \"vs\"\n"));
        Unwritable unwritable(image);
        if (!unwritable.ok())
            QSKIP("cannot make a file unwritable here (root without an immutable attribute)");
        const Run again = tool(import);
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(again.out + again.err, QString());
    }

    // What cannot be written to standard output is a failure.
    void fullStandardOutputFails()
    {
#ifdef Q_OS_WIN
        QSKIP("no full device here");
#endif
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(programPath(KORVANE_TOOL_PATH), {"export", QString::fromStdString(sample("p2", "p2.bin"))});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(process.readAllStandardError().contains("cannot write standard output: No space left on device"));
    }

    // An image this user may not write: everything that reads it works,
    // the repair is refused with the system's reason.
    void readOnlyImage()
    {
        const std::string image = sample("p2", "p2.bin");
        const QString path = QString::fromStdString(image);
        const QString other = QString::fromStdString(sample("p2", "other.bin"));
        Unwritable unwritable(image);
        if (!unwritable.ok())
            QSKIP("cannot make a file unwritable here (root without an immutable attribute)");
        const auto before = ReadFileBytes(image);
        for (const QStringList& arguments :
             {QStringList{"info", path}, QStringList{"export", path}, QStringList{"diff", path, other},
              QStringList{"patch", "create", other, path, QString::fromStdString(mDir->file("p.bps"))}}) {
            const Run run = tool(arguments);
            QVERIFY2(run.exitCode == 0 && run.err.isEmpty(), qPrintable(arguments.join(' ') + ": " + run.err));
        }
        const Run run = tool({"fix", path});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.endsWith(QStringLiteral(": Permission denied\n"))
                     || run.err.endsWith(QStringLiteral(": Operation not permitted\n")),
                 qPrintable(run.err));
        QVERIFY(ReadFileBytes(image) == before);
    }

    // Outputs go only to a regular file or a new name, never over the image
    // or a device, keep the mode of what they replace, and inputs are
    // bounded: each row is one way of breaking that.
    void outputsAndInputsAreGuarded_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::newRow("export over the image") << "" << "export IMAGE -o IMAGE" << 1 << "one of the inputs";
        QTest::newRow("export through a link to the image")
            << "link" << "export IMAGE -o LINK" << 1 << "one of the inputs";
        QTest::newRow("export to a FIFO") << "fifo" << "export IMAGE -o FIFO" << 1 << "it is no regular file";
        QTest::newRow("export to a device") << "device" << "export IMAGE -o DEVICE" << 1 << "it is no regular file";
        QTest::newRow("a patch keeps the mode") << "private" << "patch create IMAGE CHAOTIX PRIVATE" << 0 << "";
        QTest::newRow("a patch of a 250-byte name") << "" << "patch create IMAGE CHAOTIX LONG" << 0 << "";
        QTest::newRow("document over 16 MiB") << "huge" << "import IMAGE HUGE" << 1 << "larger than 16 MiB";
        QTest::newRow("palette word of five digits")
            << "word" << "import CHAOTIX WORD" << 1 << "'10000' is out of range for \"32X palette 1 (unverified) colour 0\"";
        QTest::newRow("fix of a 4 GiB image") << "big" << "fix BIG" << 1 << "4 GiB or more";
        QTest::newRow("diff of a 4 GiB image") << "big" << "diff BIG IMAGE" << 2 << "4 GiB or more";
        QTest::newRow("diff of images past 1 GiB") << "gib" << "diff GIB GIB" << 0 << "";
        QTest::newRow("document from a device") << "zero" << "import IMAGE ZERO" << 1 << "it is no regular file";
        QTest::newRow("export under a file-size limit") << "limit" << "export IMAGE -o OLD" << 1 << "File too large";
        QTest::newRow("BPS patch of a 300 MiB image")
            << "sparse" << "patch create IMAGE SPARSE OUT" << 1 << "larger than any cartridge image";
    }

    void outputsAndInputsAreGuarded()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, command);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
#ifdef Q_OS_WIN
        if (setUp == QLatin1String("link") || setUp == QLatin1String("fifo") || setUp == QLatin1String("device")
            || setUp == QLatin1String("private") || setUp == QLatin1String("zero") || setUp == QLatin1String("limit")
            || setUp == QLatin1String("sparse"))
            QSKIP("no such file kind here");
#endif
        namespace fs = std::filesystem;
        const std::string image = sample("p2", "p2.bin");
        const std::string chaotix = sample("chaotix", "chaotix.bin");
        const std::map<QString, std::string> names = {
            {"IMAGE", image},
            {"CHAOTIX", chaotix},
            {"LINK", mDir->file("link.json")},
            {"FIFO", mDir->file("fifo")},
            {"DEVICE", mDir->file("null")},
            {"PRIVATE", mDir->file("private.bps")},
            {"LONG", mDir->file(std::string(246, 'n') + ".bps")},
            {"HUGE", mDir->file("huge.json")},
            {"WORD", mDir->file("word.json")},
            {"BIG", mDir->file("big.bin")},
            {"ZERO", mDir->file("zero")},
            {"OLD", mDir->file("old.json")},
            {"SPARSE", mDir->file("sparse.bin")},
            {"OUT", mDir->file("out.bps")},
            {"GIB", mDir->file("gib.bin")},
        };
        if (setUp == QLatin1String("link"))
            fs::create_symlink(image, names.at("LINK"));
#ifndef Q_OS_WIN
        if (setUp == QLatin1String("fifo") && ::mkfifo(names.at("FIFO").c_str(), 0600) != 0)
            QSKIP("no FIFO here");
        // A null device of the test's own, never the system's.
        if (setUp == QLatin1String("device") && ::mknod(names.at("DEVICE").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("mknod needs root");
        if (setUp == QLatin1String("zero") && ::mknod(names.at("ZERO").c_str(), S_IFCHR | 0666, makedev(1, 5)) != 0)
            QSKIP("mknod needs root");
#endif
        if (setUp == QLatin1String("private")) {
            writeText(names.at("PRIVATE"), "old");
            fs::permissions(names.at("PRIVATE"), fs::perms::owner_read | fs::perms::owner_write);
        }
        if (setUp == QLatin1String("huge"))
            writeText(names.at("HUGE"), QByteArray(17 << 20, ' '));
        if (setUp == QLatin1String("word")) {
            QJsonObject document = parse(tool({"export", QString::fromStdString(chaotix)}).out);
            QJsonObject palettes = document.value("palettes").toObject();
            QJsonArray words = palettes.begin().value().toArray();
            words[0] = QStringLiteral("10000");
            palettes.insert(palettes.begin().key(), words);
            document.insert("palettes", palettes);
            writeText(names.at("WORD"), QJsonDocument(document).toJson());
        }
        if (setUp == QLatin1String("big")) {
            SampleImageOf("p2").save(names.at("BIG"));
            fs::resize_file(names.at("BIG"), (std::uintmax_t{1} << 32) + 0x200);
        }
        if (setUp == QLatin1String("limit"))
            writeText(names.at("OLD"), "old");
        if (setUp == QLatin1String("gib")) {
            SampleImageOf("p2").save(names.at("GIB"));
            fs::resize_file(names.at("GIB"), (std::uintmax_t{1} << 30) + 0x200);
        }
        if (setUp == QLatin1String("sparse")) {
            SampleImageOf("p2").save(names.at("SPARSE"));
            fs::resize_file(names.at("SPARSE"), std::uintmax_t{300} << 20);
        }
        const auto imageBefore = ReadFileBytes(image);
        const auto chaotixBefore = ReadFileBytes(chaotix);
        QStringList arguments;
        for (const QString& word : command.split(QLatin1Char(' ')))
            arguments << (names.count(word) ? QString::fromStdString(names.at(word)) : word);
        // A file-size limit of one 512-byte block, set by the shell.
        const Run run = setUp == QLatin1String("limit")
            ? ::run("/bin/sh", QStringList{"-c", R"(ulimit -f 1; exec "$0" "$@")", programPath(KORVANE_TOOL_PATH)}
                                   + arguments)
            : tool(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(err.isEmpty() ? run.exitCode == 0 : run.err.contains(err), qPrintable(run.err));
        if (setUp == QLatin1String("limit"))
            QVERIFY(ReadFileBytes(names.at("OLD")) == std::vector<std::uint8_t>({'o', 'l', 'd'}));
        if (setUp == QLatin1String("sparse"))
            QVERIFY(!fs::exists(names.at("OUT")));
        QVERIFY(ReadFileBytes(image) == imageBefore);
        QVERIFY(ReadFileBytes(chaotix) == chaotixBefore);
        if (setUp == QLatin1String("device")) {
            QVERIFY(fs::is_character_file(names.at("DEVICE")));
        }
        if (setUp == QLatin1String("private")) {
            QCOMPARE(fs::status(names.at("PRIVATE")).permissions(), fs::perms::owner_read | fs::perms::owner_write);
            const auto written = ReadFileBytes(names.at("PRIVATE"));
            QVERIFY(written.size() > 4 && std::equal(written.begin(), written.begin() + 4, "BPS1"));
        }
        if (command.endsWith(QLatin1String("LONG")))
            QVERIFY(fs::file_size(names.at("LONG")) > 0);
        if (setUp == QLatin1String("big"))
            QCOMPARE(fs::file_size(names.at("BIG")), (std::uintmax_t{1} << 32) + 0x200);
    }

    // A name whose bytes are not UTF-8 is refused, never taken for the name
    // its decoded form spells: that file, a valid image with a wrong
    // checksum, stays as it was.
    void namesThatAreNotUtf8AreRefused()
    {
#ifdef Q_OS_WIN
        QSKIP("names are UTF-16 here");
#endif
        const std::string twin = mDir->file("rom-\xEF\xBF\xBD.bin");
        SampleImageOf("p2").word(0x18E, 0xDEAD).save(twin);
        SampleImageOf("p2").save(mDir->file("rom-\xE9.bin"));
        const auto before = ReadFileBytes(twin);
        // The shell passes the bytes on as they are; QProcess would decode them.
        const Run run = ::run("/bin/sh", {"-c", R"sh(exec "$0" fix "$1/$(printf 'rom-\351.bin')")sh",
                                          programPath(KORVANE_TOOL_PATH), QString::fromStdString(mDir->path())});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(QStringLiteral("argument 2 is not valid UTF-8")), qPrintable(run.err));
        QVERIFY(ReadFileBytes(twin) == before);
    }

    // On an image too short for its texts, a document that changes the
    // demos and names the texts without a change writes the demos: a
    // section that changes nothing is not written, so its incomplete read
    // cannot refuse the import halfway (after the demos were written).
    void importWritesAllSectionsOrNone()
    {
        const std::string cut = sample("p2", "cut.bin");
        std::filesystem::resize_file(FsPath(cut), 0x8000);
        QJsonObject document = parse(tool({"export", QString::fromStdString(cut)}).out);
        document.insert("demos", QJsonObject{{"Number of demos played", 3}});
        document.insert("texts", QJsonObject{});
        writeText(mDir->file("doc.json"), QJsonDocument(document).toJson());
        const Run run = tool({"import", QString::fromStdString(cut), QString::fromStdString(mDir->file("doc.json"))});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(parse(tool({"export", QString::fromStdString(cut)}).out).value("demos").toObject().value(
                     "Number of demos played"),
                 QJsonValue(3));
    }

    // Without the zone list an exported document imports back; a document
    // that changes a water row is refused naming the missing list.
    void waterWithoutTheZoneList()
    {
#ifdef Q_OS_WIN
        QSKIP("the tool copy would need its DLLs");
#endif
        namespace fs = std::filesystem;
        const fs::path bin = mDir->file("bin");
        fs::create_directories(bin / "korvane");
        fs::copy_file(KORVANE_TOOL_PATH, bin / "korvane-tool");
        for (const auto& entry : fs::directory_iterator(fs::path(KORVANE_TOOL_PATH).parent_path() / "korvane")) {
            if (entry.path().filename().string().rfind("p2levels", 0) != 0)
                fs::copy_file(entry.path(), bin / "korvane" / entry.path().filename());
        }
        const std::string program = (bin / "korvane-tool").string();
        const QString image = QString::fromStdString(sample("p2", "p2.bin"));
        const QString doc = QString::fromStdString(mDir->file("doc.json"));
        QCOMPARE(run(program.c_str(), {"export", image, "-o", doc}).exitCode, 0);
        Run result = run(program.c_str(), {"import", image, doc});
        QCOMPARE(result.exitCode, 0);
        QJsonObject document = parse(run(program.c_str(), {"export", image}).out);
        document.insert("water", QJsonObject{{"Level 1", QJsonObject{{"palette", 5}}}});
        writeText(doc.toStdString(), QJsonDocument(document).toJson());
        result = run(program.c_str(), {"import", image, doc});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(QStringLiteral("water: Level 1: the rows need the zone list")),
                 qPrintable(result.err));
    }

    // A patch made by the tool, described and applied by it, in both
    // formats; what it refuses leaves every file as it was.
    void patches()
    {
        const QString original = QString::fromStdString(sample("p2", "original.bin"));
        const QString changed = QString::fromStdString(sample("p2", "changed.bin"));
        QCOMPARE(tool({"export", changed, "-o", QString::fromStdString(mDir->file("doc.json"))}).exitCode, 0);
        QJsonObject document = parse(tool({"export", changed}).out);
        document.insert("objects", QJsonObject{{"EHZ boss hits", 12}});
        writeText(mDir->file("doc.json"), QJsonDocument(document).toJson());
        QCOMPARE(tool({"import", changed, QString::fromStdString(mDir->file("doc.json"))}).exitCode, 0);
        const auto changedBytes = ReadFileBytes(changed.toStdString());
        const auto originalBytes = ReadFileBytes(original.toStdString());

        for (const char* format : {"bps", "ips"}) {
            const QString patch = QString::fromStdString(mDir->file(std::string("change.") + format));
            const QString out = QString::fromStdString(mDir->file(std::string("out-") + format + ".bin"));
            Run run = tool({"patch", "create", original, changed, patch});
            QCOMPARE(run.exitCode, 0);
            QVERIFY2(run.out.contains(QStringLiteral("patch of")), qPrintable(run.out));
            run = tool({"patch", "info", patch});
            QCOMPARE(run.exitCode, 0);
            QVERIFY(run.out.contains(QString::fromLatin1(format).toUpper()));
            QCOMPARE(tool({"patch", "apply", patch, original, out}).exitCode, 0);
            QVERIFY(ReadFileBytes(out.toStdString()) == changedBytes);

            const auto refused = [&](const QStringList& arguments, const QString& error) {
                const Run r = tool(arguments);
                QCOMPARE(r.exitCode, 1);
                QVERIFY2(r.err.contains(error), qPrintable(r.err));
            };
            refused({"patch", "apply", patch, original, original}, "the output is one of the inputs");
            refused({"patch", "apply", patch, QString::fromStdString(mDir->file("missing.bin")), out},
                    "cannot open " + QString::fromStdString(mDir->file("missing.bin")) + ": No such file or directory");
            if (QByteArray(format) == "bps")
                refused({"patch", "apply", patch, changed, QString::fromStdString(mDir->file("other.bin"))},
                        "its CRC does not match");
            QVERIFY(!QFile::exists(QString::fromStdString(mDir->file("other.bin"))));
        }
        QVERIFY(ReadFileBytes(original.toStdString()) == originalBytes);
        QCOMPARE(tool({"patch", "create", original, changed, "change.txt"}).exitCode, 2);

        // "-": the patch from standard input, the result to standard output.
        const QByteArray patch = QByteArray::fromStdString(mDir->file("change.bps"));
        QFile patchFile(QString::fromUtf8(patch));
        QVERIFY(patchFile.open(QIODevice::ReadOnly));
        const QByteArray patchBytes = patchFile.readAll();
        QByteArray result;
        QCOMPARE(tool({"patch", "apply", "-", original, "-"}, patchBytes, &result).exitCode, 0);
        QVERIFY(std::vector<std::uint8_t>(result.begin(), result.end()) == changedBytes);
        const QJsonObject info = parse(tool({"patch", "info", "--json", "-"}, patchBytes).out);
        QCOMPARE(info.value("format").toString(), QStringLiteral("BPS"));
        QCOMPARE(info.value("changedSize").toInteger(), qint64(changedBytes.size()));
    }

    // --help and --version of every program answer without a display, and
    // --version says the package version.
    void helpAndVersionWithoutADisplay()
    {
        QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            bare.remove(QString::fromLatin1(name));
        for (const auto& [program, name] : {std::pair{KORVANE_GUI_PATH, "pelbo-korvane"},
                                            std::pair{KORVANE_TOOL_PATH, "korvane-tool"},
                                            std::pair{KORVANE_SAMPLEROM_PATH, "korvane-samplerom"}}) {
            const Run version = run(program, {"--version"}, bare);
            QCOMPARE(version.exitCode, 0);
            QCOMPARE(version.out, QString::fromLatin1(name) + " " KORVANE_PACKAGE_VERSION "\n");
            const Run help = run(program, {"--help"}, bare);
            QCOMPARE(help.exitCode, 0);
            QVERIFY2(help.out.startsWith(QStringLiteral("Usage: ")), qPrintable(help.out));
        }
    }

    // The language changes what people read, never what scripts read: the
    // help and the messages follow LANG (or --lang), the JSON documents and
    // the exit statuses stay the same in every language.
    void languagesChangeOnlyWhatPeopleRead()
    {
        const QString image = QString::fromStdString(sample("p2", "p2.bin"));
        const QString missing = QString::fromStdString(mDir->file("missing.bin"));
        // Windows takes its display language from the user's settings, not
        // from LANG: there the language is chosen with --lang.
        const auto inLanguage = [](const QString& language, QStringList arguments) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
                environment.remove(QString::fromLatin1(name));
            environment.insert(QStringLiteral("LANG"), language + QStringLiteral(".UTF-8"));
#ifdef Q_OS_WIN
            arguments.prepend(language.section(QLatin1Char('_'), 0, 0) == QLatin1String("pt") ? "pt_BR" : language);
            arguments.prepend(QStringLiteral("--lang"));
#endif
            return run(KORVANE_TOOL_PATH, arguments, environment);
        };

        const Run help = inLanguage(QStringLiteral("es_ES"), {"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.startsWith(QStringLiteral("Uso: ")), qPrintable(help.out));
        QVERIFY2(help.out.contains(QStringLiteral("Los valores de los editores de imágenes de cartucho de Mega Drive, "
                                                  "en JSON.\n\nComandos:\n")),
                 qPrintable(help.out));

        const Run english = inLanguage(QStringLiteral("C"), {"export", image});
        const Run englishRefusal = inLanguage(QStringLiteral("C"), {"export", missing});
        QCOMPARE(english.exitCode, 0);
        QVERIFY(englishRefusal.err.contains(QStringLiteral("cannot open")));
        for (const auto& [language, refusal] :
             {std::pair{"pt_BR", "não foi possível abrir"}, std::pair{"es_ES", "no se puede abrir"}}) {
            const Run exported = inLanguage(QString::fromLatin1(language), {"export", image});
            QCOMPARE(exported.exitCode, english.exitCode);
            QCOMPARE(exported.out, english.out);
            const Run refused = inLanguage(QString::fromLatin1(language), {"export", missing});
            QCOMPARE(refused.exitCode, englishRefusal.exitCode);
            QVERIFY2(refused.err.contains(QString::fromUtf8(refusal)), qPrintable(refused.err));
        }
        // --lang wins over the system's language.
        QCOMPARE(inLanguage(QStringLiteral("pt_BR"), {"--lang", "en", "export", missing}).err, englishRefusal.err);
    }

    // korvane-samplerom: usage instead of a folder named "--help", unknown
    // options refused, samples already there kept unless replaced.
    void sampleImages()
    {
        QDir::setCurrent(QString::fromStdString(mDir->path()));
        const auto samplerom = [](const QStringList& arguments) { return run(KORVANE_SAMPLEROM_PATH, arguments); };
        Run result = samplerom({"--help"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.contains(QStringLiteral("DIR")));
        QCOMPARE(samplerom({"--frob", "out"}).exitCode, 2);
        QCOMPARE(samplerom({}).exitCode, 2);
        QVERIFY(QDir(QString::fromStdString(mDir->path())).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());

        QCOMPARE(samplerom({"out"}).exitCode, 0);
        const std::string edited = mDir->file("out/sample-p2.bin");
        SyntheticImage(0x100).save(edited);
        result = samplerom({"out"});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QString());
        QCOMPARE(ReadFileBytes(edited).size(), std::size_t(0x100));
        QVERIFY(samplerom({"--replace", "out"}).out.contains(QStringLiteral("sample-p2.bin")));
        QVERIFY(ReadFileBytes(edited).size() > 0x100);
    }

    // For every game: export then import writes nothing; a document changed
    // everywhere, imported, reads back as it was written; and the values of
    // one image imported into another image of the game make its export
    // equal; diff then finds nothing.
    void roundTripsOfEveryGame_data()
    {
        QTest::addColumn<QString>("code");
        for (const SampleImage& s : BuildSampleImages())
            QTest::newRow(s.gameCode.c_str()) << QString::fromStdString(s.gameCode);
    }

    void roundTripsOfEveryGame()
    {
        QFETCH(QString, code);
        const QString a = QString::fromStdString(sample(code.toStdString(), "a.bin"));
        const QString b = QString::fromStdString(sample(code.toStdString(), "b.bin"));
        const QString doc = QString::fromStdString(mDir->file("doc.json"));
        const auto original = ReadFileBytes(a.toStdString());

        const Run exported = tool({"export", a, "-o", doc});
        // A game no editor serves has nothing to export.
        if (EditorItemsOf(code.toStdString()) == 0) {
            QCOMPARE(exported.exitCode, 1);
            QVERIFY2(exported.err.contains(QStringLiteral("no editor serves this image")), qPrintable(exported.err));
            return;
        }
        QCOMPARE(exported.exitCode, 0);
        QCOMPARE(exported.err, QString());
        const QJsonObject document = parse(tool({"export", a}).out);
        QCOMPARE(document.value("game").toString(), code);
        Run run = tool({"import", a, doc});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QString());
        QVERIFY(ReadFileBytes(a.toStdString()) == original);

        const QJsonObject mutated = changed({}, document).toObject();
        writeText(doc.toStdString(), QJsonDocument(mutated).toJson());
        run = tool({"import", b, doc});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QCOMPARE(parse(tool({"export", b}).out), mutated);
        if (mutated != document)
            QCOMPARE(tool({"diff", a, b}).exitCode, 1);

        QCOMPARE(tool({"export", a, "-o", doc}).exitCode, 0);
        QCOMPARE(tool({"import", b, doc}).exitCode, 0);
        QCOMPARE(parse(tool({"export", b}).out), document);
        run = tool({"diff", a, b});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("0 other bytes differ outside the editors' values and the header\n"));
    }
};

QTEST_GUILESS_MAIN(KorvaneToolTest)
#include "korvanetool_test.moc"
