// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/palette/paletteeditor.h"
#include "ui_paletteeditor.h"

#include "core/codepage.h"
#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "core/imagesession.h"
#include "editors/editorlist.h"
#include "ui/editormemory.h"
#include "ui/handlers.h"
#include "ui/imagesave.h"
#include "ui/trackedform.h"

#include <QFont>
#include <QKeyEvent>
#include <QSignalBlocker>

#include <algorithm>

namespace {

constexpr int kSwatchColumns = 16;
constexpr int kSwatchSize = 25;

} // namespace

PaletteEditor::PaletteEditor(ImageSession& session, EditorMemory& memory, QWidget* parent)
    : QDialog(parent), mUi(std::make_unique<Ui::PaletteEditor>()), mSession(session), mMemory(memory)
{
    mUi->setupUi(this);
    NoButtonOnEnter(this);

    QFont fixed(QStringLiteral("Liberation Mono"));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setPointSize(font().pointSize());
    mUi->PalOff->setFont(fixed);
    mUi->SelPal->setFont(fixed);

    mUi->Color->setBevel(ColourSwatch::Bevel::Ridge);
    const std::pair<ColourSwatch*, QString> boxes[] = {
        {mUi->cB, tr("B", "blue")}, {mUi->cG, tr("G", "green")}, {mUi->cR, tr("R", "red")}};
    for (const auto& [box, caption] : boxes) {
        box->setBevel(ColourSwatch::Bevel::Flat);
        box->setCaption(caption);
    }

    // Four rows of 16.
    for (int k = 0; k < kMaxPaletteColours; ++k) {
        auto* swatch = new ColourSwatch(this);
        swatch->setObjectName(QStringLiteral("p%1").arg(k));
        swatch->setFixedSize(kSwatchSize, kSwatchSize);
        mUi->swatchGrid->addWidget(swatch, k / kSwatchColumns, k % kSwatchColumns);
        connect(swatch, &ColourSwatch::clicked, this, [this, k] { RunHandler([this, k] { selectColour(k); }); });
        swatch->setAccessibleName(tr("Colour %1").arg(k));
        swatch->installEventFilter(this);
        mSwatches[static_cast<std::size_t>(k)] = swatch;
    }
    // The swatches (one Tab stop; the arrow keys move between them), the
    // list, then the right-hand column from the top.
    for (QScrollBar* bar : {mUi->BarB, mUi->BarG, mUi->BarR})
        bar->setFocusPolicy(Qt::StrongFocus);
    std::vector<QWidget*> order(mSwatches.begin(), mSwatches.end());
    order.insert(order.end(),
                 {mUi->PltList, mUi->PalOff, mUi->BarB, mUi->BarG, mUi->BarR, mUi->SelPal, mUi->changeButton, mUi->saveButton,
                  mUi->closeButton});
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    mSwatches[0]->setFocus();

    ConnectHandler(mUi->BarB, &QScrollBar::valueChanged, this, &PaletteEditor::blueMoved);
    ConnectHandler(mUi->BarG, &QScrollBar::valueChanged, this, &PaletteEditor::greenMoved);
    ConnectHandler(mUi->BarR, &QScrollBar::valueChanged, this, &PaletteEditor::redMoved);
    ConnectHandler(mUi->changeButton, &QPushButton::clicked, this, &PaletteEditor::applyWord);
    connect(mUi->closeButton, &QPushButton::clicked, this, &QWidget::close);
    // Enter in the word stores it, as Change does.
    ConnectHandler(mUi->SelPal, &QLineEdit::returnPressed, this, &PaletteEditor::applyWord);
    ConnectHandler(mUi->PltList, &QListWidget::currentRowChanged, this, &PaletteEditor::showPalette);

    const auto describe = [](QWidget* control, const QString& name, const QString& tip) {
        control->setAccessibleName(name);
        control->setToolTip(tip);
    };
    describe(mUi->PltList, tr("Palettes"), tr("The palettes of the game's palette list"));
    describe(mUi->SelPal, tr("Colour word"),
             tr("The selected colour as the image holds it: hexadecimal 0000 to FFFF (also $0EEE, "
                "0x0EEE or EEEh), 0EEE at most for a Mega Drive colour; Change or Enter stores it"));
    describe(mUi->PalOff, tr("Offset of the colour"), tr("Where the selected colour lies in the image: hexadecimal"));
    describe(mUi->BarB, tr("Blue"), tr("The blue level of the selected colour"));
    describe(mUi->BarG, tr("Green"), tr("The green level of the selected colour"));
    describe(mUi->BarR, tr("Red"), tr("The red level of the selected colour"));

    RunHandler([this] { showImage(); });
    mTracked = new TrackedForm(this, mSession, mUi->saveButton,
                               {[this] { return want(); }, [this] { markChangedPalettes(); }, [this] { reread(); },
                                [this] { return heldModels(); }},
                               {},
                               {[this] { return heldEdits(); }, [this](const QStringList& edits) { putBackEdits(edits); }});
    // A word typed but not stored yet is a change: Save stores it first.
    mTracked->setPending({[this] { return wordTyped(); }, [this] { applyWord(); }});
    connect(mUi->SelPal, &QLineEdit::textChanged, mTracked, &TrackedForm::pendingChanged);
}

