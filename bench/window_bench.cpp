// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening and saving each editor window on a 4 MiB image, offscreen: wall
// time and the ROM access opens it makes.

#include "bench/benchsupport.h"

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/detection.h"
#include "core/romfile.h"
#include "editors/text/textmodel.h"
#include "editors/water/watereditor.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// What a window needs after it is shown before it is ready for the user:
// the water editor finishes its set-up on a timer.
bool settled(QDialog& window)
{
    const auto* water = qobject_cast<WaterEditor*>(&window);
    return !water || !water->Timer->isActive();
}

// What the main window keeps from one editor opening to the next.
EditorMemory& benchMemory()
{
    static EditorMemory memory;
    return memory;
}

// As the Editor menu opens a window (NewEditor on the selected image's
// session, owned by the main window), shown modally; here until it is
// exposed, painted and settled.
std::unique_ptr<QDialog> openWindow(EditorId id)
{
    std::unique_ptr<QDialog> window = NewEditor(id, &BenchSession(), benchMemory(), BenchMainWindow());
    if (!window)
        throw std::runtime_error("no window for this image");
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        throw std::runtime_error("the window was not shown");
    QCoreApplication::processEvents();
    while (!settled(*window))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return window;
}

void BM_Open(benchmark::State& state, EditorId id, const char* gameCode)
{
    std::uint64_t opens = 0;
    try {
        SelectBenchRom(EditorImage(gameCode));
        for (auto _ : state) {
            const std::uint64_t before = RomFile::OpenCount();
            std::unique_ptr<QDialog> window;
            const double t = SecondsOf([&] { window = openWindow(id); });
            opens += RomFile::OpenCount() - before;
            state.SetIterationTime(t);
            window.reset();
            if (SkipOnErrorReport(state))
                return;
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    state.counters["opens"] = benchmark::Counter(static_cast<double>(opens), benchmark::Counter::kAvgIterations);
}

// Before each Save the controls are set to other values, in turns, so that
// the editors that write only what changed write every value they can.
void changeDemos(QDialog& window, int turn)
{
    for (const char* name : {"PoleLengthUpDown", "PoleSpecialLengthUpDown", "PoleNumberUpDown"}) {
        if (auto* spin = window.findChild<QSpinBox*>(QString::fromLatin1(name)))
            spin->setValue(turn % 2 ? 2 : 3);
    }
    for (const char* name : {"combo1", "combo2", "combo3", "combo4"})
        window.findChild<QComboBox*>(QString::fromLatin1(name))->setCurrentIndex(turn % 2 ? 1 : 2);
}

void changeTexts(QDialog& window, int turn)
{
    for (const TextField& field : kTextFields) {
        window.findChild<QLineEdit*>(QString::fromLatin1(field.name))
            ->setText(QString(field.count, QLatin1Char(turn % 2 ? 'A' : 'B')));
    }
}

void changeObjects(QDialog& window, int turn)
{
    for (const char* name : {"bossesGrid", "pelboGrid"}) {
        auto* grid = window.findChild<QTableWidget*>(QString::fromLatin1(name));
        for (int row = 0; row < grid->rowCount(); ++row)
            grid->item(row, 1)->setText(turn % 2 ? QStringLiteral("1") : QStringLiteral("2"));
    }
}

void changeWater(QDialog& window, int turn)
{
    for (int n = 1; n <= 3; ++n) {
        window.findChild<QComboBox*>(QStringLiteral("l%1cmb").arg(n))->setCurrentIndex(turn % 2 ? 1 : 2);
        window.findChild<QLineEdit*>(QStringLiteral("l%1plt").arg(n))->setText(turn % 2 ? QStringLiteral("01")
                                                                                          : QStringLiteral("02"));
    }
}

// The selected colour, typed and changed.
void changePalette(QDialog& window, int turn)
{
    window.findChild<QLineEdit*>(QStringLiteral("SelPal"))->setText(turn % 2 ? QStringLiteral("0EEE")
                                                                                : QStringLiteral("0CCC"));
    window.findChild<QAbstractButton*>(QStringLiteral("changeButton"))->click();
}

void BM_Save(benchmark::State& state, EditorId id, const char* gameCode, const char* button,
             void (*change)(QDialog&, int), int messages)
{
    std::uint64_t opens = 0;
    try {
        SelectBenchRom(EditorImage(gameCode));
        const std::unique_ptr<QDialog> window = openWindow(id);
        auto* save = window->findChild<QAbstractButton*>(QString::fromLatin1(button));
        if (!save)
            throw std::runtime_error(std::string("no button ") + button);
        int turn = 0;
        for (auto _ : state) {
            change(*window, turn++);
            const std::uint64_t before = RomFile::OpenCount();
            const std::uint64_t shown = RunNotices().messages;
            const double t = SecondsOf([&] { save->click(); });
            opens += RomFile::OpenCount() - before;
            state.SetIterationTime(t);
            if (SkipOnErrorReport(state))
                return;
            if (RunNotices().messages - shown != static_cast<std::uint64_t>(messages)) {
                state.SkipWithError("the Save did not end as expected");
                return;
            }
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    state.counters["opens"] = benchmark::Counter(static_cast<double>(opens), benchmark::Counter::kAvgIterations);
}

template <typename Fn, typename... Args>
void add(const std::string& name, Fn fn, Args... args)
{
    benchmark::RegisterBenchmark(name.c_str(), fn, args...)->UseManualTime()->Unit(benchmark::kMillisecond);
}

} // namespace

void RegisterWindowBenchmarks()
{
    add("Open/demos-p1", BM_Open, EditorId::Demos, "p1");
    add("Open/demos-p2", BM_Open, EditorId::Demos, "p2");
    add("Open/water", BM_Open, EditorId::Water, "p2");
    add("Open/objects", BM_Open, EditorId::Objects, "p2");
    add("Open/texts", BM_Open, EditorId::Texts, "p2");
    add("Open/palettes", BM_Open, EditorId::Palettes, "p1");
    add("Open/art", BM_Open, EditorId::Art, "p1");
    add("Open/first-game-texts", BM_Open, EditorId::FirstGameTexts, "p1");
    add("Open/disassembler", BM_Open, EditorId::Disassembler, "p1");

    // Every Save ends with the checksum repair of the whole image ("Fix
    // Checksum" is ticked) and one message.
    add("Save/demos-p1", BM_Save, EditorId::Demos, "p1", "saveButton", changeDemos, 1);
    add("Save/demos-p2", BM_Save, EditorId::Demos, "p2", "saveButton", changeDemos, 1);
    add("Save/water", BM_Save, EditorId::Water, "p2", "saveButton", changeWater, 1);
    add("Save/objects", BM_Save, EditorId::Objects, "p2", "saveButton", changeObjects, 1);
    add("Save/texts", BM_Save, EditorId::Texts, "p2", "saveButton", changeTexts, 1);
    add("Save/palettes", BM_Save, EditorId::Palettes, "p1", "saveButton", changePalette, 1);
}
