#include "app/windows.h"

#include "app/Unit1.h"
#include "editors/palette/paledit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>

TMainFrm* MainFrm = nullptr;

void InitApplication()
{
    // The forms are laid out for a small sans-serif face of Arial's metrics.
    QFont font(QStringLiteral("Liberation Sans"));
    if (!QFontDatabase::families().contains(font.family()))
        font.setFamily(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    QApplication::setFont(font);
    SetPendingEventsPump([] { QCoreApplication::processEvents(); });
}

void CreateWindows()
{
    MainFrm = new TMainFrm();
    palform = new Tpalform(MainFrm);
}

void OpenWindow(WindowId id, QWidget* owner)
{
    switch (id) {
    case WindowId::palform:
        OpenEditor(palform, owner);
        break;
    case WindowId::None:
    default:
        // Windows not built yet open nothing.
        break;
    }
}