PaletteEditor::~PaletteEditor() = default;

void PaletteEditor::showImage()
{
    mState.currentEntry = 0;
    LoadPaletteList(PaletteListPath(mSession.gameCode()), mState.table, [this](const std::string& name) {
        mUi->PltList->addItem(QString::fromStdString(Cp1252ToUtf8(name)));
    });
    mState.currentEntry = 0;
    {
        // Mark the palette shown in the list without loading it twice.
        const QSignalBlocker blocker(mUi->PltList);
        mUi->PltList->setCurrentRow(0);
    }
    readPalette(0);
}

ColourFormat PaletteEditor::format() const
{
    return mState.table[static_cast<std::size_t>(mState.currentEntry)].format;
}

void PaletteEditor::readPalette(int k)
{
    const PaletteEntry& entry = mState.table[static_cast<std::size_t>(k)];
    mState.currentOffset = entry.offset;
    HeldPalette& palette = mHeld[k] = HeldPalette();
    palette.model.setEntry(entry);
    ReadThenShow([this, &palette] { mSession.read(palette.model); },
                 [this, &palette] {
                     for (int i = 0; i < palette.model.coloursRead(); ++i) {
                         const auto k = static_cast<std::size_t>(i);
                         mState.colours[k] = palette.model.stored()[k];
                     }
                     palette.original = palette.model.stored();
                     showSwatches();
                 });
    if (mTracked)
        mTracked->showSuspects();
}

std::vector<EditorModel*> PaletteEditor::heldModels()
{
    std::vector<EditorModel*> models;
    for (auto& [row, palette] : mHeld)
        models.push_back(&palette.model);
    return models;
}

