#include "editors/demos/democontrols.h"

#include "core/romaccess.h"
#include "editors/demos/demomodel.h"

#include <QLineEdit>
#include <QSpinBox>

void NameSpinEdit(QSpinBox* spin, const char* editName)
{
    if (auto* edit = spin->findChild<QLineEdit*>())
        edit->setObjectName(QString::fromLatin1(editName));
}

std::uint16_t ReadDemoWord(std::int32_t offset)
{
    return static_cast<std::uint16_t>(SwapWord(ReadRomValue(offset, 2)));
}

int ShowDemoValue(QSpinBox* spin, int value)
{
    spin->setValue(value);
    return spin->value();
}

void SaveDemoSeconds(const QSpinBox* spin, int& shown, std::int32_t offset)
{
    const int seconds = spin->value();
    if (seconds == shown)
        return;
    WriteRomBytes(offset, 2, SwapWord(DemoFrames(seconds)));
    shown = seconds;
}

void SaveDemoCount(const QSpinBox* spin, int& shown, std::int32_t offset)
{
    const int count = spin->value();
    if (count == shown)
        return;
    WriteRomBytes(offset, 2, SwapWord(static_cast<std::uint16_t>(count)));
    shown = count;
}

void SaveDemoLevel(std::uint16_t chosen, std::uint16_t& stored, std::int32_t offset)
{
    if (chosen == stored)
        return;
    WriteRomBytes(offset, 2, SwapWord(chosen));
    stored = chosen;
}
