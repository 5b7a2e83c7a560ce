#include "editors/water/p2water.h"

#include "core/korvaneerror.h"
#include "core/romaccess.h"
#include "ui/handlers.h"
#include "ui/levelselector.h"
#include "ui/notices.h"
#include "ui/savecompletion.h"

#include <QTimer>

Tp2waterf* p2waterf = nullptr;

namespace {

// Not a zone: what SelectedLevel gives back when no table row is chosen.
constexpr std::uint16_t kNoZone = 0xFFFF;

} // namespace

Tp2waterf::Tp2waterf(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    setFixedSize(size());
    mControls = {{
        {l1cmb, l1panel, l1act1, l1act2, l1both, l1plt, l1height},
        {l2cmb, l2panel, l2act1, l2act2, l2both, l2plt, l2height},
        {l3cmb, l3panel, l3act1, l3act2, l3both, l3plt, l3height},
        {l4cmb, l4panel, l4act1, l4act2, l4both, l4plt, l4height},
        {l5cmb, l5panel, l5act1, l5act2, l5both, l5plt, l5height},
    }};

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1);
    Timer->setSingleShot(true);

    // activated: only a pick by the user runs the act rule.
    ConnectHandler(l1cmb, &QComboBox::activated, this, &Tp2waterf::l1cmbChange);
    ConnectHandler(l2cmb, &QComboBox::activated, this, &Tp2waterf::l2cmbChange);
    ConnectHandler(l3cmb, &QComboBox::activated, this, &Tp2waterf::l3cmbChange);
    ConnectHandler(l4cmb, &QComboBox::activated, this, &Tp2waterf::l4cmbChange);
    ConnectHandler(l5cmb, &QComboBox::activated, this, &Tp2waterf::l5cmbChange);
    ConnectHandler(Button1, &QPushButton::clicked, this, &Tp2waterf::Button1Click);
    ConnectHandler(Button2, &QPushButton::clicked, this, &Tp2waterf::Button2Click);
    ConnectHandler(Timer, &QTimer::timeout, this, &Tp2waterf::TimerTimer);

    RunHandler([this] { FormCreate(); });
    // Started after the opening step: a message box shown while opening
    // must not let the set-up run on rows not decoded yet.
    Timer->start();
}

void Tp2waterf::FormCreate()
{
    if (!Rom.OpenedFromMenu)
        return;
    // A row becomes usable once it has been read and decoded, a palette box
    // once its byte has been read.
    for (const RowControls& c : mControls) {
        c.cmb->setEnabled(false);
        c.panel->setEnabled(false);
        c.plt->setEnabled(false);
    }
    mLayout = WaterLayoutFor(Rom.GameCode);
    if (!mLayout)
        return;
    if (mLayout->paletteCount == 0) {
        Label3->hide();
        for (const RowControls& c : mControls)
            c.plt->hide();
    }

    for (int n = 0; n < mLayout->rowCount; ++n) {
        const std::int32_t a = mLayout->rows[n];
        mRows[n].size = static_cast<std::uint8_t>(ReadRomValue(a - 1, 1));
        mRows[n].high = static_cast<std::uint8_t>(ReadRomValue(a, 1));
        mRows[n].low = static_cast<std::uint8_t>(ReadRomValue(a + 1, 1));
        mRowRead[n] = true;
    }
    for (int n = 0; n < mLayout->rowCount; ++n)
        LoadLevelList(mControls[n].cmb, mLayout->zones.fileName);
    for (int n = 0; n < mLayout->rowCount; ++n)
        decodeRow(n);
    for (int n = 0; n < mLayout->paletteCount; ++n) {
        const auto value = static_cast<std::uint8_t>(ReadRomValue(mLayout->palettes[n], 1));
        mControls[n].plt->setText(QString::fromStdString(WaterPaletteText(value)));
        mControls[n].plt->setEnabled(true);
        mPaletteRead[n] = true;
    }
}

void Tp2waterf::decodeRow(int row)
{
    const RowControls& c = mControls[row];
    if (mRows[row].size == kWaterLongCompare)
        ShowMessage(QStringLiteral("omfg B9!!11!1"));
    const WaterLevel level = DecodeWaterRow(mRows[row]);
    // Other forms stay read-only: the editor cannot rewrite them.
    if (!level.decoded)
        return;
    if (level.act == WaterAct::Both)
        c.both->setChecked(true);
    else if (level.act == WaterAct::Act1)
        c.act1->setChecked(true);
    else if (level.act == WaterAct::Act2)
        c.act2->setChecked(true);
    SelectLevel(c.cmb, mLayout->zones.table, level.zone);
    c.cmb->setEnabled(true);
    c.panel->setEnabled(true);
}

