#include "editors/demos/p2demosp.h"

#include "core/romaccess.h"
#include "editors/demos/democontrols.h"
#include "ui/handlers.h"
#include "ui/levelselector.h"
#include "ui/notices.h"

#include <initializer_list>

Tp2demos* p2demos = nullptr;

Tp2demos::Tp2demos(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    setFixedSize(size());
    NameSpinEdit(PoleLengthUpDown, "PoleLength");
    NameSpinEdit(PoleNumberUpDown, "PoleNumber");
    // Nothing to save until the values have been read from the ROM.
    Save->setEnabled(false);

    ConnectHandler(Save, &QPushButton::clicked, this, &Tp2demos::SaveClick);
    ConnectHandler(CloseB, &QPushButton::clicked, this, &Tp2demos::CloseBClick);

    RunHandler([this] { FormCreate(); });
}

void Tp2demos::FormCreate()
{
    if (!Rom.OpenedFromMenu)
        return;
    // The spin box is both the edit box and its buttons.
    for (QWidget* control : std::initializer_list<QWidget*>{Label5, Label9, PoleNumberUpDown, combo4})
        control->setEnabled(true);
    PoleNumberUpDown->setRange(0, 4);

    mLayout = SecondGameDemoLayout(Rom.GameCode);
    if (!mLayout)
        return;
    const bool fourthSlot = mLayout->slotCount == kDemoLevelWords;
    const bool hasNumber = mLayout->number != kNoDemoOffset;
    Label9->setEnabled(fourthSlot);
    combo4->setEnabled(fourthSlot);
    Label5->setEnabled(hasNumber);
    PoleNumberUpDown->setEnabled(hasNumber);
    PoleNumberUpDown->setRange(0, mLayout->maxNumber);

    const std::uint16_t length = ReadDemoWord(mLayout->length);
    const std::uint16_t number = hasNumber ? ReadDemoWord(mLayout->number) : 0;
    for (int n = 0; n < kDemoLevelWords; ++n)
        mStoredLevels[n] = ReadDemoWord(mLayout->levelBase + 2 * n);
    // Chosen as stored before any selector is filled: a selector left empty
    // by a missing list file then keeps its slot.
    mChosenLevels = mStoredLevels;

    mShownLength = ShowDemoValue(PoleLengthUpDown, DemoSeconds(length));
    mShownNumber = ShowDemoValue(PoleNumberUpDown, number);
    Save->setEnabled(true);

    // The unused fourth selector gets no entries, only its text.
    if (!fourthSlot)
        combo4->setPlaceholderText(QStringLiteral("Disabled"));
    QComboBox* const selectors[] = {combo1, combo2, combo3, combo4};
    for (int n = 0; n < mLayout->slotCount; ++n)
        LoadLevelList(selectors[n], mLayout->levels.fileName);
    for (int n = 0; n < mLayout->slotCount; ++n)
        SelectLevel(selectors[n], mLayout->levels.table, mStoredLevels[n]);
}

void Tp2demos::SaveClick()
{
    if (!mLayout)
        return;
    // A failed write ends the Save before the success message; what was
    // written stays written and is remembered.
    SaveDemoSeconds(PoleLengthUpDown, mShownLength, mLayout->length);
    if (mLayout->number != kNoDemoOffset)
        SaveDemoCount(PoleNumberUpDown, mShownNumber, mLayout->number);

    QComboBox* const selectors[] = {combo1, combo2, combo3, combo4};
    for (int n = 0; n < kDemoLevelWords; ++n)
        mChosenLevels[n] = SelectedLevel(selectors[n], mLayout->levels.table, mChosenLevels[n]);
    // The fourth slot of a three-slot game is never written.
    for (int n = 0; n < mLayout->slotCount; ++n)
        SaveDemoLevel(mChosenLevels[n], mStoredLevels[n], mLayout->levelBase + 2 * n);

    ShowMessage(QStringLiteral("ROM Saved"));
}

void Tp2demos::CloseBClick()
{
    close();
}
