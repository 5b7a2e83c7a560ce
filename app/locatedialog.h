// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editors/imagevalues/imagevalues.h"

#include <QDialog>

#include <string>

// Where the values of an untouched original were found in the selected
// image: a table of every value (key, usual address, found address, how it
// was found), and "Save Layout", which writes the moved ones as the
// image's layout file, whole or not at all.
class LocateDialog : public QDialog
{
    Q_OBJECT
public:
    LocateDialog(LocatedImage located, std::string layoutPath, QWidget* parent);

    // Writes the layout file; the dialog is accepted when it was written.
    void saveLayout();

private:
    LocatedImage mLocated;
    std::string mLayoutPath;
};
