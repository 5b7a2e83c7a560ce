// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/water/watereditor.h"
#include "ui_watereditor.h"

#include "core/imagesession.h"
#include "core/korvaneerror.h"
#include "editors/editorlist.h"
#include "ui/handlers.h"
#include "ui/levelselector.h"
#include "ui/notices.h"
#include "ui/imagesave.h"
#include "ui/trackedform.h"

#include <QTimer>

namespace {

// Not a zone: what SelectedLevel gives back when no table row is chosen.
constexpr std::uint16_t kNoZone = 0xFFFF;

} // namespace

WaterEditor::WaterEditor(ImageSession& session, QWidget* parent)
    : QDialog(parent), mUi(std::make_unique<Ui::WaterEditor>()), mSession(session)
{
    mUi->setupUi(this);
    NoButtonOnEnter(this);
    mControls = {{
        {mUi->l1cmb, mUi->l1panel, mUi->l1act1, mUi->l1act2, mUi->l1both, mUi->l1plt, mUi->l1height},
        {mUi->l2cmb, mUi->l2panel, mUi->l2act1, mUi->l2act2, mUi->l2both, mUi->l2plt, mUi->l2height},
        {mUi->l3cmb, mUi->l3panel, mUi->l3act1, mUi->l3act2, mUi->l3both, mUi->l3plt, mUi->l3height},
        {mUi->l4cmb, mUi->l4panel, mUi->l4act1, mUi->l4act2, mUi->l4both, mUi->l4plt, mUi->l4height},
        {mUi->l5cmb, mUi->l5panel, mUi->l5act1, mUi->l5act2, mUi->l5both, mUi->l5plt, mUi->l5height},
    }};

    for (int n = 0; n < kMaxWaterRows; ++n) {
        const RowControls& c = mControls[n];
        const NumberField palette = WaterPaletteField(n + 1);
        c.cmb->setAccessibleName(tr("Zone of level %1").arg(n + 1));
        c.cmb->setToolTip(tr("The zone the water test of level %1 names, by its name in the zone list").arg(n + 1));
        c.plt->setAccessibleName(QString::fromStdString(palette.name));
        c.plt->setToolTip(tr("The underwater palette byte of level %1: %2 (also $0A, 0x0A or 0Ah)")
                              .arg(n + 1)
                              .arg(QString::fromStdString(NumberRangeText(palette))));
        c.height->setAccessibleName(tr("Water height of level %1").arg(n + 1));
        c.height->setToolTip(tr("Not read or written by this editor"));
    }

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1);
    Timer->setSingleShot(true);

    // activated: only a pick by the user runs the act rule.
    ConnectHandler(mUi->l1cmb, &QComboBox::activated, this, &WaterEditor::zone1Chosen);
    ConnectHandler(mUi->l2cmb, &QComboBox::activated, this, &WaterEditor::zone2Chosen);
    ConnectHandler(mUi->l3cmb, &QComboBox::activated, this, &WaterEditor::zone3Chosen);
    ConnectHandler(mUi->l4cmb, &QComboBox::activated, this, &WaterEditor::zone4Chosen);
    ConnectHandler(mUi->l5cmb, &QComboBox::activated, this, &WaterEditor::zone5Chosen);
    ConnectHandler(mUi->closeButton, &QPushButton::clicked, this, &WaterEditor::closeEditor);
    ConnectHandler(Timer, &QTimer::timeout, this, &WaterEditor::finishOpening);

    RunHandler([this] { showImage(); });
    // Each row's zone before its acts: putting a zone back runs the act rule
    // first, then the act chosen is put back.
    std::vector<QWidget*> controls;
    for (const RowControls& c : mControls)
        controls.insert(controls.end(), {c.cmb, c.act1, c.act2, c.both, c.plt});
    mTracked = new TrackedForm(this, mSession, mUi->saveButton,
                               {[this] { return want(); }, [this] { showSaved(); }, [this] { reread(); },
                                [this] {
                                    return mModel ? std::vector<EditorModel*>{&*mModel} : std::vector<EditorModel*>{};
                                }},
                               controls);
    // Started after the opening step: a message box shown while opening
    // must not let the set-up run on rows not decoded yet.
    Timer->start();
}

WaterEditor::~WaterEditor() = default;

void WaterEditor::showImage()
{
    // A row becomes usable once it has been read and decoded, a palette box
    // once its byte has been read.
    for (const RowControls& c : mControls) {
        c.cmb->setEnabled(false);
        c.panel->setEnabled(false);
        c.plt->setEnabled(false);
    }
    const WaterLayout* layout = WaterLayoutFor(mSession.gameCode());
    if (!layout)
        return;
    if (layout->paletteCount == 0) {
        mUi->Label3->hide();
        for (const RowControls& c : mControls)
            c.plt->hide();
    }

    WaterModel& model = mModel.emplace(*layout);
    ReadThenShow([this, &model] { mSession.read(model); },
                 [this, &model] {
                     if (model.rowsRead() < model.layout().rowCount)
                         return;
                     for (int n = 0; n < model.layout().rowCount; ++n)
                         LoadLevelList(mControls[n].cmb, model.layout().zones.fileName);
                     for (int n = 0; n < model.layout().rowCount; ++n)
                         decodeRow(n);
                     rememberShownChoices();
                     mPalettesShown = model.palettesRead();
                     for (int n = 0; n < model.palettesRead(); ++n) {
                         const std::uint8_t value = model.values().palettes[static_cast<std::size_t>(n)];
                         mControls[n].plt->setText(QString::fromStdString(WaterPaletteText(value)));
                         mControls[n].plt->setEnabled(true);
                     }
                 });
}

