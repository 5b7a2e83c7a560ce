#include "ui/savecompletion.h"

#include "core/checksum.h"
#include "core/romaccess.h"
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
    // Durable before it is called saved: a repair that wrote flushes the
    // image at its end, else the image is flushed here.
    if (!(fixChecksumTicked() && FixChecksum()))
        FlushRomFile(Rom.RomPath);
    ShowMessage(message);
}

void FinishSave()
{
    FinishSaveWith(QStringLiteral("ROM Saved!"));
}
