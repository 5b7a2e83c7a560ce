// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

class EditorModel;
class ImageSession;
class QWidget;

struct SaveReport;

// An editor window's Save: session.save(models), then what it wrote in the
// status bar (SaveReportText). Errors propagate and nothing is reported.
void SaveImage(ImageSession& session, const std::vector<EditorModel*>& models);

// "Saved sample-p2.bin: 3 values; checksum repaired." for a Save of the
// image (or the copy) at path.
QString SaveReportText(const std::string& path, const SaveReport& report);

// An editor window opened on a read-only image: its Save buttons are off
// with a tooltip that says why, and its title says "(read-only)". Does
// nothing for a writable image or a window without a Save button.
void ShowReadOnly(QWidget* window, const ImageSession& session);

// title without the read-only mark ShowReadOnly gave it.
QString WithoutReadOnlyMark(const QString& title);
