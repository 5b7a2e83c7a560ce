#include "app/windows.h"

#include "app/Unit1.h"
#include "editors/demos/p1demosp.h"
#include "editors/demos/p2demosp.h"

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
    p1demos = new Tp1demos(MainFrm);
    p2demos = new Tp2demos(MainFrm);
}

void OpenWindow(WindowId id, QWidget* owner)
{
    switch (id) {
    case WindowId::p1demos: OpenEditor(p1demos, owner); break;
    case WindowId::p2demos: OpenEditor(p2demos, owner); break;
    case WindowId::None:
    default:
        // Windows not built yet open nothing.
        break;
    }
}