void Tp2waterf::TimerTimer()
{
    // The second game has three rows; the other two stay unusable.
    if (mLayout && mLayout->rowCount < kMaxWaterRows) {
        for (int n = mLayout->rowCount; n < kMaxWaterRows; ++n) {
            const RowControls& c = mControls[n];
            for (QWidget* control : {static_cast<QWidget*>(c.cmb), c.panel, static_cast<QWidget*>(c.act1),
                                     static_cast<QWidget*>(c.act2), static_cast<QWidget*>(c.both),
                                     static_cast<QWidget*>(c.plt), static_cast<QWidget*>(c.height)})
                control->setEnabled(false);
        }
    }
    for (const RowControls& c : mControls)
        cmbChange(c.cmb, c.act1, c.act2, c.both);
    Timer->stop();
}

void Tp2waterf::cmbChange(QComboBox* cmb, QRadioButton* act1, QRadioButton* act2, QRadioButton* both)
{
    act1->setEnabled(true);
    act1->setText(QStringLiteral("Act 1"));
    act2->setEnabled(true);
    both->setEnabled(true);
    const int entry = cmb->currentIndex();
    if (entry == 5) {
        act1->setChecked(true);
        act1->setText(QStringLiteral("Act 3"));
        act2->setEnabled(false);
        both->setEnabled(false);
    }
    if (entry == 14 || entry == 16) {
        act1->setChecked(true);
        act2->setEnabled(false);
        both->setEnabled(false);
    }
}

void Tp2waterf::l1cmbChange()
{
    cmbChange(l1cmb, l1act1, l1act2, l1both);
}

void Tp2waterf::l2cmbChange()
{
    cmbChange(l2cmb, l2act1, l2act2, l2both);
}

void Tp2waterf::l3cmbChange()
{
    cmbChange(l3cmb, l3act1, l3act2, l3both);
}

void Tp2waterf::l4cmbChange()
{
    cmbChange(l4cmb, l4act1, l4act2, l4both);
}

void Tp2waterf::l5cmbChange()
{
    cmbChange(l5cmb, l5act1, l5act2, l5both);
}

std::optional<std::uint8_t> Tp2waterf::chosenZone(int row) const
{
    const std::uint16_t zone = SelectedLevel(mControls[row].cmb, mLayout->zones.table, kNoZone);
    if (zone == kNoZone)
        return std::nullopt;
    return static_cast<std::uint8_t>(zone);
}

WaterAct Tp2waterf::chosenAct(int row) const
{
    const RowControls& c = mControls[row];
    if (c.both->isChecked())
        return WaterAct::Both;
    if (c.act1->isChecked())
        return WaterAct::Act1;
    if (c.act2->isChecked())
        return WaterAct::Act2;
    return WaterAct::None;
}

void Tp2waterf::Button1Click()
{
    if (!mLayout)
        return;
    // An opening that could not read the file leaves nothing to save; the
    // header repair and "ROM Saved!" would claim otherwise.
    if (!mRowRead[0])
        throw KorvaneError("No water row has been read from this ROM; nothing was saved");
    // Every palette box is checked before the first write, so that a bad one
    // leaves the file untouched.
    std::array<std::uint8_t, kMaxWaterPalettes> palettes{};
    for (int n = 0; n < mLayout->paletteCount; ++n) {
        if (mPaletteRead[n])
            palettes[n] = ParseWaterPalette(mControls[n].plt->text().toStdString(), n + 1);
    }
    for (int n = 0; n < mLayout->rowCount; ++n) {
        if (!mRowRead[n] || !IsEditableWaterRow(mRows[n]))
            continue;
        const WaterBytes bytes = EncodeWaterRow(mRows[n], chosenZone(n), chosenAct(n));
        const std::int32_t a = mLayout->rows[n];
        WriteRomBytes(a - 1, 1, bytes.size);
        WriteRomBytes(a, 1, bytes.high);
        WriteRomBytes(a + 1, 1, bytes.low);
        mRows[n] = bytes;
    }
    for (int n = 0; n < mLayout->paletteCount; ++n) {
        if (mPaletteRead[n])
            WriteRomBytes(mLayout->palettes[n], 1, palettes[n]);
    }
    FinishSave();
}

void Tp2waterf::Button2Click()
{
    close();
}
