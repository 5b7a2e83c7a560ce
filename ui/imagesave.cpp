// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/imagesave.h"

#include "core/imagesession.h"
#include "ui/filenames.h"
#include "ui/notices.h"

#include <QFileInfo>

#include <QPushButton>

void SaveImage(ImageSession& session, const std::vector<EditorModel*>& models)
{
    ShowStatus(SaveReportText(session.path(), session.save(models)));
}

QString SaveReportText(const std::string& path, const SaveReport& report)
{
    const QString values = report.values == 1 ? QStringLiteral("1 value")
                                              : QStringLiteral("%1 values").arg(qulonglong(report.values));
    const QString checksum = !report.fixChecksum       ? QStringLiteral("checksum left as it was (Fix Checksum is off)")
                             : report.checksumRepaired ? QStringLiteral("checksum repaired")
                                                       : QStringLiteral("checksum already right");
    return QStringLiteral("Saved %1: %2; %3.").arg(QFileInfo(ShownPath(path)).fileName(), values, checksum);
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
