#include "app/savecompletion.h"

#include "app/Unit1.h"
#include "app/notices.h"
#include "app/procedures.h"
#include "app/windows.h"

void FinishSave()
{
    if (MainFrm && MainFrm->fixChecksumTicked())
        FixChecksum();
    ShowMessage(QStringLiteral("ROM Saved!"));
}
