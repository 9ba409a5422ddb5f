#pragma once

#include "GameWindowTest.h"

#include <Velgauge/ProgressBar.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace Sardek::Testing
{

// A main window on the scripted runtime, and the player's ways of starting a game.
class MainWindowTest : public GameWindowTest
{
  protected:
    // Rolls that give the opening prices 12,000 / 1,500 / 120 / 9.
    static constexpr float PriceRolls[4] = {7.5f / 21, 10.5f / 21, 7.5f / 21, 4.5f / 21};

    // New Game from the menu, choosing the scenario and typing the name in the dialog.
    void startGame(bool cashAndDebt, const QString &firm = QStringLiteral("Lee"))
    {
        runtime.queueRnd({PriceRolls[0], PriceRolls[1], PriceRolls[2], PriceRolls[3]});
        whenDialogOpens([=](QDialog &dialog) {
            if (cashAndDebt)
                QTest::mouseClick(control<QRadioButton>(dialog, "optCash"), Qt::LeftButton);
            QTest::keyClicks(control<QLineEdit>(dialog, "txtFirm"), firm);
            QTest::mouseClick(control<QPushButton>(dialog, "cmdStart"), Qt::LeftButton);
        });
        main.mnuNewItem->trigger();
    }

    // The enabled state of the nine orders, in their order on the window.
    std::vector<bool> orders() const
    {
        std::vector<bool> enabled;
        for (QPushButton *button :
             {main.cmdBuy, main.cmdSell, main.cmdLeave, main.cmdVisit, main.cmdMoney,
              main.cmdTransfer, main.cmdRepair, main.cmdCannon, main.cmdShip})
            enabled.push_back(button->isEnabled());
        return enabled;
    }
};

} // namespace Sardek::Testing
