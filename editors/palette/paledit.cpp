// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/palette/paledit.h"

#include "core/codepage.h"
#include "core/numbers.h"
#include "core/romaccess.h"
#include "ui/handlers.h"
#include "ui/savecompletion.h"

#include <QFont>
#include <QSignalBlocker>

Tpalform* palform = nullptr;

namespace {

constexpr int kSwatchColumns = 16;
constexpr int kSwatchPitch = 24;
constexpr int kSwatchSize = 25;
constexpr int kSwatchMargin = 8;

} // namespace

Tpalform::Tpalform(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    NoButtonOnEnter(this);
    setFixedSize(size());

    QFont fixed(QStringLiteral("Liberation Mono"));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setPointSize(font().pointSize());
    PalOff->setFont(fixed);
    SelPal->setFont(fixed);

    Color->setBevel(ColourSwatch::Bevel::Ridge);
    const std::pair<ColourSwatch*, const char*> boxes[] = {{cB, "B"}, {cG, "G"}, {cR, "R"}};
    for (const auto& [box, caption] : boxes) {
        box->setBevel(ColourSwatch::Bevel::Flat);
        box->setCaption(QString::fromLatin1(caption));
    }

    // Four rows of 16, neighbours overlapping by one pixel.
    for (int k = 0; k < kMaxPaletteColours; ++k) {
        auto* swatch = new ColourSwatch(this);
        swatch->setObjectName(QStringLiteral("p%1").arg(k));
        swatch->setGeometry(kSwatchMargin + kSwatchPitch * (k % kSwatchColumns),
                            kSwatchMargin + kSwatchPitch * (k / kSwatchColumns), kSwatchSize, kSwatchSize);
        connect(swatch, &ColourSwatch::clicked, this, [this, k] { RunHandler([this, k] { swatchClick(k); }); });
        mSwatches[static_cast<std::size_t>(k)] = swatch;
    }

    ConnectHandler(BarB, &QScrollBar::valueChanged, this, &Tpalform::BarBChange);
    ConnectHandler(BarG, &QScrollBar::valueChanged, this, &Tpalform::BarGChange);
    ConnectHandler(BarR, &QScrollBar::valueChanged, this, &Tpalform::BarRChange);
    ConnectHandler(Button1, &QPushButton::clicked, this, &Tpalform::Button1Click);
    ConnectHandler(Button2, &QPushButton::clicked, this, &Tpalform::Button2Click);
    ConnectHandler(PltList, &QListWidget::currentRowChanged, this, &Tpalform::PltListClick);

    const auto describe = [](QWidget* control, const QString& name, const QString& tip) {
        control->setAccessibleName(name);
        control->setToolTip(tip);
    };
    describe(PltList, QStringLiteral("Palettes"), QStringLiteral("The palettes of the game's palette list"));
    describe(SelPal, QStringLiteral("Colour word"),
             QStringLiteral("The selected colour as the image holds it: four hexadecimal digits; Change stores it"));
    describe(PalOff, QStringLiteral("Offset of the colour"),
             QStringLiteral("Where the selected colour lies in the image: hexadecimal"));
    describe(BarB, QStringLiteral("Blue"), QStringLiteral("The blue level of the selected colour"));
    describe(BarG, QStringLiteral("Green"), QStringLiteral("The green level of the selected colour"));
    describe(BarR, QStringLiteral("Red"), QStringLiteral("The red level of the selected colour"));

    RunHandler([this] { FormCreate(); });
}

void Tpalform::FormCreate()
{
    if (!Rom.OpenedFromMenu)
        return;
    PalEdit.currentEntry = 0;
    LoadPaletteList(PaletteListPath(Rom.GameCode), PalEdit.table, [this](const std::string& name) {
        PltList->addItem(QString::fromStdString(Cp1252ToUtf8(name)));
    });
    PalEdit.currentEntry = 0;
    {
        // Mark the palette shown in the list without loading it twice.
        const QSignalBlocker blocker(PltList);
        PltList->setCurrentRow(0);
    }
    updateplt(0);
}

