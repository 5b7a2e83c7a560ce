// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/demos/firstgamedemoseditor.h"

#include "core/apptexts.h"
#include "core/imagesession.h"
#include "editors/demos/democontrols.h"
#include "editors/editorlist.h"
#include "ui/handlers.h"
#include "ui/levelselector.h"
#include "ui/savecompletion.h"
#include "ui/trackedform.h"

FirstGameDemosEditor::FirstGameDemosEditor(ImageSession& session, QWidget* parent) : QDialog(parent), mSession(session)
{
    setupUi(this);
    NoButtonOnEnter(this);
    setFixedSize(size());
    NameSpinEdit(PoleLengthUpDown, "PoleLength");
    NameSpinEdit(PoleSpecialLengthUpDown, "PoleSpecialLength");
    NameSpinEdit(PoleNumberUpDown, "PoleNumber");
    DescribeDemoControls(PoleLengthUpDown, PoleSpecialLengthUpDown, PoleNumberUpDown, {combo1, combo2, combo3, combo4});
    // Nothing to save until the values have been read from the ROM.
    Save->setEnabled(false);

    ConnectHandler(CloseB, &QPushButton::clicked, this, &FirstGameDemosEditor::CloseBClick);

    RunHandler([this] { FormCreate(); });
    new TrackedForm(this, mSession, Save, [this] { SaveClick(); },
                    {PoleLengthUpDown, PoleSpecialLengthUpDown, PoleNumberUpDown, combo1, combo2, combo3, combo4});
}

void FirstGameDemosEditor::FormCreate()
{
    const DemoLayout* layout = FirstGameDemoLayout(mSession.gameCode());
    if (!layout)
        return;
    setWindowTitle(QString::fromStdString(AppTitleWith(layout->caption)));
    DemoModel& model = mModel.emplace(*layout);
    mSession.read(model);

    const DemoValues& values = model.values();
    mShownLength = ShowDemoValue(PoleLengthUpDown, DemoSeconds(values.length));
    mShownSpecialLength = ShowDemoValue(PoleSpecialLengthUpDown, DemoSeconds(values.specialLength));
    mShownNumber = ShowDemoValue(PoleNumberUpDown, values.number);
    Save->setEnabled(true);

    // A selector left empty by a missing list file keeps its slot.
    QComboBox* const selectors[] = {combo1, combo2, combo3, combo4};
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
    wanted.length = ChosenFrames(PoleLengthUpDown, mShownLength, stored.length);
    wanted.specialLength = ChosenFrames(PoleSpecialLengthUpDown, mShownSpecialLength, stored.specialLength);
    wanted.number = ChosenCount(PoleNumberUpDown, mShownNumber, stored.number);
    wanted.levels = ChosenLevels({combo1, combo2, combo3, combo4}, *mModel);
    // A failed write ends the Save: what was written stays written, the rest
    // is tried again by the next Save, and the header is left alone.
    mModel->want(wanted);
    SaveImage(mSession, *mModel);
    mShownLength = PoleLengthUpDown->value();
    mShownSpecialLength = PoleSpecialLengthUpDown->value();
    mShownNumber = PoleNumberUpDown->value();
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
