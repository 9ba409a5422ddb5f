#include "VoyageTestSupport.h"

#include "../core/MainWindowFixture.h"

#include <QLabel>
#include <QMenu>

namespace Sardek
{

using namespace Testing;

class LeaveWindow : public MainWindowTest
{
  protected:
    LeaveWindow() { startGame(false); } // five cannons, no cash

    // Leave Port with a preselection roll of Saigon, the port chosen by a click, atDepart
    // run first, then Depart on exactly rolls.
    void sail(const char *port, const std::vector<float> &rolls,
              std::function<void(QDialog &)> atDepart = {})
    {
        runtime.queueRnd({0.5f});
        for (float r : rolls)
            runtime.queueRnd({r});
        whenDialogOpens([=](QDialog &dialog) {
            if (atDepart)
                atDepart(dialog);
            QTest::mouseClick(control<QRadioButton>(dialog, port), Qt::LeftButton);
            QTest::mouseClick(control<QPushButton>(dialog, "cmdDepart"), Qt::LeftButton);
        });
        QTest::mouseClick(main.cmdLeave, Qt::LeftButton);
        EXPECT_EQ(runtime.rndLeft(), 0u);
    }

    // Whether any order or menu item could be used now.
    bool anythingUsable() const
    {
        const QList<QAction *> items = main.findChildren<QAction *>();
        return std::ranges::count(orders(), true) > 0 || std::ranges::any_of(items, [](QAction *a) {
                   return a->isEnabled() && !a->menu() && !a->isSeparator();
               });
    }
};

// Nothing can be used at sea, also after a battle's redraw, and a close request asks first;
// the port's orders and any offer come back on arrival, and the offer can be taken.
TEST_F(LeaveWindow, VoyageToArrival_InertAtSeaThenOrdersByPort)
{
    auto owned = std::make_unique<EncounterDouble>();
    EncounterDouble *encounter = owned.get();
    main.setPirateEncounter(std::move(owned));
    auto opening = [this](QDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Leave Port");
        EXPECT_EQ(control<QGroupBox>(dialog, "fraDestination")->title(), "Choose Destination ");
        EXPECT_FALSE(control<QRadioButton>(dialog, "optHongKong")->isEnabled());
        EXPECT_TRUE(control<QRadioButton>(dialog, "optSaigon")->isChecked());
        EXPECT_TRUE(control<QPushButton>(dialog, "cmdDepart")->isDefault());
        EXPECT_LE((dialog.geometry().center() - main.geometry().center()).manhattanLength(), 1);
    };
    std::vector<bool> seen;
    runtime.onDelay = [&](std::uint32_t) {
        seen.push_back(anythingUsable() || main.cursor().shape() != Qt::BusyCursor ||
                       main.findChild<QDialog *>("frmLeave")->isVisible());
        if (runtime.delays().size() <= 2) { // close requests, answered No, then Yes
            runtime.queueMsgBoxResults(
                {runtime.delays().size() == 1 ? MsgBoxResult::No : MsgBoxResult::Yes});
            main.close();
        }
    };
    encounter->action = [&] { // a battle marking its own turn within the voyage's
        main.setTurnRunning(true);
        main.UpdateMainForm();
        main.setTurnRunning(false);
        seen.push_back(anythingUsable());
    };
    VoyageScript script;
    script.steps[4] = 4.5f / 110;
    sail("optShanghai", script.rolls(), opening);
    EXPECT_EQ(seen, std::vector<bool>(26, false));
    ASSERT_EQ(runtime.messageBoxes().size(), 2u);
    EXPECT_EQ(runtime.messageBoxes()[1].prompt, "Do you want to quit this game?     ");
    EXPECT_EQ(runtime.messageBoxes()[1].style, MsgBoxStyle::QuestionYesNo);
    EXPECT_EQ(runtime.programEnds(), 1); // the scripted end comes back: the voyage goes on
    EXPECT_TRUE(main.log().text().endsWith("Jan 15, 1860 - Departing Hong Kong" + QString(25, '.') +
                                           "\r\nFeb 15, 1860 - Arriving at Shanghai"));
    EXPECT_EQ(main.txtDate->text(), "Feb 15, 1860");
    EXPECT_EQ(orders(), std::vector<bool>({1, 1, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(main.mnuSaveItem->isEnabled());
    EXPECT_NE(main.cursor().shape(), Qt::BusyCursor);

    script.steps[4] = 0.0f;
    script.cannon = {0.0f, 0.5f}; // $1,700
    sail("optHongKong", script.rolls());
    EXPECT_EQ(orders(), std::vector<bool>({1, 1, 1, 1, 1, 1, 0, 1, 0}));
    QTest::mouseClick(main.cmdCannon, Qt::LeftButton); // no cash
    ASSERT_EQ(runtime.messageBoxes().size(), 3u);
    EXPECT_EQ(runtime.messageBoxes()[2].prompt + runtime.messageBoxes()[2].title,
              "Insufficient Funds     Sorry");
    main.state().Cash = 1700;
    QTest::mouseClick(main.cmdCannon, Qt::LeftButton);
    EXPECT_TRUE(main.log().text().endsWith("Mar 15, 1860 - Bought a New Cannon for $1,700"));
    EXPECT_FALSE(main.cmdCannon->isEnabled());
    EXPECT_EQ(main.fraHold->title(), "Ship's Hold - 60 of 60 ");
}

// Sunk over the Leave Port window, and the player plays again: the voyage ends at once, and a
// New Game begins that cannot be cancelled, keeping nothing of the old game.
TEST_F(LeaveWindow, SunkAndPlayingAgain_EndsTheVoyageInANewGameOfNothingOld)
{
    GameState &old = main.state();
    old.GameDate = GameDate::fromYmd(1863, 5, 20).value();
    std::tie(old.Cash, old.Bank, old.Debt, old.WarehouseSilk, old.TributeCounter) =
        std::tuple(900, 5000, 7000, 40, 7);
    old.ShipStatus = 1;
    runtime.queueMsgBoxResults({MsgBoxResult::Yes});
    QString logAtNewGame;
    // Three pirates; a failed run leaves one behind; the first of two shots hits; the new
    // game's prices rolled at and below the edges of their steps: 5,000 / 600 / 240 / 25.
    std::vector<float> rolls{4.5f / 110, 0.0f, 0.9f, 0.9f, 0.0f, 0.9f};
    rolls.insert(rolls.end(),
                 {belowEdge(1, 21), edgeRoll(1, 21), belowEdge(20, 21), edgeRoll(20, 21)});
    sail("optShanghai", rolls, [&](QDialog &) {
        whenDialogOpens([&](QDialog &battle) {
            EXPECT_EQ(battle.parentWidget()->objectName(), "frmLeave");
            whenDialogOpens([&](QDialog &newGame) {
                EXPECT_FALSE(control<QPushButton>(newGame, "cmdCancel")->isEnabled());
                logAtNewGame = main.log().text();
                QTest::mouseClick(control<QPushButton>(newGame, "cmdStart"), Qt::LeftButton);
            });
            QTest::mouseClick(control<QPushButton>(battle, "cmdRun"), Qt::LeftButton);
        });
    });
    Testing::expectBoxes(runtime, {{"Sardek, you have sunk.  Would you like to play again?     ",
                                    MsgBoxStyle::ExclamationYesNo, "Game Over"}});
    EXPECT_TRUE(logAtNewGame.endsWith("May 20, 1863 - Departing Hong Kong."));
    EXPECT_EQ(main.log().text(), "Jan 15, 1860 - Welcome Captain");
    const GameState &s = main.state();
    EXPECT_EQ(std::tuple(s.GameDate, s.Cash, s.Bank, s.Debt, s.WarehouseSilk, s.TributeCounter,
                         s.PriceOpium, s.PriceSilk, s.PriceArms, s.PriceGeneral),
              std::tuple(GameDate::fromYmd(1860, 1, 15).value(), Currency(0), Currency(0),
                         Currency(0), Currency(0), Currency(0), Currency(5000), Currency(600),
                         Currency(240), Currency(25)));
    EXPECT_EQ(main.txtDate->text() + main.txtBank->text() + main.txtDebt->text(),
              "Jan 15, 1860$0$0");
}

} // namespace Sardek
