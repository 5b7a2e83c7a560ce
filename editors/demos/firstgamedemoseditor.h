// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editors/demos/demomodel.h"

#include <QDialog>

namespace Ui {
class FirstGameDemosEditor;
}

class ImageSession;

#include <memory>
#include <optional>

// The first game's demos editor: normal and special stage demo lengths, the
// number of demos played and the level of each of the four demo slots.
class FirstGameDemosEditor : public QDialog
{
    Q_OBJECT

public:
    FirstGameDemosEditor(ImageSession& session, QWidget* parent = nullptr);
    ~FirstGameDemosEditor() override;

    void FormCreate();
    void SaveClick();
    void CloseBClick();

private:
    // The generated form.
    std::unique_ptr<Ui::FirstGameDemosEditor> mUi;
    ImageSession& mSession;
    // Made once the game's layout is known.
    std::optional<DemoModel> mModel;
    // Spin box positions as shown after opening or the last Save: only a
    // position the user changed is written.
    int mShownLength = 0;
    int mShownSpecialLength = 0;
    int mShownNumber = 0;
};
