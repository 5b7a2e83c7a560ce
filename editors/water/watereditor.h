// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editors/water/watermodel.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

namespace Ui {
class WaterEditor;
}

class ImageSession;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QTimer;
class TrackedForm;

// The water editor of "p2", "p2k" and "p3": for each compare instruction
// that decides where there is water, the zone it names, the act choice and,
// for the second game, the row's underwater palette byte.
class WaterEditor : public QDialog
{
    Q_OBJECT

public:
    WaterEditor(ImageSession& session, QWidget* parent = nullptr);
    ~WaterEditor() override;

    void showImage();
    void finishOpening();
    // The act rule of one row (WaterEntryHasOneAct); any other entry offers
    // all three choices.
    void applyActRule(QComboBox* cmb, QRadioButton* act1, QRadioButton* act2, QRadioButton* both);
    void zone1Chosen();
    void zone2Chosen();
    void zone3Chosen();
    void zone4Chosen();
    void zone5Chosen();
    // What the controls hold, as the model's wanted values.
    std::vector<EditorModel*> want();
    // After a Save: each palette byte in its box's own form.
    void showSaved();
    // Reads the image again and shows it, as opening does.
    void reread();
    void closeEditor();

    // Runs once, 1 ms after the window starts processing events.
    QTimer* Timer = nullptr;

private:
    // The generated form.
    std::unique_ptr<Ui::WaterEditor> mUi;
    ImageSession& mSession;
    TrackedForm* mTracked = nullptr;
    struct RowControls
    {
        QComboBox* cmb;
        QWidget* panel;
        QRadioButton* act1;
        QRadioButton* act2;
        QRadioButton* both;
        QLineEdit* plt;
        QLineEdit* height;
    };

    // The entry and act each row shows, without a choice of the user's.
    struct ShownChoice
    {
        int entry = -1;
        WaterAct act = WaterAct::None;
        friend bool operator==(const ShownChoice&, const ShownChoice&) = default;
    };

    void decodeRow(int row);
    void rememberShownChoices();
    std::optional<std::uint8_t> chosenZone(int row) const;
    WaterAct chosenAct(int row) const;

    std::array<RowControls, kMaxWaterRows> mControls{};
    // Palette boxes that show their byte, from the first.
    int mPalettesShown = 0;
    // Made once the game's layout is known; only what it read is ever
    // written back.
    std::optional<WaterModel> mModel;
    // As opened (after the act rule) or last saved: a row whose controls
    // still show this is not rewritten.
    std::array<ShownChoice, kMaxWaterRows> mShownChoices{};
};
