// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/notices.h"

#include "core/apptexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>
#include <QMessageBox>
#include <QWidget>

namespace {

QWidget* dialogParent()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    // Before the program's window is active (an image named on the command
    // line): the box still belongs to it, not to the middle of the screen.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QMainWindow") && window->isVisible())
            return window;
    }
    return nullptr;
}

int execBox(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
            const QMap<QMessageBox::StandardButton, QString>& labels = {})
{
    const std::unique_ptr<QMessageBox> box = NoticeBox(icon, text, buttons, dialogParent());
    for (auto label = labels.begin(); label != labels.end(); ++label) {
        if (QAbstractButton* button = box->button(label.key()))
            button->setText(label.value());
    }
    if (defaultButton != QMessageBox::NoButton)
        box->setDefaultButton(defaultButton);
    return box->exec();
}

class MessageBoxNotices : public Notices
{
public:
    void showMessage(const QString& text) override { execBox(QMessageBox::NoIcon, text, QMessageBox::Ok); }

    void showStatus(const QString& text) override
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* main = qobject_cast<QMainWindow*>(window))
                main->statusBar()->showMessage(text);
        }
    }

    void reportError(const QString& text) override { execBox(QMessageBox::Critical, text, QMessageBox::Ok); }

    QMessageBox::StandardButton ask(const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) override
    {
        return static_cast<QMessageBox::StandardButton>(execBox(QMessageBox::Question, text, buttons, defaultButton));
    }

    QMessageBox::StandardButton ask(const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton,
                                    const QMap<QMessageBox::StandardButton, QString>& labels) override
    {
        return static_cast<QMessageBox::StandardButton>(
            execBox(QMessageBox::Question, text, buttons, defaultButton, labels));
    }
};

MessageBoxNotices gMessageBoxes;
Notices* gNotices = &gMessageBoxes;

} // namespace

std::unique_ptr<QMessageBox> NoticeBox(QMessageBox::Icon icon, const QString& text,
                                       QMessageBox::StandardButtons buttons, QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(icon, QString::fromStdString(AppTitle()), text, buttons, parent);
    box->setTextFormat(Qt::PlainText);
    return box;
}

void SetNotices(Notices* notices)
{
    gNotices = notices ? notices : &gMessageBoxes;
}

void ShowMessage(const QString& text)
{
    gNotices->showMessage(text);
}

void ShowStatus(const QString& text)
{
    gNotices->showStatus(text);
}

void ReportError(const std::string& message)
{
    gNotices->reportError(QString::fromStdString(ErrorReportText(message)));
}

QMessageBox::StandardButton Ask(const QString& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton,
                                const QMap<QMessageBox::StandardButton, QString>& labels)
{
    return labels.isEmpty() ? gNotices->ask(text, buttons, defaultButton)
                            : gNotices->ask(text, buttons, defaultButton, labels);
}
