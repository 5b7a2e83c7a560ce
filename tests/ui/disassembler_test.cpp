// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "editors/disassembler/disassembler.h"
#include "tests/support/recordingnotices.h"
#include "tests/ui/uitest.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class DisasmWindowTest : public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { InitWindowTests(); }

    void init()
    {
        CreateMainWindow();
    }

    void cleanup() { DestroyMainWindow(); }

    void convertsThroughItsRoute()
    {
        RecordingNotices notices;
        QStringList shown;
        const bool opened = WithEditor([] { TestMainWindow()->openDisassembler(); }, [&](QWidget* modal) {
            auto* machine = modal->findChild<QLineEdit*>("Machine");
            auto* eAsm = modal->findChild<QLineEdit*>("EAsm");
            auto* convert = modal->findChild<QPushButton*>("convertButton");
            for (const char* typed : {"4E75", "4e71", "4E72", "4E7G", "", "12344E70"}) {
                machine->setText(QString::fromLatin1(typed));
                convert->click();
                shown << eAsm->text();
            }
            SaveScreenshot(modal, QStringLiteral("disasm"));
            modal->close();
        });
        QVERIFY(opened);
        // An error leaves the previous answer in place.
        QCOMPARE(shown, (QStringList{"RTS", "NOP", "unrecognized", "unrecognized", "unrecognized", "RESET"}));
        QCOMPARE(notices.errors, (QStringList{"'4E7G' is not a valid value for \"Machine code\" (hexadecimal 0000 to FFFFFFFF).",
                                              "'' is not a valid value for \"Machine code\" (hexadecimal 0000 to FFFFFFFF)."}));
    }

    void machineBoxTakesSixteenCharacters()
    {
        Disassembler window(TestMainWindow());
        auto* machine = window.findChild<QLineEdit*>("Machine");
        QTest::keyClicks(machine, QStringLiteral("0000000000004E7077"));
        QCOMPARE(machine->text(), QStringLiteral("0000000000004E70"));
    }
};

QTEST_MAIN(DisasmWindowTest)
#include "disassembler_test.moc"
