#include "app/mainwindow.h"
#include "app/windowregistry.h"

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
