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

    QMessageBox::StandardButton ask(const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) override
    {
        QMessageBox box(QMessageBox::Question, QString::fromStdString(AppTitle()), text, buttons, dialogParent());
        box.setDefaultButton(defaultButton);
        return static_cast<QMessageBox::StandardButton>(box.exec());
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

QMessageBox::StandardButton Ask(const QString& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton)
{
    return gNotices->ask(text, buttons, defaultButton);
}
