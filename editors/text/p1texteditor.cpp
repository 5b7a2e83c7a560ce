#include "editors/text/p1texteditor.h"

Tp1texteditorf* p1texteditorf = nullptr;

Tp1texteditorf::Tp1texteditorf(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    setFixedSize(size());
}
