// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editors/demos/demomodel.h"

#include <QDialog>

namespace Ui {
class DemosEditor;
}

class ImageSession;

#include <memory>
#include <optional>

// The demos editor of the later games ("p2", "p2b", "p2k", "p3", "pk"): the
// demo length, the number of demos played and the level of each demo slot.
class DemosEditor : public QDialog
{
    Q_OBJECT

public:
    DemosEditor(ImageSession& session, QWidget* parent = nullptr);
    ~DemosEditor() override;

    void FormCreate();
    void SaveClick();
    void CloseBClick();

private:
    // The generated form.
    std::unique_ptr<Ui::DemosEditor> mUi;
    ImageSession& mSession;
    // Made once the game's layout is known.
    std::optional<DemoModel> mModel;
    // Spin box positions as shown after opening or the last Save: only a
    // position the user changed is written.
    int mShownLength = 0;
    int mShownNumber = 0;
};
