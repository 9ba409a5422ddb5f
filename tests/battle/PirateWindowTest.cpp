// The battle window on the real main window, played through its buttons.
#include "GameStates.h"
#include "GameWindowTest.h"

#include "battle/PirateFleet.h"
#include "battle/PirateWindowEncounter.h"
#include "battle/frmPirate.h"
#include "ui/CaptionFrame.h"

#include <Velgauge/ProgressBar.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Sardek
{

using namespace Testing;

namespace
{

class PirateWindowTest : public GameWindowTest
{
  protected:
    PirateWindowTest()
    {
        main.state() = Testing::portState();
        main.state().Cash = 1000;
        main.UpdateMainForm();
        // At every pause: the images afloat are 0 to the count shown, no order can be given,
        // and a hit shows red.
        runtime.onDelay = [this](std::uint32_t ms) {
            auto *window = qobject_cast<frmPirate *>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            expectFleetAsCounted(*window);
            for (QPushButton *order :
                 {window->cmdFight, window->cmdDeath, window->cmdRun, window->cmdDump})
                ASSERT_FALSE(order->isEnabled());
            const QColor ground = window->picShips->palette().color(QPalette::Window);
            EXPECT_EQ(ground, ms == 10 ? QColor(Qt::red) : QColor(Qt::black));
            ++pauses;
        };
    }

    // The images afloat are 0 to the count shown, less one.
    static void expectFleetAsCounted(frmPirate &window)
    {
        const int shown = window.txtEnemy->text().toInt();
        for (int i = 0; i < PirateFleet::Ships; ++i)
            ASSERT_EQ(window.picShips->images()[std::size_t(i)]->isVisibleTo(window.picShips),
                      i < shown)
                << i;
    }

    static void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    // Meets the pirates with fleetRoll and plays the battle; returns once the window closed.
    void meetPirates(float fleetRoll, std::function<void(frmPirate &)> play)
    {
        runtime.queueRnd({fleetRoll});
        whenDialogOpens([&](QDialog &dialog) {
            auto *window = qobject_cast<frmPirate *>(&dialog);
            ASSERT_NE(window, nullptr);
            play(*window);
            closedByBattle = !window->isVisible();
            if (!closedByBattle)
                window->done(QDialog::Rejected);
        });
        PirateWindowEncounter(main).MeetPirates(nullptr);
    }

    int pauses = 0;
    bool closedByBattle = false;
};

TEST_F(PirateWindowTest, FightThenFightToDeath_ToVictory)
{
    main.state().Cannons = 2;
    main.state().HoldUsed = 20;
    meetPirates(0.0f, [&](frmPirate &window) {
        EXPECT_EQ(
            QStringList({window.windowTitle(), window.txtEnemy->text(), window.txtStatus->text(),
                         window.txtCannons->text(), window.txtReport->text()}),
            QStringList({"Pirates", "3", "100%", "2", "Sardek, what shall we do?"}));
        expectFleetAsCounted(window);
        EXPECT_FALSE(window.cmdDump->isEnabled());
        runtime.queueRnd({0.9f, 0.0f, 0.5f, 0.5f, 0.0f});
        click(window.cmdFight);
        EXPECT_EQ(window.txtEnemy->text(), "2");
        EXPECT_EQ(window.txtStatus->text(), "98%");
        EXPECT_EQ(main.fraStatus->title(), "Ship's Status - 98% ");
        EXPECT_EQ(main.prgStatus->value(), 98);
        EXPECT_TRUE(window.cmdDeath->isEnabled() && window.cmdRun->isEnabled());
        runtime.queueRnd({0.9f, 0.9f, 0.0f});
        click(window.cmdDeath);
    });
    EXPECT_TRUE(closedByBattle);
    // 48 of them between the frames of the one ship sunk before the fight to the death.
    EXPECT_EQ(pauses, 60);
    EXPECT_EQ(main.state().Cash, 1900);
    EXPECT_EQ(main.txtCash->text(), "$1,900");
    EXPECT_TRUE(main.log().text().endsWith("Jan 15, 1860 - You got some booty worth $900"));
}

// A loaded game may hold half a gun: no whole gun to open fire with, but a gun left after the
// pirates' volley, when Fight comes back.
TEST_F(PirateWindowTest, HalfAGunFightsOnlyAfterAVolley)
{
    main.state().Cannons = Currency::fromRaw(Currency::Scale / 2);
    main.state().HoldUsed = 5;
    const auto orders = [](frmPirate &window) {
        return std::tuple(window.cmdFight->isEnabled(), window.cmdDeath->isEnabled(),
                          window.cmdRun->isEnabled(), window.cmdDump->isEnabled());
    };
    meetPirates(0.0f, [&](frmPirate &window) {
        EXPECT_EQ(orders(window), std::tuple(false, false, true, false));
        // Caught, not driven off, one of three left behind; two misses, no gun lost.
        runtime.queueRnd({0.9f, 0.5f, 0.0f, 0.0f, 0.0f, 0.0f});
        click(window.cmdRun);
        EXPECT_EQ(window.txtEnemy->text(), "2");
        EXPECT_EQ(orders(window), std::tuple(true, true, true, false));
    });
    EXPECT_EQ(runtime.rndLeft(), 0u);
}

class PirateWindowAnswerTest : public PirateWindowTest, public ::testing::WithParamInterface<bool>
{
};

TEST_P(PirateWindowAnswerTest, SinkingQuestionEndsTheBattleOrTheProgram)
{
    const bool playAgain = GetParam();
    main.state().ShipStatus = 1;
    meetPirates(0.0f, [&](frmPirate &window) {
        runtime.queueRnd({0.99f, 0.99f, 0.0f, 0.5f}); // no escape, one left behind, a hit
        runtime.queueMsgBoxResults({playAgain ? MsgBoxResult::Yes : MsgBoxResult::No});
        click(window.cmdRun);
        EXPECT_EQ(window.txtStatus->text(), "0%");
    });
    EXPECT_TRUE(closedByBattle);
    Testing::expectBoxes(runtime, {{"Sardek, you have sunk.  Would you like to play again?     ",
                                    MsgBoxStyle::ExclamationYesNo, "Game Over"}});
    EXPECT_EQ(main.state().GameOver, playAgain);
    EXPECT_EQ(main.state().GameInProgress, !playAgain);
    EXPECT_EQ(runtime.programEnds(), playAgain ? 0 : 1);
}

// The pirate lord's full fleet met with cargo and two guns: Esc does nothing, the close box asks
// to quit the game and closes nothing, dumping the cargo asks and keeps the guns, costing no
// turn; then a run gets away and the window closes.
TEST_P(PirateWindowAnswerTest, LordsFleet_CloseBoxAsks_EscDoesNothing_DumpCostsNoTurn)
{
    const bool yes = GetParam();
    main.state().HoldCapacity = 10000;
    main.state().TributeCounter = 11;
    main.state().Cannons = 2;
    main.state().ShipSilk = 40;
    main.state().HoldUsed = 60;
    main.UpdateMainForm();
    meetPirates(0.5f, [&](frmPirate &window) {
        EXPECT_EQ(window.windowTitle(), "Mok Sai's Pirates");
        EXPECT_EQ(window.txtEnemy->text(), "48");
        expectFleetAsCounted(window);
        QTest::keyClick(&window, Qt::Key_Escape);
        runtime.queueMsgBoxResults({yes ? MsgBoxResult::Yes : MsgBoxResult::No});
        window.close();
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(runtime.programEnds(), yes ? 1 : 0);
        runtime.queueMsgBoxResults({yes ? MsgBoxResult::Yes : MsgBoxResult::No});
        click(window.cmdDump);
        EXPECT_EQ(window.cmdDump->isEnabled(), !yes);
        EXPECT_TRUE(window.cmdFight->isEnabled());
        EXPECT_EQ(main.fraHold->title(),
                  yes ? "Ship's Hold - 20 of 10000 " : "Ship's Hold - 60 of 10000 ");
        EXPECT_EQ(pauses, 0);
        runtime.queueRnd({0.0f});
        click(window.cmdRun);
    });
    EXPECT_TRUE(closedByBattle);
    Testing::expectBoxes(
        runtime, {{"Do you want to quit this game?     ", MsgBoxStyle::QuestionYesNo, "Sardek"},
                  {"Are you sure you want to dump all of your cargo.     ",
                   MsgBoxStyle::QuestionYesNo, "Dump Cargo"}});
}

INSTANTIATE_TEST_SUITE_P(YesNo, PirateWindowAnswerTest, ::testing::Bool(),
                         ::testing::PrintToStringParamName());

} // namespace

} // namespace Sardek
