// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

class EditorModel;
class ImageSession;
class QWidget;

// An editor window's Save: session.save(models), then message. Errors
// propagate and the message is not shown.
void SaveImage(ImageSession& session, const std::vector<EditorModel*>& models,
               const QString& message = QStringLiteral("ROM Saved!"));
void SaveImage(ImageSession& session, EditorModel& model, const QString& message = QStringLiteral("ROM Saved!"));

// An editor window opened on a read-only image: its Save buttons are off
// with a tooltip that says why, and its title says "(read-only)". Does
// nothing for a writable image or a window without a Save button.
void ShowReadOnly(QWidget* window, const ImageSession& session);
