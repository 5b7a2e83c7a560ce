// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program as LANG=pt_BR.UTF-8 starts it (CTest sets it for this test):
// its menus, its refusals and Qt's own buttons in Brazilian Portuguese.

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/syntheticimage.h"
#include "tests/ui/uitest.h"
#include "ui/handlers.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

class LanguageTest : public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { InitWindowTests(); }
    void init() { startWindowTest("curta.bin"); }
    void cleanup() { endWindowTest(); }

    void theProgramSpeaksThePortugueseOfTheSystem()
    {
        MainWindow* main = CreateMainWindow();
        QStringList menus;
        for (const QAction* menu : main->menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{QStringLiteral("&Arquivo"), QStringLiteral("&Editor"), QStringLiteral("&Imagem"),
                                     QStringLiteral("&Configurações"), QStringLiteral("Aj&uda")}));

        SyntheticImage(16).save(mPath);
        const QString path = QString::fromStdString(mPath);
        RunHandler([main, &path] { main->selectFile(path); });
        QCOMPARE(mNotices->errors,
                 QStringList{path + QStringLiteral(" tem 16 bytes: curto demais para uma imagem de Mega Drive (no "
                                                   "mínimo 512 bytes).")});

        // Settings > Language keeps a choice for the next start, and says so.
        main->findChild<QAction*>(QStringLiteral("SettingsLanguage_es"))->trigger();
        QCOMPARE(QSettings().value(LanguageSettingKey()).toString(), QStringLiteral("es"));
        QCOMPARE(mNotices->messages,
                 QStringList{QStringLiteral("O idioma muda quando o Pelbo Korvane for aberto de novo.")});
        main->findChild<QAction*>(QStringLiteral("SettingsLanguage_system"))->trigger();
        QVERIFY(!QSettings().contains(LanguageSettingKey()));

        // Qt's own texts follow the same language.
        const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancelar"));
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
