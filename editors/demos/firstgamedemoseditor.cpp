// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/demos/firstgamedemoseditor.h"
#include "ui_firstgamedemoseditor.h"

#include "core/apptexts.h"
#include "core/imagesession.h"
#include "editors/demos/democontrols.h"
#include "editors/editorlist.h"
#include "ui/handlers.h"
#include "ui/levelselector.h"
#include "ui/savecompletion.h"
#include "ui/trackedform.h"

FirstGameDemosEditor::FirstGameDemosEditor(ImageSession& session, QWidget* parent)
    : QDialog(parent), mUi(std::make_unique<Ui::FirstGameDemosEditor>()), mSession(session)
{
    mUi->setupUi(this);
    NoButtonOnEnter(this);
    setFixedSize(size());
    NameSpinEdit(mUi->PoleLengthUpDown, "PoleLength");
    NameSpinEdit(mUi->PoleSpecialLengthUpDown, "PoleSpecialLength");
    NameSpinEdit(mUi->PoleNumberUpDown, "PoleNumber");
    DescribeDemoControls(mUi->PoleLengthUpDown, mUi->PoleSpecialLengthUpDown, mUi->PoleNumberUpDown,
                         {mUi->combo1, mUi->combo2, mUi->combo3, mUi->combo4});
    // Nothing to save until the values have been read from the ROM.
    mUi->Save->setEnabled(false);

    ConnectHandler(mUi->CloseB, &QPushButton::clicked, this, &FirstGameDemosEditor::CloseBClick);

    RunHandler([this] { FormCreate(); });
    new TrackedForm(this, mSession, mUi->Save, [this] { SaveClick(); },
                    {mUi->PoleLengthUpDown, mUi->PoleSpecialLengthUpDown, mUi->PoleNumberUpDown, mUi->combo1,
                     mUi->combo2, mUi->combo3, mUi->combo4});
}

FirstGameDemosEditor::~FirstGameDemosEditor() = default;

void FirstGameDemosEditor::FormCreate()
{
    const DemoLayout* layout = FirstGameDemoLayout(mSession.gameCode());
    if (!layout)
        return;
    setWindowTitle(QString::fromStdString(AppTitleWith(layout->caption)));
    DemoModel& model = mModel.emplace(*layout);
    mSession.read(model);

    const DemoValues& values = model.values();
    mShownLength = ShowDemoValue(mUi->PoleLengthUpDown, DemoSeconds(values.length));
    mShownSpecialLength = ShowDemoValue(mUi->PoleSpecialLengthUpDown, DemoSeconds(values.specialLength));
    mShownNumber = ShowDemoValue(mUi->PoleNumberUpDown, values.number);
    mUi->Save->setEnabled(true);

    // A selector left empty by a missing list file keeps its slot.
    QComboBox* const selectors[] = {mUi->combo1, mUi->combo2, mUi->combo3, mUi->combo4};
    for (QComboBox* selector : selectors)
        LoadLevelList(selector, layout->levels.fileName);
    for (int n = 0; n < kDemoLevelWords; ++n)
        SelectLevel(selectors[n], layout->levels.table, values.levels[static_cast<std::size_t>(n)]);
}

void FirstGameDemosEditor::SaveClick()
{
    if (!mModel || !mModel->isRead())
        return;
    const DemoValues& stored = mModel->values();
    DemoValues wanted = stored;
    wanted.length = ChosenFrames(mUi->PoleLengthUpDown, mShownLength, stored.length);
    wanted.specialLength = ChosenFrames(mUi->PoleSpecialLengthUpDown, mShownSpecialLength, stored.specialLength);
    wanted.number = ChosenCount(mUi->PoleNumberUpDown, mShownNumber, stored.number);
    wanted.levels = ChosenLevels({mUi->combo1, mUi->combo2, mUi->combo3, mUi->combo4}, *mModel);
    // A failed write ends the mUi->Save: what was written stays written, the rest
    // is tried again by the next mUi->Save, and the header is left alone.
    mModel->want(wanted);
    SaveImage(mSession, *mModel);
    mShownLength = mUi->PoleLengthUpDown->value();
    mShownSpecialLength = mUi->PoleSpecialLengthUpDown->value();
    mShownNumber = mUi->PoleNumberUpDown->value();
}

void FirstGameDemosEditor::CloseBClick()
{
    close();
}

std::unique_ptr<QDialog> NewFirstGameDemosEditor(ImageSession* session, EditorMemory&, QWidget* owner)
{
    if (!session)
        return nullptr;
    return std::make_unique<FirstGameDemosEditor>(*session, owner);
}
