// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/handlers.h"

#include "core/korvaneerror.h"
#include "ui/notices.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>

#include <new>

bool RunHandler(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const KorvaneError& e) {
        ReportError(e.what());
    } catch (const std::bad_alloc&) {
        ReportError(QCoreApplication::translate("Handlers", "Out of memory").toStdString());
    } catch (const std::exception& e) {
        ReportError(e.what());
    }
    return false;
}

void NoButtonOnEnter(QDialog* dialog)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}
