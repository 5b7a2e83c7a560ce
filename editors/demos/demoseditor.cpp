// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/demos/demoseditor.h"
#include "ui_demoseditor.h"

#include "core/apptexts.h"
#include "core/imagesession.h"
#include "editors/demos/democontrols.h"
#include "editors/editorlist.h"
#include "ui/handlers.h"
#include "ui/levelselector.h"
#include "ui/imagesave.h"
#include "ui/trackedform.h"

#include <initializer_list>

DemosEditor::DemosEditor(ImageSession& session, QWidget* parent)
    : QDialog(parent), mUi(std::make_unique<Ui::DemosEditor>()), mSession(session),
      mLayout(DemoLayoutFor(session.gameCode()))
{
    mUi->setupUi(this);
    NoButtonOnEnter(this);
    const bool special = mLayout && mLayout->specialLength != kNoDemoOffset;
    if (!special)
        removeFirstGameRows();
    NameSpinEdit(mUi->PoleLengthUpDown, "PoleLength");
    NameSpinEdit(mUi->PoleSpecialLengthUpDown, "PoleSpecialLength");
    NameSpinEdit(mUi->PoleNumberUpDown, "PoleNumber");
    DescribeDemoControls(mUi->PoleLengthUpDown, mUi->PoleSpecialLengthUpDown, mUi->PoleNumberUpDown,
                         {mUi->combo1, mUi->combo2, mUi->combo3, mUi->combo4});
    // Nothing to save until the values have been read from the ROM.
    mUi->saveButton->setEnabled(false);

    connect(mUi->closeButton, &QPushButton::clicked, this, &QDialog::close);

    RunHandler([this] { showImage(); });
    std::vector<QWidget*> controls{mUi->PoleLengthUpDown, mUi->PoleNumberUpDown, mUi->combo1,
                                   mUi->combo2,           mUi->combo3,           mUi->combo4};
    if (special)
        controls.insert(controls.begin() + 1, mUi->PoleSpecialLengthUpDown);
    new TrackedForm(this, mSession, mUi->saveButton,
                    {[this] { return want(); }, [this] { showSaved(); }, [this] { showImage(); },
                     [this] { return mModel ? std::vector<EditorModel*>{&*mModel} : std::vector<EditorModel*>{}; }},
                    controls);
    // Without the rows taken out, no taller than it needs.
    if (!special)
        resize(width(), sizeHint().height());
}

DemosEditor::~DemosEditor() = default;

void DemosEditor::removeFirstGameRows()
{
    for (QWidget* widget : std::initializer_list<QWidget*>{mUi->importButton, mUi->Label3,
                                                           mUi->PoleSpecialLengthUpDown, mUi->Label4})
        widget->hide();
}

void DemosEditor::showImage()
{
    if (!mLayout)
        return;
    const bool fourthSlot = mLayout->slotCount == kDemoLevelWords;
    const bool hasNumber = mLayout->number != kNoDemoOffset;
    mUi->Label9->setEnabled(fourthSlot);
    mUi->combo4->setEnabled(fourthSlot);
    mUi->Label5->setEnabled(hasNumber);
    mUi->PoleNumberUpDown->setEnabled(hasNumber);
    mUi->PoleNumberUpDown->setRange(0, mLayout->maxNumber);
    DescribeDemoNumber(mUi->PoleNumberUpDown);

    DemoModel& model = mModel.emplace(*mLayout);
    mSession.read(model);
    const DemoValues& values = model.values();
    mShownLength = ShowDemoValue(mUi->PoleLengthUpDown, DemoSeconds(values.length));
    if (mLayout->specialLength != kNoDemoOffset)
        mShownSpecialLength = ShowDemoValue(mUi->PoleSpecialLengthUpDown, DemoSeconds(values.specialLength));
    mShownNumber = ShowDemoValue(mUi->PoleNumberUpDown, values.number);
    mUi->saveButton->setEnabled(true);

    // The unused fourth selector gets no entries, only its text. A selector
    // left empty by a missing list file keeps its slot.
    if (!fourthSlot)
        mUi->combo4->setPlaceholderText(tr("Disabled"));
    QComboBox* const selectors[] = {mUi->combo1, mUi->combo2, mUi->combo3, mUi->combo4};
    for (int n = 0; n < mLayout->slotCount; ++n)
        LoadLevelList(selectors[n], mLayout->levels.fileName);
    for (int n = 0; n < mLayout->slotCount; ++n)
        SelectLevel(selectors[n], mLayout->levels.table, values.levels[static_cast<std::size_t>(n)]);
}

std::vector<EditorModel*> DemosEditor::want()
{
    if (!mModel || !mModel->isRead())
        return {};
    const DemoValues& stored = mModel->values();
    DemoValues wanted = stored;
    wanted.length = ChosenFrames(mUi->PoleLengthUpDown, mShownLength, stored.length);
    if (mLayout->specialLength != kNoDemoOffset)
        wanted.specialLength = ChosenFrames(mUi->PoleSpecialLengthUpDown, mShownSpecialLength, stored.specialLength);
    wanted.number = ChosenCount(mUi->PoleNumberUpDown, mShownNumber, stored.number);
    wanted.levels = ChosenLevels({mUi->combo1, mUi->combo2, mUi->combo3, mUi->combo4}, *mModel);
    // A failed write ends the Save before the success message; what was
    // written stays written, the rest is tried again by the next Save. The
    // fourth slot of a three-slot game and the number of a game without one
    // are never written.
    mModel->want(wanted);
    return {&*mModel};
}

void DemosEditor::showSaved()
{
    mShownLength = mUi->PoleLengthUpDown->value();
    mShownSpecialLength = mUi->PoleSpecialLengthUpDown->value();
    mShownNumber = mUi->PoleNumberUpDown->value();
}

std::unique_ptr<QDialog> NewDemosEditor(ImageSession* session, EditorMemory&, QWidget* owner)
{
    if (!session)
        return nullptr;
    return std::make_unique<DemosEditor>(*session, owner);
}
