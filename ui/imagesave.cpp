// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/imagesave.h"

#include "core/imagesession.h"
#include "ui/filenames.h"
#include "ui/notices.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <QPushButton>

namespace {

// A window's title with the read-only mark.
QString readOnlyFormat()
{
    return QCoreApplication::translate("ReadOnly", "%1 (read-only)");
}

} // namespace

void SaveImage(ImageSession& session, const std::vector<EditorModel*>& models)
{
    ShowStatus(SaveReportText(session.path(), session.save(models)));
}

QString SaveReportText(const std::string& path, const SaveReport& report)
{
    const int values = int(report.values);
    QString text;
    if (!report.fixChecksum)
        text = QCoreApplication::translate(
            "SaveReport", "Saved %1: %n value(s); checksum left as it was (Fix Checksum is off).", nullptr, values);
    else if (report.checksumRepaired)
        text = QCoreApplication::translate("SaveReport", "Saved %1: %n value(s); checksum repaired.", nullptr, values);
    else
        text = QCoreApplication::translate("SaveReport", "Saved %1: %n value(s); checksum already right.", nullptr,
                                           values);
    return text.arg(QFileInfo(ShownPath(path)).fileName());
}

void ShowReadOnly(QWidget* window, const ImageSession& session)
{
    if (!session.readOnly())
        return;
    // Every editor's Save button, and its Save and Play, by their names.
    bool any = false;
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        const QString name = button->objectName();
        if (name != QLatin1String("saveButton") && name != QLatin1String("SaveAndPlay"))
            continue;
        button->setEnabled(false);
        button->setToolTip(
            QCoreApplication::translate("ReadOnly", "The image is read-only: it can be looked at, not saved."));
        any = true;
    }
    if (any)
        window->setWindowTitle(readOnlyFormat().arg(window->windowTitle()));
}

QString WithoutReadOnlyMark(const QString& title)
{
    const QString format = readOnlyFormat();
    const qsizetype at = format.indexOf(QLatin1String("%1"));
    if (at < 0)
        return title;
    const QString before = format.left(at);
    const QString after = format.mid(at + 2);
    if (title.size() < before.size() + after.size() || !title.startsWith(before) || !title.endsWith(after))
        return title;
    return title.mid(before.size(), title.size() - before.size() - after.size());
}
