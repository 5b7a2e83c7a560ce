#include "editors/demos/p1demosp.h"

#include "core/apptexts.h"
#include "core/romaccess.h"
#include "editors/demos/democontrols.h"
#include "ui/handlers.h"
#include "ui/levelselector.h"
#include "ui/savecompletion.h"

Tp1demos* p1demos = nullptr;

Tp1demos::Tp1demos(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    setFixedSize(size());
    NameSpinEdit(PoleLengthUpDown, "PoleLength");
    NameSpinEdit(PoleSpecialLengthUpDown, "PoleSpecialLength");
    NameSpinEdit(PoleNumberUpDown, "PoleNumber");
    // Nothing to save until the values have been read from the ROM.
    Save->setEnabled(false);

    ConnectHandler(Save, &QPushButton::clicked, this, &Tp1demos::SaveClick);
    ConnectHandler(CloseB, &QPushButton::clicked, this, &Tp1demos::CloseBClick);

    RunHandler([this] { FormCreate(); });
}

void Tp1demos::FormCreate()
{
    if (!Rom.OpenedFromMenu)
        return;
    mLayout = FirstGameDemoLayout(Rom.GameCode);
    if (!mLayout)
        return;
    setWindowTitle(QString::fromStdString(AppTitleWith(mLayout->caption)));

    const std::uint16_t length = ReadDemoWord(mLayout->length);
    const std::uint16_t specialLength = ReadDemoWord(mLayout->specialLength);
    const std::uint16_t number = ReadDemoWord(mLayout->number);
    for (int n = 0; n < kDemoLevelWords; ++n)
        mStoredLevels[n] = ReadDemoWord(mLayout->levelBase + 2 * n);
    // Chosen as stored before any selector is filled: a selector left empty
    // by a missing list file then keeps its slot.
    mChosenLevels = mStoredLevels;

    mShownLength = ShowDemoValue(PoleLengthUpDown, DemoSeconds(length));
    mShownSpecialLength = ShowDemoValue(PoleSpecialLengthUpDown, DemoSeconds(specialLength));
    mShownNumber = ShowDemoValue(PoleNumberUpDown, number);
    Save->setEnabled(true);

    QComboBox* const selectors[] = {combo1, combo2, combo3, combo4};
    for (QComboBox* selector : selectors)
        LoadLevelList(selector, mLayout->levels.fileName);
    for (int n = 0; n < kDemoLevelWords; ++n)
        SelectLevel(selectors[n], mLayout->levels.table, mStoredLevels[n]);
}

void Tp1demos::SaveClick()
{
    if (!mLayout)
        return;
    // A failed write ends the Save: what was written stays written and is
    // remembered, the rest is tried again by the next Save, and the header
    // is left alone.
    SaveDemoSeconds(PoleLengthUpDown, mShownLength, mLayout->length);
    SaveDemoSeconds(PoleSpecialLengthUpDown, mShownSpecialLength, mLayout->specialLength);
    SaveDemoCount(PoleNumberUpDown, mShownNumber, mLayout->number);

    QComboBox* const selectors[] = {combo1, combo2, combo3, combo4};
    for (int n = 0; n < kDemoLevelWords; ++n)
        mChosenLevels[n] = SelectedLevel(selectors[n], mLayout->levels.table, mChosenLevels[n]);
    for (int n = 0; n < kDemoLevelWords; ++n)
        SaveDemoLevel(mChosenLevels[n], mStoredLevels[n], mLayout->levelBase + 2 * n);

    FinishSave();
}

void Tp1demos::CloseBClick()
{
    close();
}
