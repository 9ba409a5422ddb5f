// The battle's rules: on the scripted runtime, what each order shows, rolls and pauses for, in
// order; on the program's own generator, its odds and whole battles played headless.
#include "GameStates.h"
#include "QtPrinters.h"
#include "ScriptedRuntime.h"

#include "battle/Battle.h"
#include "battle/BattleRolls.h"
#include "battle/BattleView.h"
#include "battle/HeadlessBattle.h"
#include "runtime/Formats.h"
#include "runtime/HeadlessRuntime.h"

#include <QThread>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace Sardek
{

using namespace Testing;

namespace
{

/// Writes down what the battle shows, and the runtime's pauses, in one list.
class TraceView : public BattleView
{
  public:
    explicit TraceView(ScriptedRuntime &runtime)
    {
        runtime.onDelay = [this](std::uint32_t ms) { trace << "delay " + QString::number(ms); };
    }

    void showReport(const QString &text) override { trace << "report " + text; }
    void showEnemyShips(int count) override { trace << "enemy " + QString::number(count); }
    void showStatus(Currency status) override { trace << "status " + PlainNumber(status); }
    void showCannons(Currency cannons) override { trace << "cannons " + PlainNumber(cannons); }
    void enableOrders(UsableOrders o) override
    {
        trace << QStringLiteral("orders ") + (o.fight ? 'F' : '-') + (o.death ? 'D' : '-') +
                     (o.run ? 'R' : '-') + (o.dump ? 'U' : '-');
    }
    void showShip(int i, bool afloat) override
    {
        trace << "ship " + QString::number(i) + (afloat ? " afloat" : " gone");
    }
    void showSinkingFrame(int i, int) override { trace << "frame " + QString::number(i); }
    void showHit(bool hit) override { trace << (hit ? "red" : "black"); }
    void appendLogEntry(const QString &entry) override { trace << "log" + entry; }
    void redrawMainWindow() override { trace << "redraw"; }

    /// The trace joined by " | ", each run of three or more repeats of one or two events
    /// written once, as "frame 2 x48" or "frame 2, delay 5 x48".
    QString compressed() const
    {
        QStringList out;
        for (qsizetype i = 0; i < trace.size();) {
            const qsizetype p = trace.value(i + 1) == trace[i] ? 1 : 2;
            qsizetype k = 1;
            while (i + (k + 1) * p <= trace.size() && trace.mid(i + k * p, p) == trace.mid(i, p))
                ++k;
            out << (k < 3 ? trace[i] : trace.mid(i, p).join(", ") + " x" + QString::number(k));
            i += k < 3 ? 1 : k * p;
        }
        return out.join(" | ");
    }

    QStringList trace;
};

/// The sound ship of 60 in Hong Kong on Jan 15, 1860, at sea with $1,000, no cargo, no guns.
GameState atSea()
{
    GameState s = Testing::portState();
    s.Cash = 1000;
    return s;
}

/// Sets the guns, with their 10 hold units each, and opium aboard.
void arm(GameState &s, int cannons, int opium = 0)
{
    s.Cannons = cannons;
    s.ShipOpium = opium;
    s.HoldUsed = 10 * cannons + opium;
}

// Rolls: 0 misses every shot and loses no cannon but always gets away; 0.9 hits every shot;
// 0.99 neither gets away nor brings the pirate lord.
constexpr float Miss = 0.0f, Hit = 0.9f, NoLuck = 0.99f, CannonHit = 0.05f;

class BattleRulesTest : public ::testing::Test
{
  protected:
    void queue(const std::vector<float> &rolls)
    {
        for (float roll : rolls)
            runtime.queueRnd({roll});
    }

    // Meets a fleet of 3 to 6 ships (capacity 60) and forgets what the opening showed.
    void open(int ships)
    {
        queue({(ships - 2.5f) / 4});
        battle.Open();
        ASSERT_EQ(battle.state().EnemyShips, ships);
        view.trace.clear();
    }

    ScriptedRuntime runtime;
    GameState game = atSea();
    TraceView view{runtime};
    Battle battle{game, runtime, view};
};

// A fleet met: the guns, cargo and pirate lord decide the orders; the rolls are the fleet's,
// then, if any, those of a run, which ends as its rolls say with its own pauses.
struct FleetCase {
    int capacity, tribute, cannons, opium;
    std::vector<float> rolls;
    int ships;
    const char *orders;
    BattleOutcome outcome = BattleOutcome::Running;
    int shipsLeft = 0;
};

class BattleFleetTest : public BattleRulesTest, public ::testing::WithParamInterface<FleetCase>
{
};

TEST_P(BattleFleetTest, OpensWithItsOrders_ThenRuns)
{
    const FleetCase &c = GetParam();
    game.HoldCapacity = c.capacity;
    game.TributeCounter = c.tribute;
    arm(game, c.cannons, c.opium);
    queue(c.rolls);
    battle.Open();
    EXPECT_EQ(battle.state().EnemyShips, c.ships);
    EXPECT_EQ(battle.pirateLord(), c.tribute > 10);
    EXPECT_EQ(view.trace.mid(0, 5).join(" | "),
              "orders " + QString(c.orders) + " | enemy " + QString::number(c.ships) +
                  " | status 100 | cannons " + QString::number(c.cannons) +
                  " | report Sardek, what shall we do?");
    EXPECT_EQ(view.trace.size(), 5 + c.ships);
    EXPECT_EQ(view.trace.last(), "ship " + QString::number(c.ships - 1) + " afloat");
    if (c.rolls.size() == 1)
        return;
    battle.Run();
    EXPECT_EQ(battle.outcome(), c.outcome);
    EXPECT_EQ(battle.state().EnemyShips, c.shipsLeft);
    EXPECT_EQ(runtime.rndLeft(), 0u);
    const std::vector<std::uint32_t> away{2500, 2000}, volley{2500, 2000, 2000};
    EXPECT_EQ(runtime.delays(), c.outcome == BattleOutcome::Running ? volley : away);
}

// "Hold60Tribute10Guns5Opium0Meets3", then "ThenRunsLeaving3" for a run; "M" for minus.
std::string fleetName(const ::testing::TestParamInfo<FleetCase> &info)
{
    const FleetCase &c = info.param;
    const auto n = [](int v) { return (v < 0 ? "M" : "") + std::to_string(std::abs(v)); };
    return "Hold" + n(c.capacity) + "Tribute" + n(c.tribute) + "Guns" + n(c.cannons) + "Opium" +
           n(c.opium) + "Meets" + n(c.ships) + (c.rolls.size() > 1 ? "ThenRuns" : "");
}

using enum BattleOutcome;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Fleets, BattleFleetTest, ::testing::Values(
    FleetCase{60, 10, 5, 0, {0.0f}, 3, "FDR-"},
    FleetCase{60, 10, 0, 0, {0.999f}, 6, "--R-"},
    FleetCase{60, 11, 0, 1, {0.0f}, 6, "--RU"},
    FleetCase{60, 11, 2, 5, {0.999f}, 12, "FDRU"},
    FleetCase{1000, 0, 1, 0, {0.0f}, 3, "FDR-"},
    FleetCase{490, 0, 1, 0, {0.999f}, 48, "FDR-"},  // 49 before the cap
    FleetCase{10000, 11, 1, 0, {0.5f}, 48, "FDR-"}, // doubled, then capped
    FleetCase{-100, 0, 1, 0, {0.5f}, 1, "FDR-"},    // never no fleet at all
    FleetCase{60, 0, 0, 0, {0.0f, 0.0f}, 3, "--R-", GotAway, 3},
    FleetCase{0, 0, 0, 0, {0.999f, NoLuck}, 1, "--R-", GotAway, 1}, // alone
    FleetCase{60, 10, 0, 0, {0.0f, NoLuck, 0.0f}, 3, "--R-", DrivenOff, 3},
    // 6 of the pirate lord's met, 3 left behind, 3 firing
    FleetCase{60, 11, 0, 0, {0.0f, NoLuck, 0.0f, 0.9f, Miss, Miss, Miss, Miss}, 6, "--R-", Running, 3}),
    fleetName);
// clang-format on

// A turn shoots each gun, then takes the volley, with the long pauses and one between the
// frames of a sinking pirate; fighting to the death, the pauses are short, the frames have none
// and the next turn follows at once. The booty is one roll per ship sunk in every turn.
TEST_F(BattleRulesTest, FightThenFightToDeath_ToVictory)
{
    arm(game, 2);
    open(3);
    queue({Miss, Hit, Hit, Miss, Miss});
    battle.Fight();
    EXPECT_EQ(view.compressed(),
              "orders ---- | report We're firing on 'em, Sardek! | delay 2000 | delay 200 | "
              "delay 200 | frame 2, delay 5 x48 | ship 2 gone | enemy 2 | report Sunk 1 of those "
              "buggers, Sardek! | delay 2000 | report They're firing on us, Sardek! | delay 2000 | "
              "red | delay 10 | black | delay 200 | status 99 | report Sardek, what shall we do? | "
              "orders FDR-");
    view.trace.clear();
    queue({Miss, Hit, Hit, Miss, /* next turn */ Hit, /* booty */ 0.0f});
    battle.FightToTheDeath();
    EXPECT_EQ(
        view.compressed(),
        "orders ---- | report We're firing on 'em, Sardek! | delay 500 | delay 50 | "
        "delay 50 | frame 1 x48 | ship 1 gone | enemy 1 | report Sunk 1 of those buggers, "
        "Sardek! | delay 500 | report They're firing on us, Sardek! | delay 500 | red | "
        "delay 10 | black | delay 50 | status 98 | report Sardek, what shall we do? | "
        "orders FDR- | orders ---- | report We're firing on 'em, Sardek! | delay 500 | "
        "delay 50 | frame 0 x48 | ship 0 gone | enemy 0 | log - You got some booty worth $900");
    EXPECT_EQ(battle.outcome(), BattleOutcome::Victory);
    Testing::expectBoxes(
        runtime, {{"You got some booty worth $900     ", MsgBoxStyle::InformationOk, "Sardek"}});
    EXPECT_EQ(game.Cash, 1900);
    EXPECT_EQ(runtime.rndLeft(), 0u);
}

// A cannon hit takes the gun and its hold space; the fight to the death stops with the last
// gun, and the short pauses stay with the battle, the run's own pauses keep their length.
TEST_F(BattleRulesTest, LosingTheLastGunStopsTheFightToDeath_RunKeepsItsPauses)
{
    arm(game, 1, 5);
    open(3);
    queue({Miss, Miss, Miss, Miss, CannonHit});
    battle.FightToTheDeath();
    EXPECT_EQ(view.compressed(),
              "orders ---- | report We're firing on 'em, Sardek! | delay 500 | delay 50 | "
              "report Sunk 0 of those buggers, Sardek! | delay 500 | report They're firing on "
              "us, Sardek! | delay 500 | report The buggers hit a Cannon, Sardek! | cannons 0 | "
              "log - The buggers hit a Cannon, Sardek | redraw | delay 500 | report Sardek, what "
              "shall we do? | orders --RU");
    EXPECT_EQ(game.HoldUsed, 5);
    view.trace.clear();
    queue({NoLuck, NoLuck, 0.0f, Miss, Miss, Miss});
    battle.Run();
    EXPECT_EQ(view.compressed(),
              "orders ---- | report Aye, we'll run, Sardek! | delay 2500 | report Can't lose 'em, "
              "but we escaped from 1 | ship 2 gone | enemy 2 | delay 2000 | report They're firing "
              "on us, Sardek! | delay 500 | report Sardek, what shall we do? | orders --RU");
    EXPECT_EQ(battle.state().ShipsSunk, 0);
}

// Ships left behind bring no booty: 5 met, 3 left behind, 2 sunk.
TEST_F(BattleRulesTest, BootyCountsSunkShipsOnlyNotThoseLeftBehind)
{
    arm(game, 2);
    open(5);
    queue({NoLuck, NoLuck, 0.9f, Miss, Miss, Miss, Hit, Hit, 0.99999f});
    battle.Run();
    EXPECT_EQ(battle.state().EnemyShips, 2);
    battle.Fight();
    EXPECT_EQ(runtime.messageBoxes().at(0).prompt, "You got some booty worth $2,700     ");
    EXPECT_EQ(game.Cash, 3700);
    EXPECT_EQ(view.trace.last(), "log - You got some booty worth $2,700");
}

// Each of the battle's rolls on values at and just below the edges of its buckets, from the
// rules: what the roll decides there (1 for yes, 0 for no, or the number rolled).
TEST(BattleOdds, EachRollChangesItsOutcomeExactlyAtItsEdges)
{
    using namespace BattleRolls;
    using Testing::belowEdge, Testing::edgeRoll;
    const auto fleet = [](Currency capacity, bool lord) {
        return [=](float r) { return FleetSize(r, capacity, lord); };
    };
    const auto run = [](Currency used) {
        return [=](float r) { return int(RunGetsAway(r, used, 60, 2)); };
    };
    const auto leftOf5 = [](float r) { return ShipsLeftBehind(r, 5); };
    const auto booty = [](float r) { return int(BootyPerShip(r).raw() / Currency::Scale); };
    // clang-format off
    const struct {
        const char *roll;
        std::function<int(float)> decides;
        long long k, n; // the edge: Rnd * n reaches k
        int below, at;
    } edges[] = {
        {"player's shot hits from 7 of 10", PlayerShotHits, 6, 10, 0, 1},
        {"pirate's shot hits from 4 of 10", PirateShotHits, 3, 10, 0, 1},
        {"cannon lost on 2 of 25, from", CannonLost, 1, 25, 0, 1},
        {"cannon lost on 2 of 25, to", CannonLost, 2, 25, 1, 0},
        {"pirate lord's fleet on 1 of 8", LordsFleetNear, 1, 8, 1, 0},
        {"run from an empty hold: 1 of 4", run(0), 1, 4, 1, 0},
        {"run from a half-full hold: 1 of 6", run(30), 1, 6, 1, 0},
        {"run from a full hold: 1 of 8", run(60), 1, 8, 1, 0},
        {"fleet of a 60 hold, first", fleet(60, false), 1, 4, 3, 4},
        {"fleet of a 60 hold, last", fleet(60, false), 3, 4, 5, 6},
        {"pirate lord's fleet of a 60 hold", fleet(60, true), 3, 4, 10, 12},
        {"fleet of a 110 hold, last", fleet(110, false), 8, 9, 10, 11},
        {"ships left behind of 5, first", leftOf5, 2, 5, 1, 2}, // Rnd * 5 / 2 reaches 1
        {"ships left behind of 5, last", leftOf5, 4, 5, 2, 3},
        {"booty per ship, first", booty, 1, 1051, 300, 301},
        {"booty per ship, last", booty, 1050, 1051, 1349, 1350}};
    // clang-format on
    for (const auto &e : edges) {
        EXPECT_EQ(e.decides(belowEdge(e.k, e.n)), e.below) << e.roll;
        EXPECT_EQ(e.decides(edgeRoll(e.k, e.n)), e.at) << e.roll;
    }
}

// 20,000 rolls of the program's generator put each share within five standard errors of its
// chance: the generator's numbers spread evenly over the buckets the edges above pin.
TEST(BattleOdds, SharesMatchTheChances)
{
    const std::pair<std::function<bool(float)>, double> odds[] = {
        {BattleRolls::PlayerShotHits, 0.4},
        {BattleRolls::PirateShotHits, 0.7},
        {BattleRolls::CannonLost, 1.0 / 25},
        {BattleRolls::LordsFleetNear, 1.0 / 8},
        {[](float r) { return BattleRolls::RunGetsAway(r, 0, 60, 3); }, 1.0 / 4},
        {[](float r) { return BattleRolls::RunGetsAway(r, 60, 60, 3); }, 1.0 / 8}};
    constexpr int Rolls = 20000;
    HeadlessRuntime runtime(20261207);
    for (std::size_t i = 0; i < std::size(odds); ++i) {
        const auto &[happens, chance] = odds[i];
        int count = 0;
        for (int n = 0; n < Rolls; ++n)
            count += happens(runtime.Rnd()) ? 1 : 0;
        EXPECT_NEAR(double(count) / Rolls, chance, 5 * std::sqrt(chance * (1 - chance) / Rolls))
            << "case " << i;
    }
}

// Every strategy ends every battle, keeping the hold's sum and the fleet's bounds.
TEST(HeadlessBattleTest, EveryStrategyEndsItsBattles)
{
    HeadlessRuntime runtime(7);
    for (const auto &strategy : {BattleStrategies::Fight(), BattleStrategies::FightToDeath(),
                                 BattleStrategies::Run(), BattleStrategies::DumpAndRun()}) {
        for (int i = 0; i < 500; ++i) {
            GameState game = atSea();
            game.HoldCapacity = 60 + 50 * (i % 10);
            game.TributeCounter = i % 14;
            arm(game, i % 6, i % 7);
            HeadlessBattle encounter(game, runtime, strategy);
            encounter.MeetPirates(nullptr);
            ASSERT_NE(encounter.lastOutcome(), BattleOutcome::Running);
            ASSERT_EQ(game.HoldUsed, game.ShipOpium + 10 * game.Cannons);
            ASSERT_EQ(game.GameOver, encounter.lastOutcome() == BattleOutcome::Sunk);
        }
    }
    EXPECT_FALSE(runtime.programEnded());
}

// Notes how deep the stack is at the start of each turn of a fight to the death.
class StackDepthView : public SilentBattleView
{
  public:
    void showReport(const QString &text) override
    {
        if (!text.startsWith(QStringLiteral("We're firing")))
            return;
        const char here = 0;
        const auto address = reinterpret_cast<std::uintptr_t>(&here);
        deepest = turns++ ? std::min(deepest, address) : address;
        shallowest = std::max(shallowest, address);
    }
    int turns = 0;
    std::uintptr_t deepest = 0, shallowest = 0;
};

TEST(HeadlessBattleTest, FightToDeathAgainst48RunsInASmallStack)
{
    GameState game = atSea();
    game.HoldCapacity = 100000; // 48 pirates unless the roll is below 1 in 2,000
    game.ShipStatus = 1000000;
    arm(game, 3);
    HeadlessRuntime runtime(48);
    StackDepthView view;
    BattleOutcome outcome = BattleOutcome::Running;
    std::unique_ptr<QThread> fight(QThread::create(
        [&] { outcome = PlayBattle(game, runtime, view, BattleStrategies::FightToDeath()); }));
    fight->setStackSize(256 * 1024);
    fight->start();
    ASSERT_TRUE(fight->wait(60000));
    EXPECT_NE(outcome, BattleOutcome::Running);
    EXPECT_GT(view.turns, 10);
    // Every turn starts at the same depth: nothing piles up from one turn to the next.
    EXPECT_LT(view.shallowest - view.deepest, 512u);
}

} // namespace

} // namespace Sardek