void WaterEditor::decodeRow(int row)
{
    const RowControls& c = mControls[row];
    const WaterBytes& bytes = mModel->values().rows[static_cast<std::size_t>(row)];
    if (bytes.size == kWaterLongCompare)
        ShowMessage(tr("omfg B9!!11!1"));
    const WaterLevel level = DecodeWaterRow(bytes);
    // Other forms stay read-only: the editor cannot rewrite them.
    if (!level.decoded)
        return;
    if (level.act == WaterAct::Both)
        c.both->setChecked(true);
    else if (level.act == WaterAct::Act1)
        c.act1->setChecked(true);
    else if (level.act == WaterAct::Act2)
        c.act2->setChecked(true);
    SelectLevel(c.cmb, mModel->layout().zones.table, level.zone);
    c.cmb->setEnabled(true);
    c.panel->setEnabled(true);
}

void WaterEditor::finishOpening()
{
    // The second game has three rows; the other two stay unusable.
    if (mModel && mModel->layout().rowCount < kMaxWaterRows) {
        for (int n = mModel->layout().rowCount; n < kMaxWaterRows; ++n) {
            const RowControls& c = mControls[n];
            for (QWidget* control : {static_cast<QWidget*>(c.cmb), c.panel, static_cast<QWidget*>(c.act1),
                                     static_cast<QWidget*>(c.act2), static_cast<QWidget*>(c.both),
                                     static_cast<QWidget*>(c.plt), static_cast<QWidget*>(c.height)})
                control->setEnabled(false);
        }
    }
    for (const RowControls& c : mControls)
        applyActRule(c.cmb, c.act1, c.act2, c.both);
    Timer->stop();
    // What the act rule shows is no choice of the user's.
    rememberShownChoices();
    mTracked->markClean();
}

void WaterEditor::reread()
{
    showImage();
    for (const RowControls& c : mControls)
        applyActRule(c.cmb, c.act1, c.act2, c.both);
    rememberShownChoices();
}

void WaterEditor::rememberShownChoices()
{
    for (int n = 0; n < kMaxWaterRows; ++n)
        mShownChoices[static_cast<std::size_t>(n)] = {mControls[n].cmb->currentIndex(), chosenAct(n)};
}

void WaterEditor::applyActRule(QComboBox* cmb, QRadioButton* act1, QRadioButton* act2, QRadioButton* both)
{
    act1->setEnabled(true);
    act1->setText(tr("Act 1"));
    act2->setEnabled(true);
    both->setEnabled(true);
    const int entry = cmb->currentIndex();
    if (WaterEntryIsThirdAct(entry))
        act1->setText(tr("Act 3"));
    if (WaterEntryHasOneAct(entry)) {
        act1->setChecked(true);
        act2->setEnabled(false);
        both->setEnabled(false);
    }
}

void WaterEditor::zone1Chosen()
{
    applyActRule(mUi->l1cmb, mUi->l1act1, mUi->l1act2, mUi->l1both);
}

void WaterEditor::zone2Chosen()
{
    applyActRule(mUi->l2cmb, mUi->l2act1, mUi->l2act2, mUi->l2both);
}

void WaterEditor::zone3Chosen()
{
    applyActRule(mUi->l3cmb, mUi->l3act1, mUi->l3act2, mUi->l3both);
}

void WaterEditor::zone4Chosen()
{
    applyActRule(mUi->l4cmb, mUi->l4act1, mUi->l4act2, mUi->l4both);
}

void WaterEditor::zone5Chosen()
{
    applyActRule(mUi->l5cmb, mUi->l5act1, mUi->l5act2, mUi->l5both);
}

std::optional<std::uint8_t> WaterEditor::chosenZone(int row) const
{
    const std::uint16_t zone = SelectedLevel(mControls[row].cmb, mModel->layout().zones.table, kNoZone);
    if (zone == kNoZone)
        return std::nullopt;
    return static_cast<std::uint8_t>(zone);
}

WaterAct WaterEditor::chosenAct(int row) const
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

std::vector<EditorModel*> WaterEditor::want()
{
    if (!mModel)
        return {};
    // Every palette box is checked before the first write, so that a bad one
    // leaves the file untouched; a palette byte not shown keeps its stored
    // value.
    WaterPaletteTexts texts;
    for (int n = 0; n < kMaxWaterPalettes; ++n) {
        const auto k = static_cast<std::size_t>(n);
        texts[k] = n < mPalettesShown ? mControls[n].plt->text().toStdString()
                                      : WaterPaletteText(mModel->values().palettes[k]);
    }
    WaterValues wanted = mModel->values();
    try {
        wanted.palettes = mModel->checkPalettes(texts);
    } catch (const FieldError& e) {
        mControls[static_cast<int>(e.field())].plt->setFocus();
        throw;
    }
    // Only a row whose selector or act choice the user changed is rewritten.
    for (int n = 0; n < mModel->rowsRead(); ++n) {
        const auto k = static_cast<std::size_t>(n);
        const ShownChoice now{mControls[n].cmb->currentIndex(), chosenAct(n)};
        if (now != mShownChoices[k])
            wanted.rows[k] = EncodeWaterRow(wanted.rows[k], chosenZone(n), now.act);
    }
    mModel->want(wanted);
    return {&*mModel};
}

void WaterEditor::showSaved()
{
    rememberShownChoices();
    // Each byte in the box's own form: 0A, not a or $A.
    for (int n = 0; n < mPalettesShown; ++n)
        mControls[n].plt->setText(
            QString::fromStdString(WaterPaletteText(mModel->values().palettes[static_cast<std::size_t>(n)])));
}

void WaterEditor::closeEditor()
{
    close();
}

std::unique_ptr<QDialog> NewWaterEditor(ImageSession* session, EditorMemory&, QWidget* owner)
{
    if (!session)
        return nullptr;
    return std::make_unique<WaterEditor>(*session, owner);
}
