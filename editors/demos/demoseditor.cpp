// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/demos/demoseditor.h"
#include "ui_demoseditor.h"

#include "core/imagesession.h"
#include "editors/demos/democontrols.h"
#include "editors/editorlist.h"
#include "ui/handlers.h"
#include "ui/levelselector.h"
#include "ui/savecompletion.h"
#include "ui/trackedform.h"

#include <initializer_list>

DemosEditor::DemosEditor(ImageSession& session, QWidget* parent)
    : QDialog(parent), mUi(std::make_unique<Ui::DemosEditor>()), mSession(session)
{
    mUi->setupUi(this);
    NoButtonOnEnter(this);
    setFixedSize(size());
    NameSpinEdit(mUi->PoleLengthUpDown, "PoleLength");
    NameSpinEdit(mUi->PoleNumberUpDown, "PoleNumber");
    DescribeDemoControls(mUi->PoleLengthUpDown, nullptr, mUi->PoleNumberUpDown,
                         {mUi->combo1, mUi->combo2, mUi->combo3, mUi->combo4});
    // Nothing to save until the values have been read from the ROM.
    mUi->Save->setEnabled(false);

    ConnectHandler(mUi->CloseB, &QPushButton::clicked, this, &DemosEditor::CloseBClick);

    RunHandler([this] { FormCreate(); });
    new TrackedForm(this, mSession, mUi->Save, [this] { SaveClick(); },
                    {mUi->PoleLengthUpDown, mUi->PoleNumberUpDown, mUi->combo1, mUi->combo2, mUi->combo3, mUi->combo4});
}

DemosEditor::~DemosEditor() = default;

void DemosEditor::FormCreate()
{
    // The spin box is both the edit box and its buttons.
    for (QWidget* control :
         std::initializer_list<QWidget*>{mUi->Label5, mUi->Label9, mUi->PoleNumberUpDown, mUi->combo4})
        control->setEnabled(true);
    mUi->PoleNumberUpDown->setRange(0, 4);

    const DemoLayout* layout = SecondGameDemoLayout(mSession.gameCode());
    if (!layout)
        return;
    const bool fourthSlot = layout->slotCount == kDemoLevelWords;
    const bool hasNumber = layout->number != kNoDemoOffset;
    mUi->Label9->setEnabled(fourthSlot);
    mUi->combo4->setEnabled(fourthSlot);
    mUi->Label5->setEnabled(hasNumber);
    mUi->PoleNumberUpDown->setEnabled(hasNumber);
    mUi->PoleNumberUpDown->setRange(0, layout->maxNumber);
    DescribeDemoNumber(mUi->PoleNumberUpDown);

    DemoModel& model = mModel.emplace(*layout);
    mSession.read(model);
    const DemoValues& values = model.values();
    mShownLength = ShowDemoValue(mUi->PoleLengthUpDown, DemoSeconds(values.length));
    mShownNumber = ShowDemoValue(mUi->PoleNumberUpDown, values.number);
    mUi->Save->setEnabled(true);

    // The unused fourth selector gets no entries, only its text. A selector
    // left empty by a missing list file keeps its slot.
    if (!fourthSlot)
        mUi->combo4->setPlaceholderText(QStringLiteral("Disabled"));
    QComboBox* const selectors[] = {mUi->combo1, mUi->combo2, mUi->combo3, mUi->combo4};
    for (int n = 0; n < layout->slotCount; ++n)
        LoadLevelList(selectors[n], layout->levels.fileName);
    for (int n = 0; n < layout->slotCount; ++n)
        SelectLevel(selectors[n], layout->levels.table, values.levels[static_cast<std::size_t>(n)]);
}

void DemosEditor::SaveClick()
{
    if (!mModel || !mModel->isRead())
        return;
    const DemoValues& stored = mModel->values();
    DemoValues wanted = stored;
    wanted.length = ChosenFrames(mUi->PoleLengthUpDown, mShownLength, stored.length);
    wanted.number = ChosenCount(mUi->PoleNumberUpDown, mShownNumber, stored.number);
    wanted.levels = ChosenLevels({mUi->combo1, mUi->combo2, mUi->combo3, mUi->combo4}, *mModel);
    // A failed write ends the mUi->Save before the success message; what was
    // written stays written. The fourth slot of a three-slot game and the
    // number of a game without one are never written.
    mModel->want(wanted);
    SaveImage(mSession, *mModel, QStringLiteral("ROM Saved"));
    mShownLength = mUi->PoleLengthUpDown->value();
    mShownNumber = mUi->PoleNumberUpDown->value();
}

void DemosEditor::CloseBClick()
{
    close();
}

std::unique_ptr<QDialog> NewDemosEditor(ImageSession* session, EditorMemory&, QWidget* owner)
{
    if (!session)
        return nullptr;
    return std::make_unique<DemosEditor>(*session, owner);
}
