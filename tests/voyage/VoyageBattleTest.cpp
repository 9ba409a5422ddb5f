// A voyage that meets pirates, played through the Leave Port and the battle windows.
#include "VoyageTestSupport.h"

#include "../core/MainWindowFixture.h"

namespace Sardek
{

using Testing::VoyageScript;

class VoyageBattle : public MainWindowTest
{
  protected:
    VoyageBattle() { startGame(false); } // five cannons, no cash

    // Departs for Shanghai meeting pirates on the first step; battleDraws follow that step's
    // draw, then the rest of the voyage's when it arrives; play acts in the battle window.
    void sailIntoBattle(const std::vector<float> &battleDraws, std::function<void(QDialog &)> play,
                        bool arrives = true)
    {
        VoyageScript script;
        std::vector<float> draws = script.draws();
        draws[0] = 4.5f / 110;
        draws.insert(draws.begin() + 1, battleDraws.begin(), battleDraws.end());
        if (!arrives)
            draws.resize(1 + battleDraws.size());
        runtime.queueRnd({0.5f});
        for (float r : draws)
            runtime.queueRnd({r});
        whenDialogOpens([=](QDialog &leave) {
            whenDialogOpens(play);
            QTest::mouseClick(control<QRadioButton>(leave, "optShanghai"), Qt::LeftButton);
            QTest::mouseClick(control<QPushButton>(leave, "cmdDepart"), Qt::LeftButton);
        });
        QTest::mouseClick(main.cmdLeave, Qt::LeftButton);
    }
};

// Three pirates, three hits of five shots: the booty line keeps the departure date, the dots
// go on after it, and the voyage arrives with the booty in cash.
TEST_F(VoyageBattle, Victory_ThenTheVoyageGoesOnToArrival)
{
    sailIntoBattle({0.0f, 0.95f, 0.95f, 0.95f, 0.0f}, [](QDialog &battle) {
        EXPECT_EQ(control<QLineEdit>(battle, "txtEnemy")->text(), "3");
        QTest::mouseClick(control<QPushButton>(battle, "cmdFight"), Qt::LeftButton);
    });

    EXPECT_EQ(runtime.rndLeft(), 0u);
    EXPECT_EQ(main.state().Cash, 900);
    EXPECT_TRUE(main.log().text().endsWith("Jan 15, 1860 - Departing Hong Kong.\r\n"
                                           "Jan 15, 1860 - You got some booty worth $900" +
                                           QString(24, '.') +
                                           "\r\nFeb 15, 1860 - Arriving at Shanghai"));
    EXPECT_EQ(orders(), std::vector<bool>({1, 1, 1, 0, 0, 0, 0, 0, 0}));
}

// Sunk, and the player plays again: no arrival, and a New Game that cannot be cancelled.
TEST_F(VoyageBattle, SunkAndPlayingAgain_EndsTheVoyageInANewGame)
{
    main.state().ShipStatus = 1;
    runtime.queueMsgBoxResults({MsgBoxResult::Yes});
    // Three pirates; a failed run leaves one behind; the first of two shots hits.
    sailIntoBattle(
        {0.0f, 0.9f, 0.9f, 0.0f, 0.9f},
        [this](QDialog &battle) {
            whenDialogOpens([this](QDialog &newGame) {
                EXPECT_EQ(newGame.objectName(), "frmNew");
                EXPECT_FALSE(control<QPushButton>(newGame, "cmdCancel")->isEnabled());
                QTest::keyClicks(control<QLineEdit>(newGame, "txtFirm"), "Wu");
                runtime.queueRnd({0.5f, 0.5f, 0.5f, 0.5f});
                QTest::mouseClick(control<QPushButton>(newGame, "cmdStart"), Qt::LeftButton);
            });
            QTest::mouseClick(control<QPushButton>(battle, "cmdRun"), Qt::LeftButton);
        },
        false);

    EXPECT_EQ(runtime.rndLeft(), 0u);
    ASSERT_FALSE(runtime.messageBoxes().empty());
    EXPECT_EQ(runtime.messageBoxes().back().title, "Game Over");
    EXPECT_FALSE(main.log().text().contains("Arriving"));
    EXPECT_TRUE(main.state().GameInProgress);
    EXPECT_EQ(main.state().FirmName, "Wu");
}

} // namespace Sardek
