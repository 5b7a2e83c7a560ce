#include "app/Unit1.h"
#include "app/windows.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvane"));
    InitApplication();
    CreateWindows();
    MainFrm->show();
    const int result = QApplication::exec();
    DestroyWindows();
    return result;
}
