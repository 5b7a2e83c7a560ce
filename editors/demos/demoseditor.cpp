// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/demos/demoseditor.h"

#include "core/imagesession.h"
#include "editors/demos/democontrols.h"
#include "editors/editorlist.h"
#include "ui/handlers.h"
#include "ui/levelselector.h"
#include "ui/savecompletion.h"
#include "ui/trackedform.h"

#include <initializer_list>

DemosEditor::DemosEditor(ImageSession& session, QWidget* parent) : QDialog(parent), mSession(session)
{
    setupUi(this);
    NoButtonOnEnter(this);
    setFixedSize(size());
    NameSpinEdit(PoleLengthUpDown, "PoleLength");
    NameSpinEdit(PoleNumberUpDown, "PoleNumber");
    DescribeDemoControls(PoleLengthUpDown, nullptr, PoleNumberUpDown, {combo1, combo2, combo3, combo4});
    // Nothing to save until the values have been read from the ROM.
    Save->setEnabled(false);

    ConnectHandler(CloseB, &QPushButton::clicked, this, &DemosEditor::CloseBClick);

    RunHandler([this] { FormCreate(); });
    new TrackedForm(this, mSession, Save, [this] { SaveClick(); },
                    {PoleLengthUpDown, PoleNumberUpDown, combo1, combo2, combo3, combo4});
}

void DemosEditor::FormCreate()
{
    // The spin box is both the edit box and its buttons.
    for (QWidget* control : std::initializer_list<QWidget*>{Label5, Label9, PoleNumberUpDown, combo4})
        control->setEnabled(true);
    PoleNumberUpDown->setRange(0, 4);

    const DemoLayout* layout = SecondGameDemoLayout(mSession.gameCode());
    if (!layout)
        return;
    const bool fourthSlot = layout->slotCount == kDemoLevelWords;
    const bool hasNumber = layout->number != kNoDemoOffset;
    Label9->setEnabled(fourthSlot);
    combo4->setEnabled(fourthSlot);
    Label5->setEnabled(hasNumber);
    PoleNumberUpDown->setEnabled(hasNumber);
    PoleNumberUpDown->setRange(0, layout->maxNumber);
    DescribeDemoNumber(PoleNumberUpDown);

    DemoModel& model = mModel.emplace(*layout);
    mSession.read(model);
    const DemoValues& values = model.values();
    mShownLength = ShowDemoValue(PoleLengthUpDown, DemoSeconds(values.length));
    mShownNumber = ShowDemoValue(PoleNumberUpDown, values.number);
    Save->setEnabled(true);

    // The unused fourth selector gets no entries, only its text. A selector
    // left empty by a missing list file keeps its slot.
    if (!fourthSlot)
        combo4->setPlaceholderText(QStringLiteral("Disabled"));
    QComboBox* const selectors[] = {combo1, combo2, combo3, combo4};
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
    wanted.length = ChosenFrames(PoleLengthUpDown, mShownLength, stored.length);
    wanted.number = ChosenCount(PoleNumberUpDown, mShownNumber, stored.number);
    wanted.levels = ChosenLevels({combo1, combo2, combo3, combo4}, *mModel);
    // A failed write ends the Save before the success message; what was
    // written stays written. The fourth slot of a three-slot game and the
    // number of a game without one are never written.
    mModel->want(wanted);
    SaveImage(mSession, *mModel, QStringLiteral("ROM Saved"));
    mShownLength = PoleLengthUpDown->value();
    mShownNumber = PoleNumberUpDown->value();
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
