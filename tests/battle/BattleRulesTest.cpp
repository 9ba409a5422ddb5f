// The battle's rules on the scripted runtime: what each order shows, draws and pauses for, in
// order.
#include "BattleTrace.h"

#include <vector>

namespace Sardek
{

using Testing::TraceView;

namespace
{

// Draws: 0 misses every shot and loses no cannon but always gets away; 0.9 hits every shot;
// 0.99 neither gets away nor brings the pirate lord.
constexpr float Miss = 0.0f, Hit = 0.9f, NoLuck = 0.99f, CannonHit = 0.05f;

class BattleRulesTest : public ::testing::Test
{
  protected:
    void queue(const std::vector<float> &draws)
    {
        for (float draw : draws)
            runtime.queueRnd({draw});
    }

    // Meets a fleet of ships (capacity 60: 3 to 6) and forgets what the opening showed.
    void open(int ships)
    {
        queue({Testing::fleetDraw(ships, 60)});
        battle.Open();
        ASSERT_EQ(battle.state().EnemyShips, ships);
        view.trace.clear();
    }

    ScriptedRuntime runtime;
    GameState game = Testing::atSea();
    TraceView view{runtime};
    Battle battle{game, runtime, view};
};

struct OpeningCase {
    int capacity, tribute, cannons, opium;
    float draw;
    int ships;
    const char *orders;
};

class BattleOpeningTest : public BattleRulesTest, public ::testing::WithParamInterface<OpeningCase>
{
};

TEST_P(BattleOpeningTest, FleetAndOrders)
{
    const OpeningCase c = GetParam();
    game.HoldCapacity = c.capacity;
    game.TributeCounter = c.tribute;
    Testing::arm(game, c.cannons, c.opium);
    queue({c.draw});
    battle.Open();
    EXPECT_EQ(battle.state().EnemyShips, c.ships);
    EXPECT_EQ(battle.pirateLord(), c.tribute > 10);
    const QStringList shown{
        QStringLiteral("orders ") + c.orders, "enemy " + QString::number(c.ships), "status 100",
        "cannons " + QString::number(c.cannons), "report Sardek, what shall we do?"};
    EXPECT_EQ(view.trace.mid(0, 5), shown);
    EXPECT_EQ(view.trace.size(), 5 + c.ships);
    EXPECT_EQ(view.trace.last(), "ship " + QString::number(c.ships - 1) + " afloat");
}

INSTANTIATE_TEST_SUITE_P(
    Fleets, BattleOpeningTest,
    ::testing::Values(OpeningCase{60, 10, 5, 0, 0.0f, 3, "FDR-"},
                      OpeningCase{60, 10, 0, 0, 0.999f, 6, "--R-"},
                      OpeningCase{60, 11, 0, 1, 0.0f, 6, "--RU"},
                      OpeningCase{60, 11, 2, 5, 0.999f, 12, "FDRU"},
                      OpeningCase{1000, 0, 1, 0, 0.0f, 3, "FDR-"},
                      OpeningCase{490, 0, 1, 0, 0.999f, 48, "FDR-"},  // 49 before the cap
                      OpeningCase{10000, 11, 1, 0, 0.5f, 48, "FDR-"}, // doubled, then capped
                      OpeningCase{-100, 0, 1, 0, 0.5f, 1, "FDR-"}));  // never no fleet at all

TEST_F(BattleRulesTest, Fight_ShootsEachGunThenTakesTheVolley)
{
    Testing::arm(game, 2);
    open(3);
    queue({Miss, Hit, Hit, Miss, Miss});
    battle.Fight();
    EXPECT_EQ(view.compressed(),
              QStringList({"orders ----", "report We're firing on 'em, Sardek!", "delay 2000",
                           "delay 200", "delay 200", "frame 2, delay 5 x48", "ship 2 gone",
                           "enemy 2", "report Sunk 1 of those buggers, Sardek!", "delay 2000",
                           "report They're firing on us, Sardek!", "delay 2000", "red", "delay 10",
                           "black", "delay 200", "status 99", "report Sardek, what shall we do?",
                           "orders FDR-"}));
    EXPECT_EQ(battle.state().ShipsSunk, 1);
    EXPECT_EQ(game.ShipStatus, 99);
    EXPECT_EQ(runtime.rndLeft(), 0u);
}

TEST_F(BattleRulesTest, FightToDeath_ShortPausesNoFramePausesNextTurnAtOnce)
{
    Testing::arm(game, 2);
    open(3);
    queue({Miss, Hit, Hit, Miss, Miss, /* next turn */ Hit, Hit, /* booty */ 0.0f});
    battle.FightToTheDeath();
    EXPECT_EQ(view.compressed().join(" | "),
              "orders ---- | report We're firing on 'em, Sardek! | delay 500 | delay 50 | "
              "delay 50 | frame 2 x48 | ship 2 gone | enemy 2 | report Sunk 1 of those buggers, "
              "Sardek! | delay 500 | report They're firing on us, Sardek! | delay 500 | red | "
              "delay 10 | black | delay 50 | status 99 | report Sardek, what shall we do? | "
              "orders FDR- | orders ---- | report We're firing on 'em, Sardek! | delay 500 | "
              "delay 50 | frame 1 x48 | ship 1 gone | enemy 1 | delay 50 | frame 0 x48 | "
              "ship 0 gone | enemy 0 | log - You got some booty worth $900");
    EXPECT_EQ(battle.outcome(), BattleOutcome::Victory);
    Testing::expectBoxes(
        runtime, {{"You got some booty worth $900     ", MsgBoxStyle::InformationOk, "Sardek"}});
    EXPECT_EQ(game.Cash, 1900);
}

TEST_F(BattleRulesTest, LosingTheLastGunStopsTheFightToDeath_RunKeepsItsPauses)
{
    Testing::arm(game, 1, 5);
    open(3);
    queue({Miss, Miss, Miss, Miss, CannonHit});
    battle.FightToTheDeath();
    EXPECT_EQ(view.trace.mid(view.trace.size() - 7),
              QStringList({"report The buggers hit a Cannon, Sardek!", "cannons 0",
                           "log - The buggers hit a Cannon, Sardek", "redraw", "delay 500",
                           "report Sardek, what shall we do?", "orders --RU"}));
    EXPECT_EQ(game.HoldUsed, 5);
    view.trace.clear();
    queue({NoLuck, NoLuck, 0.0f, Miss, Miss, Miss});
    battle.Run();
    EXPECT_EQ(view.compressed(),
              QStringList({"orders ----", "report Aye, we'll run, Sardek!", "delay 2500",
                           "report Can't lose 'em, but we escaped from 1", "ship 2 gone", "enemy 2",
                           "delay 2000", "report They're firing on us, Sardek!", "delay 500",
                           "report Sardek, what shall we do?", "orders --RU"}));
    EXPECT_EQ(battle.state().ShipsSunk, 0);
}

struct RunCase {
    int capacity, tribute;
    std::vector<float> draws;
    BattleOutcome outcome;
    int shipsLeft;
};

class BattleRunTest : public BattleRulesTest, public ::testing::WithParamInterface<RunCase>
{
};

TEST_P(BattleRunTest, Outcome)
{
    const RunCase &c = GetParam();
    game.HoldCapacity = c.capacity;
    game.TributeCounter = c.tribute;
    queue(c.draws);
    battle.Open();
    battle.Run();
    EXPECT_EQ(battle.outcome(), c.outcome);
    EXPECT_EQ(battle.state().EnemyShips, c.shipsLeft);
    EXPECT_EQ(runtime.rndLeft(), 0u);
    const std::vector<std::uint32_t> away{2500, 2000}, volley{2500, 2000, 2000};
    EXPECT_EQ(runtime.delays(), c.outcome == BattleOutcome::Running ? volley : away);
}

using enum BattleOutcome;
INSTANTIATE_TEST_SUITE_P(
    Escapes, BattleRunTest,
    ::testing::Values(RunCase{60, 0, {0.0f, 0.0f}, GotAway, 3},
                      RunCase{0, 0, {0.999f, NoLuck}, GotAway, 1}, // a lone pirate
                      RunCase{60, 10, {0.0f, NoLuck, 0.0f}, DrivenOff, 3},
                      // 6 of the pirate lord's met, 3 left behind, 3 firing
                      RunCase{
                          60, 11, {0.0f, NoLuck, 0.0f, 0.9f, Miss, Miss, Miss, Miss}, Running, 3}));

class BattleSinkingTest : public BattleRulesTest, public ::testing::WithParamInterface<bool>
{
};

TEST_P(BattleSinkingTest, ShipAtThreePercentSinksOnTheThirdHit)
{
    const bool playAgain = GetParam();
    game.ShipStatus = 3;
    game.HoldCapacity = 100;
    Testing::arm(game, 1);
    queue({Testing::fleetDraw(10, 100), Miss, Hit, Miss, Hit, Hit});
    battle.Open();
    runtime.queueMsgBoxResults({playAgain ? MsgBoxResult::Yes : MsgBoxResult::No});
    battle.Fight();
    EXPECT_EQ(runtime.rndLeft(), 0u);
    EXPECT_EQ(game.ShipStatus, 0);
    Testing::expectBoxes(runtime, {{"Sardek, you have sunk.  Would you like to play again?     ",
                                    MsgBoxStyle::ExclamationYesNo, "Game Over"}});
    EXPECT_EQ(battle.outcome(), playAgain ? BattleOutcome::Sunk : BattleOutcome::ProgramEnded);
    EXPECT_EQ(game.GameOver, playAgain);
    EXPECT_EQ(game.GameInProgress, !playAgain);
    EXPECT_EQ(runtime.programEnds(), playAgain ? 0 : 1);
    EXPECT_EQ(view.trace.last(), "status 0");
}

INSTANTIATE_TEST_SUITE_P(Answers, BattleSinkingTest, ::testing::Bool());

TEST_F(BattleRulesTest, BootyCountsSunkShipsOnlyNotThoseLeftBehind)
{
    Testing::arm(game, 2);
    open(5);
    queue({NoLuck, NoLuck, 0.9f, Miss, Miss, Miss, Hit, Hit, 0.99999f});
    battle.Run();
    EXPECT_EQ(battle.state().EnemyShips, 2);
    battle.Fight();
    EXPECT_EQ(battle.state().ShipsSunk, 2);
    EXPECT_EQ(runtime.messageBoxes().at(0).prompt, "You got some booty worth $2,700     ");
    EXPECT_EQ(game.Cash, 3700);
    EXPECT_EQ(view.trace.last(), "log - You got some booty worth $2,700");
}

class BattleDumpTest : public BattleRulesTest, public ::testing::WithParamInterface<bool>
{
};

TEST_P(BattleDumpTest, DumpAsksAndCostsNoTurn)
{
    const bool yes = GetParam();
    Testing::arm(game, 3, 20);
    game.ShipSilk = game.ShipArms = game.ShipGeneral = 4;
    open(3);
    runtime.queueMsgBoxResults({yes ? MsgBoxResult::Yes : MsgBoxResult::No});
    battle.DumpCargo();
    Testing::expectBoxes(runtime, {{"Are you sure you want to dump all of your cargo.     ",
                                    MsgBoxStyle::QuestionYesNo, "Dump Cargo"}});
    EXPECT_EQ(view.trace, yes ? QStringList({"orders FDR-", "redraw"}) : QStringList());
    EXPECT_EQ(game.HoldUsed, yes ? 30 : 50);
    EXPECT_EQ(game.ShipOpium + game.ShipSilk + game.ShipArms + game.ShipGeneral, yes ? 0 : 32);
    EXPECT_EQ(battle.outcome(), BattleOutcome::Running);
}

INSTANTIATE_TEST_SUITE_P(Answers, BattleDumpTest, ::testing::Bool());

} // namespace

} // namespace Sardek
