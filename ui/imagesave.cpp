// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/imagesave.h"

#include "core/imagesession.h"
#include "ui/notices.h"

#include <QPushButton>

void SaveImage(ImageSession& session, const std::vector<EditorModel*>& models, const QString& message)
{
    session.save(models);
    ShowMessage(message);
}

void SaveImage(ImageSession& session, EditorModel& model, const QString& message)
{
    SaveImage(session, std::vector<EditorModel*>{&model}, message);
}

void ShowReadOnly(QWidget* window, const ImageSession& session)
{
    if (!session.readOnly())
        return;
    // Every editor's Save button says "Save", whatever its name.
    bool any = false;
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        const QString text = button->text().remove(QLatin1Char('&'));
        if (text != QLatin1String("Save") && text != QLatin1String("Save and Play"))
            continue;
        button->setEnabled(false);
        button->setToolTip(QStringLiteral("The image is read-only: it can be looked at, not saved."));
        any = true;
    }
    if (any)
        window->setWindowTitle(window->windowTitle() + QStringLiteral(" (read-only)"));
}