ColourFormat Tpalform::format() const
{
    return PalEdit.table[static_cast<std::size_t>(PalEdit.currentEntry)].format;
}

void Tpalform::updateplt(int k)
{
    const PaletteEntry& entry = PalEdit.table[static_cast<std::size_t>(k)];
    PalEdit.currentOffset = entry.offset;
    mChanged.reset();
    for (ColourSwatch* swatch : mSwatches)
        swatch->hide();
    ReadThenShow([this, &entry] { mModel.read(Rom.RomPath, entry, PalEdit.colours); },
                 [this] {
                     for (int i = 0; i < mModel.coloursRead(); ++i) {
                         loadcolor(i);
                         mSwatches[static_cast<std::size_t>(i)]->show();
                     }
                 });
}

void Tpalform::loadcolor(int i)
{
    const auto index = static_cast<std::size_t>(i);
    mSwatches[index]->setColour(EditorColour(PalEdit.colours[index], format()));
}

void Tpalform::update()
{
    const auto selected = static_cast<std::size_t>(PalEdit.selected);
    for (ColourSwatch* swatch : mSwatches)
        swatch->setBevel(ColourSwatch::Bevel::Raised);
    mSwatches[selected]->setBevel(ColourSwatch::Bevel::Sunken);
    loadcolor(PalEdit.selected);
    Color->setColour(mSwatches[selected]->colour());

    const std::uint16_t word = PalEdit.colours[selected];
    const ColourFormat f = format();
    SelPal->setText(QString::fromStdString(HexStr(word, 4)));
    PalOff->setText(QString::fromStdString(HexStr(PalEdit.currentOffset + 2 * selected, 6)));
    cB->setColour(ComponentColour(word, f, ColourComponent::Blue));
    cG->setColour(ComponentColour(word, f, ColourComponent::Green));
    cR->setColour(ComponentColour(word, f, ColourComponent::Red));

    const std::pair<QScrollBar*, ColourComponent> bars[] = {
        {BarB, ColourComponent::Blue}, {BarG, ColourComponent::Green}, {BarR, ColourComponent::Red}};
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
        bar->setValue(BarLevel(PalEdit.colours[selected], f, component));
    --mRefreshing;
}

void Tpalform::swatchClick(int k)
{
    PalEdit.selected = k;
    update();
}

void Tpalform::barChange(QScrollBar* bar, ColourComponent component)
{
    const auto selected = static_cast<std::size_t>(PalEdit.selected);
    PalEdit.colours[selected] = WithBarLevel(PalEdit.colours[selected], format(), component, bar->value());
    if (mRefreshing == 0)
        mChanged[selected] = true;
    update();
}

void Tpalform::BarBChange()
{
    barChange(BarB, ColourComponent::Blue);
}

void Tpalform::BarGChange()
{
    barChange(BarG, ColourComponent::Green);
}

void Tpalform::BarRChange()
{
    barChange(BarR, ColourComponent::Red);
}

void Tpalform::Button1Click()
{
    const std::string text = SelPal->text().toStdString();
    const auto value = static_cast<std::uint32_t>(StrToInt("$" + text));
    const auto selected = static_cast<std::size_t>(PalEdit.selected);
    PalEdit.colours[selected] = TypedColourWord(value, format());
    mChanged[selected] = true;
    update();
}

void Tpalform::PltListClick(int row)
{
    if (row < 0)
        return;
    PalEdit.currentEntry = row;
    updateplt(row);
    // The preview, word and offset show the selected colour of this
    // palette, not of the one before.
    update();
}

void Tpalform::Button2Click()
{
    // Only the colours the user changed; the others keep what was read.
    PaletteColours wanted = mModel.stored();
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (mChanged[i])
            wanted[i] = PalEdit.colours[i];
    }
    mModel.write(Rom.RomPath, PalEdit.table[static_cast<std::size_t>(PalEdit.currentEntry)], wanted);
    FinishSave();
    mModel.retakeSnapshot(Rom.RomPath);
}
