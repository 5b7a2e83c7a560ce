// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/romfile.h"
#include "document/editorvalues.h"
#include "editors/editorlist.h"
#include "tests/ui/uitest.h"
#include "tools/samplerom/samples.h"

#include <QDialog>
#include <QtTest>

namespace {

const char* const kGameCodes[] = {"gst", "p1", "p1j", "p2b", "p2", "p3", "chaotix", "p1k", "p2k", "p3k", "pk"};

} // namespace

// The editor list is whole: every editor opens its window where the menu
// offers it, an editor with a values key has that section for each game it
// serves and its sample filler puts values where the section reads them,
// and every item the menu offers for a game opens an editor of that game.
class EditorListTest : public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { InitWindowTests(); }
    void init() { startWindowTest(); }
    void cleanup() { endWindowTest(); }

    void everyEditorIsWhole()
    {
        QVERIFY(!Editors().empty());
        for (const EditorInfo& editor : Editors()) {
            std::vector<std::string> games(editor.games.begin(), editor.games.end());
            if (games.empty())
                games = {"p2"}; // opened on any image
            for (const std::string& code : games) {
                const QByteArray label = QByteArray::number(int(editor.id)) + " on " + QByteArray::fromStdString(code);
                selectImage(SampleImageOf(code));
                const std::unique_ptr<QDialog> window = NewEditor(editor.id, mSession.get(), mMemory, nullptr);
                QVERIFY2(window, label);
                QVERIFY2(mNotices->errors.isEmpty(), label + ": " + mNotices->errors.join(' ').toUtf8());

                const std::unique_ptr<EditorValues> values = NewEditorValues(editor.id, code);
                QCOMPARE(values != nullptr, *editor.key != '\0');
                if (!values)
                    continue;
                QCOMPARE(values->key(), QString::fromLatin1(editor.key));
                // The filler writes inside the spans on an image of the
                // sample's size and header only.
                const SyntheticImage sample = SampleImageOf(code);
                SyntheticImage bare(sample.size());
                bare.bytes(0, std::vector<std::uint8_t>(sample.data().begin(), sample.data().begin() + 0x200));
                SyntheticImage filled = bare;
                FillEditorSamples(editor.id, filled, code);
                RomFile file(mPath, RomFile::Access::Read);
                std::vector<std::string> notes;
                values->read(file, notes);
                QVERIFY2(notes.empty(), label);
                bool written = false;
                for (const ByteSpan& span : values->spans()) {
                    for (std::int64_t at = span.offset; at < span.offset + span.size; ++at)
                        written = written || filled.data()[std::size_t(at)] != bare.data()[std::size_t(at)];
                }
                QVERIFY2(written, label);
            }
        }
    }

    void everyOfferedItemOpensAnEditorOfTheGame()
    {
        for (const char* code : kGameCodes) {
            const unsigned items = EditorItemsOf(code);
            for (unsigned item = 1; item != 0 && item <= items; item <<= 1) {
                if (!(items & item))
                    continue;
                const EditorId id = RouteFor(EditorItem(item), code);
                QVERIFY2(id != EditorId::None, code);
                const auto editor = std::find_if(Editors().begin(), Editors().end(),
                                                 [id](const EditorInfo& e) { return e.id == id; });
                QVERIFY2(editor != Editors().end() && Serves(*editor, code), code);
            }
        }
    }
};

QTEST_MAIN(EditorListTest)
#include "editorlist_test.moc"