void PaletteEditor::showSwatches()
{
    const auto found = mHeld.find(mState.currentEntry);
    const int count = found == mHeld.end() ? 0 : found->second.model.coloursRead();
    for (int i = 0; i < kMaxPaletteColours; ++i) {
        ColourSwatch* swatch = mSwatches[static_cast<std::size_t>(i)];
        if (i < count) {
            showColour(i);
            swatch->show();
        } else {
            swatch->hide();
        }
    }
    // The selected colour is the swatches' Tab stop, or the first.
    const int stop = mMemory.paletteColour < count ? mMemory.paletteColour : 0;
    for (int i = 0; i < kMaxPaletteColours; ++i)
        mSwatches[static_cast<std::size_t>(i)]->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void PaletteEditor::showColour(int i)
{
    const auto index = static_cast<std::size_t>(i);
    mSwatches[index]->setColour(EditorColour(mState.colours[index], format()));
}

void PaletteEditor::showSelectedColour()
{
    const auto selected = static_cast<std::size_t>(mMemory.paletteColour);
    for (ColourSwatch* swatch : mSwatches)
        swatch->setBevel(ColourSwatch::Bevel::Raised);
    mSwatches[selected]->setBevel(ColourSwatch::Bevel::Sunken);
    showColour(mMemory.paletteColour);
    mUi->Color->setColour(mSwatches[selected]->colour());

    const std::uint16_t word = mState.colours[selected];
    const ColourFormat f = format();
    mUi->SelPal->setText(QString::fromStdString(HexStr(word, 4)));
    // Where the colour lies in this image, a palette moved by its layout
    // included.
    const auto held = mHeld.find(mState.currentEntry);
    const std::int64_t offset = held != mHeld.end() ? held->second.model.at(mState.currentOffset + 2 * selected)
                                                    : mState.currentOffset + 2 * selected;
    mUi->PalOff->setText(QString::fromStdString(HexStr(static_cast<std::uint32_t>(offset), 6)));
    mUi->cB->setColour(ComponentColour(word, f, ColourComponent::Blue));
    mUi->cG->setColour(ComponentColour(word, f, ColourComponent::Green));
    mUi->cR->setColour(ComponentColour(word, f, ColourComponent::Red));

    const std::pair<QScrollBar*, ColourComponent> bars[] = {
        {mUi->BarB, ColourComponent::Blue}, {mUi->BarG, ColourComponent::Green}, {mUi->BarR, ColourComponent::Red}};
    // A lower maximum may pull a bar down. That is no choice of the user's:
    // the level is set from the colour just below, so the colour must not be
    // changed from the pulled-down level meanwhile.
    for (const auto& bar : bars) {
        const QSignalBlocker blocker(bar.first);
        bar.first->setMaximum(BarMaximum(f));
    }
    // Each level change runs the bar's change step at once, which stores the
    // level's value in the colour and refreshes again; so each level is taken
    // from the colour as it is by then.
    // Looking at a colour is no change of the user's: what these level
    // changes do to it is not saved unless the user changes it too.
    ++mRefreshing;
    for (const auto& [bar, component] : bars)
        bar->setValue(BarLevel(mState.colours[selected], f, component));
    --mRefreshing;
}

void PaletteEditor::selectColour(int k)
{
    mMemory.paletteColour = k;
    showSelectedColour();
}

void PaletteEditor::barChange(QScrollBar* bar, ColourComponent component)
{
    // Undo and redo put back words exactly; the bars only show them.
    if (mRefreshing > 0 && mPuttingBack > 0)
        return;
    const auto selected = static_cast<std::size_t>(mMemory.paletteColour);
    mState.colours[selected] = WithBarLevel(mState.colours[selected], format(), component, bar->value());
    if (mRefreshing > 0) {
        showSelectedColour();
        return;
    }
    shown().changed[selected] = true;
    showSelectedColour();
    const QString what = component == ColourComponent::Blue    ? tr("Blue level")
                         : component == ColourComponent::Green ? tr("Green level")
                                                               : tr("Red level");
    edited(what, (int(component) + 1) * 1000 + int(selected));
}

void PaletteEditor::blueMoved()
{
    barChange(mUi->BarB, ColourComponent::Blue);
}

void PaletteEditor::greenMoved()
{
    barChange(mUi->BarG, ColourComponent::Green);
}

void PaletteEditor::redMoved()
{
    barChange(mUi->BarR, ColourComponent::Red);
}

void PaletteEditor::applyWord()
{
    const auto selected = static_cast<std::size_t>(mMemory.paletteColour);
    std::uint16_t word = 0;
    try {
        word = ParseColourWord(mUi->SelPal->text().toStdString(), format(), mState.colours[selected],
                               mUi->SelPal->accessibleName().toStdString());
    } catch (const KorvaneError&) {
        mUi->SelPal->setFocus();
        mUi->SelPal->selectAll();
        throw;
    }
    mState.colours[selected] = word;
    shown().changed[selected] = true;
    showSelectedColour();
    edited(tr("Change"), -1);
}

bool PaletteEditor::wordTyped() const
{
    // Only what the user typed, and only a word other than the colour's:
    // "0eca" for 0ECA is none.
    if (!mUi->SelPal->isModified() || mMemory.paletteColour < 0 || mMemory.paletteColour >= kMaxPaletteColours)
        return false;
    try {
        return ParseNumber(mUi->SelPal->text().toStdString(), {std::string(), 4, 0, 0xFFFF})
               != mState.colours[static_cast<std::size_t>(mMemory.paletteColour)];
    } catch (const KorvaneError&) {
        return true;
    }
}

void PaletteEditor::showPalette(int row)
{
    if (row < 0)
        return;
    if (const auto left = mHeld.find(mState.currentEntry); left != mHeld.end())
        left->second.colours = mState.colours;
    mState.currentEntry = row;
    const auto kept = mHeld.find(row);
    if (kept != mHeld.end() && kept->second.changed.any()) {
        // The changes it holds, not the image's colours.
        mState.currentOffset = mState.table[static_cast<std::size_t>(row)].offset;
        mState.colours = kept->second.colours;
        showSwatches();
    } else {
        readPalette(row);
    }
    // The preview, word and offset show the selected colour of this
    // palette, not of the one before.
    showSelectedColour();
}

std::vector<EditorModel*> PaletteEditor::want()
{
    // Only the colours the user changed; the others keep what was read.
    std::vector<EditorModel*> saves;
    const auto add = [&](HeldPalette& palette) {
        PaletteColours colours = palette.model.stored();
        for (std::size_t i = 0; i < colours.size(); ++i) {
            if (palette.changed[i])
                colours[i] = palette.colours[i];
        }
        palette.model.want(colours);
        saves.push_back(&palette.model);
    };
    // The palette shown is checked even when it holds no change; every
    // other palette read whole goes with it, so that its snapshot follows
    // the image's header repair.
    add(shown());
    for (auto& [row, palette] : mHeld) {
        if (row != mState.currentEntry && (unsaved(row, palette) || palette.model.unreadRefusal().empty()))
            add(palette);
    }
    return saves;
}

void PaletteEditor::reread()
{
    if (const auto left = mHeld.find(mState.currentEntry); left != mHeld.end())
        left->second.colours = mState.colours;
    for (auto& [row, palette] : mHeld) {
        ReadThenShow([this, &palette] { mSession.read(palette.model); }, [] {});
        for (int i = 0; i < palette.model.coloursRead(); ++i) {
            const auto k = static_cast<std::size_t>(i);
            palette.colours[k] = palette.model.stored()[k];
        }
        palette.original = palette.model.stored();
        palette.changed.reset();
    }
    if (const auto shown = mHeld.find(mState.currentEntry); shown != mHeld.end())
        mState.colours = shown->second.colours;
    showSwatches();
    showSelectedColour();
}

PaletteEditor::HeldPalette& PaletteEditor::shown()
{
    HeldPalette& palette = mHeld[mState.currentEntry];
    palette.colours = mState.colours;
    return palette;
}

const PaletteColours& PaletteEditor::coloursOf(int row, const HeldPalette& palette) const
{
    return row == mState.currentEntry ? mState.colours : palette.colours;
}

QStringList PaletteEditor::editsOf(int row, const HeldPalette& palette) const
{
    const PaletteColours& colours = coloursOf(row, palette);
    QStringList edits;
    for (int i = 0; i < palette.model.coloursRead(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (palette.changed[k] && colours[k] != palette.original[k])
            edits << QStringLiteral("%1 %2 %3").arg(row).arg(i).arg(colours[k]);
    }
    return edits;
}

bool PaletteEditor::unsaved(int row, const HeldPalette& palette) const
{
    const PaletteColours& colours = coloursOf(row, palette);
    for (int i = 0; i < palette.model.coloursRead(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (palette.changed[k] && colours[k] != palette.model.stored()[k])
            return true;
    }
    return false;
}

QStringList PaletteEditor::heldEdits()
{
    QStringList edits;
    for (const auto& [row, palette] : mHeld)
        edits << editsOf(row, palette);
    return edits;
}

void PaletteEditor::putBackEdits(const QStringList& edits)
{
    ++mPuttingBack;
    std::map<int, QStringList> before;
    for (const auto& [row, palette] : mHeld)
        before[row] = editsOf(row, palette);
    for (auto& [row, palette] : mHeld) {
        PaletteColours& colours = row == mState.currentEntry ? mState.colours : palette.colours;
        // Still changed: the image may hold another colour by now.
        for (std::size_t i = 0; i < colours.size(); ++i) {
            if (palette.changed[i])
                colours[i] = palette.original[i];
        }
    }
    for (const QString& edit : edits) {
        const QStringList parts = edit.split(QLatin1Char(' '));
        const auto held = mHeld.find(parts.value(0).toInt());
        const int index = parts.value(1).toInt();
        if (parts.size() != 3 || held == mHeld.end() || index < 0 || index >= kMaxPaletteColours)
            continue;
        const auto k = static_cast<std::size_t>(index);
        PaletteColours& colours = held->first == mState.currentEntry ? mState.colours : held->second.colours;
        colours[k] = static_cast<std::uint16_t>(parts[2].toUInt());
        held->second.changed[k] = true;
    }
    // Show the palette the step changed.
    int changedRow = -1;
    for (const auto& [row, palette] : mHeld) {
        if (editsOf(row, palette) != before[row]) {
            if (row == mState.currentEntry) {
                changedRow = -1;
                break;
            }
            if (changedRow < 0)
                changedRow = row;
        }
    }
    if (changedRow >= 0)
        mUi->PltList->setCurrentRow(changedRow);
    showSwatches();
    showSelectedColour();
    --mPuttingBack;
    markChangedPalettes();
}

void PaletteEditor::markChangedPalettes()
{
    for (int row = 0; row < mUi->PltList->count(); ++row) {
        QListWidgetItem* item = mUi->PltList->item(row);
        const auto held = mHeld.find(row);
        QFont font = item->font();
        font.setBold(held != mHeld.end() && unsaved(row, held->second));
        if (font != item->font())
            item->setFont(font);
    }
}

void PaletteEditor::edited(const QString& what, int key)
{
    markChangedPalettes();
    if (!mTracked)
        return;
    // Moves of one bar on one colour of one palette make one step.
    if (key < 0)
        key = ++mEditKey + 1'000'000;
    else
        key += mState.currentEntry * 100'000;
    mTracked->stateChanged(what, key);
}

void PaletteEditor::moveFocus(int from, int by)
{
    const int to = from + by;
    if (to < 0 || to >= kMaxPaletteColours || mSwatches[static_cast<std::size_t>(to)]->isHidden())
        return;
    for (int i = 0; i < kMaxPaletteColours; ++i)
        mSwatches[static_cast<std::size_t>(i)]->setFocusPolicy(i == to ? Qt::StrongFocus : Qt::ClickFocus);
    mSwatches[static_cast<std::size_t>(to)]->setFocus(Qt::OtherFocusReason);
}

bool PaletteEditor::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(mSwatches.begin(), mSwatches.end(), watched);
    if (found == mSwatches.end() || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int k = int(found - mSwatches.begin());
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Left: moveFocus(k, -1); return true;
    case Qt::Key_Right: moveFocus(k, 1); return true;
    case Qt::Key_Up: moveFocus(k, -kSwatchColumns); return true;
    case Qt::Key_Down: moveFocus(k, kSwatchColumns); return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        RunHandler([this, k] { selectColour(k); });
        return true;
    default: return false;
    }
}

std::unique_ptr<QDialog> NewPalettesEditor(ImageSession* session, EditorMemory& memory, QWidget* owner)
{
    if (!session)
        return nullptr;
    return std::make_unique<PaletteEditor>(*session, memory, owner);
}
