// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/notices.h"

#include "core/apptexts.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace {

QWidget* dialogParent()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

class MessageBoxNotices : public Notices
{
public:
    void showMessage(const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(AppTitle()), text, QMessageBox::Ok, dialogParent());
        box.exec();
    }

    void reportError(const QString& text) override
    {
        QMessageBox box(QMessageBox::Critical, QString::fromStdString(AppTitle()), text, QMessageBox::Ok, dialogParent());
        box.exec();
    }
};

MessageBoxNotices gMessageBoxes;
Notices* gNotices = &gMessageBoxes;

} // namespace

void SetNotices(Notices* notices)
{
    gNotices = notices ? notices : &gMessageBoxes;
}

void ShowMessage(const QString& text)
{
    gNotices->showMessage(text);
}

void ReportError(const std::string& message)
{
    gNotices->reportError(QString::fromStdString(ErrorReportText(message)));
}
