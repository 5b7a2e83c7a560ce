// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "tests/ui/uitest.h"
#include "tools/samplerom/samples.h"
#include "ui/elidedlabel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

// Every window at its opening size shows each label and button whole (at
// least its size hint), with the program's font and one half as large
// again; CTest runs it once more at QT_SCALE_FACTOR=2. Every push button
// with a word has its Alt+letter.
class LayoutTest : public WindowTest
{
    Q_OBJECT

private:
    static void checkNothingCut(QWidget* window, const QString& name)
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        SaveScreenshot(window, name);
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(widget);
            const bool text = label ? !label->text().isEmpty() && !label->wordWrap() && !qobject_cast<ElidedLabel*>(widget)
                                    : qobject_cast<QAbstractButton*>(widget) != nullptr;
            if (!text || !widget->isVisible())
                continue;
            if (const auto* button = qobject_cast<QPushButton*>(widget);
                button && button->text().contains(QRegularExpression(QStringLiteral("\\w"))))
                QVERIFY2(button->text().contains(QLatin1Char('&')), qPrintable(name + QLatin1Char(' ') + button->text()));
            const QSize hint = widget->sizeHint();
            QVERIFY2(widget->width() >= hint.width() && widget->height() >= hint.height(),
                     qPrintable(QStringLiteral("%1: %2 is %3x%4, needs %5x%6")
                                    .arg(name, widget->objectName())
                                    .arg(widget->width())
                                    .arg(widget->height())
                                    .arg(hint.width())
                                    .arg(hint.height())));
        }
    }

private slots:
    void initTestCase() { InitWindowTests(); }
    void init() { startWindowTest(); }
    void cleanup()
    {
        endWindowTest();
        InitApplication();
    }

    void nothingIsCut_data()
    {
        QTest::addColumn<double>("fontScale");
        QTest::newRow("font") << 1.0;
        QTest::newRow("font 1.5x") << 1.5;
    }

    void nothingIsCut()
    {
        QFETCH(double, fontScale);
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * fontScale);
        QApplication::setFont(font);
        const QString scale = QStringLiteral("-font%1-scale%2").arg(fontScale).arg(qEnvironmentVariable("QT_SCALE_FACTOR", "1"));
        for (const EditorInfo& editor : Editors()) {
            selectImage(SampleImageOf(editor.games.empty() ? "p2" : editor.games.front()));
            const std::unique_ptr<QDialog> window = NewEditor(editor.id, mSession.get(), mMemory, nullptr);
            checkNothingCut(window.get(), QString::fromUtf8(editor.title).remove(QLatin1Char(' ')) + scale);
        }
        CreateMainWindow()->selectFile(QString::fromStdString(mPath));
        checkNothingCut(TestMainWindow(), QStringLiteral("MainWindow") + scale);
        QCOMPARE(mNotices->errors, QStringList());
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
