#include "ui/savecompletion.h"

#include "core/checksum.h"
#include "ui/notices.h"

#include <QObject>
#include <QPointer>

namespace {

QPointer<QObject> gOwner;
std::function<bool()> gTicked;

bool fixChecksumTicked()
{
    return gOwner && gTicked && gTicked();
}

} // namespace

void SetFixChecksumOption(QObject* owner, std::function<bool()> ticked)
{
    gOwner = owner;
    gTicked = std::move(ticked);
}

void FinishSaveWith(const QString& message)
{
    if (fixChecksumTicked())
        FixChecksum();
    ShowMessage(message);
}

void FinishSave()
{
    FinishSaveWith(QStringLiteral("ROM Saved!"));
}
