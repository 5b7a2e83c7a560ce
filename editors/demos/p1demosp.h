#pragma once

#include "editors/demos/demomodel.h"
#include "ui_p1demosp.h"

#include <QDialog>

#include <array>
#include <cstdint>

// The first game's demos editor: normal and special stage demo lengths, the
// number of demos played and the level of each of the four demo slots.
class Tp1demos : public QDialog, public Ui::Tp1demos
{
    Q_OBJECT

public:
    explicit Tp1demos(QWidget* parent = nullptr);

    void FormCreate();
    void SaveClick();
    void CloseBClick();

private:
    const DemoLayout* mLayout = nullptr;
    // Spin box positions as shown after opening or the last Save: only a
    // position the user changed is written.
    int mShownLength = 0;
    int mShownSpecialLength = 0;
    int mShownNumber = 0;
    std::array<std::uint16_t, kDemoLevelWords> mStoredLevels{};
    std::array<std::uint16_t, kDemoLevelWords> mChosenLevels{};
};

extern Tp1demos* p1demos;
