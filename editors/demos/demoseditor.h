// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editors/demos/demomodel.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class DemosEditor;
}

class ImageSession;

// The demos editor, laid out by the game's demo layout: the demo length,
// the special stage demo length (first game), the number of demos played
// and the level of each demo slot.
class DemosEditor : public QDialog
{
    Q_OBJECT

public:
    DemosEditor(ImageSession& session, QWidget* parent = nullptr);
    ~DemosEditor() override;

private:
    // The game's values, read into the controls.
    void showImage();
    // What the controls hold, as the model's wanted values.
    std::vector<EditorModel*> want();
    // After a Save: what is shown is what the image holds.
    void showSaved();
    // The later games' form: without the special stage row and the import
    // button.
    void removeFirstGameRows();

    // The generated form.
    std::unique_ptr<Ui::DemosEditor> mUi;
    ImageSession& mSession;
    // nullptr for a game without demo settings.
    const DemoLayout* mLayout = nullptr;
    // Made once the game's layout is known.
    std::optional<DemoModel> mModel;
    // Spin box positions as shown after opening or the last Save: only a
    // position the user changed is written.
    int mShownLength = 0;
    int mShownSpecialLength = 0;
    int mShownNumber = 0;
};
