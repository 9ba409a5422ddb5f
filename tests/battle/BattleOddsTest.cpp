// The battle's odds with the program's own generator, and whole battles played headless.
#include "BattleTrace.h"

#include "battle/BattleDraws.h"
#include "battle/HeadlessBattle.h"
#include "runtime/HeadlessRuntime.h"

#include <QThread>

#include <cmath>
#include <functional>

namespace Sardek
{

namespace
{

struct OddsCase {
    const char *name;
    std::function<bool(float)> happens;
    double chance;
};

class BattleOddsTest : public ::testing::TestWithParam<OddsCase>
{
};

// 200,000 draws put the share within five standard errors of the chance; a formula off by
// one value of its range misses by far more.
TEST_P(BattleOddsTest, ShareMatchesTheChance)
{
    const OddsCase &c = GetParam();
    constexpr int Draws = 200000;
    HeadlessRuntime runtime(20261207);
    int count = 0;
    for (int i = 0; i < Draws; ++i)
        count += c.happens(runtime.Rnd()) ? 1 : 0;
    const double band = 5 * std::sqrt(c.chance * (1 - c.chance) / Draws);
    EXPECT_NEAR(double(count) / Draws, c.chance, band) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Draws, BattleOddsTest,
    ::testing::Values(OddsCase{"player hits", BattleDraws::PlayerShotHits, 0.4},
                      OddsCase{"pirate hits", BattleDraws::PirateShotHits, 0.7},
                      OddsCase{"cannon lost", BattleDraws::CannonLost, 1.0 / 25},
                      OddsCase{"escape, empty hold",
                               [](float r) { return BattleDraws::RunGetsAway(r, 0, 60, 3); },
                               1.0 / 4},
                      OddsCase{"escape, full hold",
                               [](float r) { return BattleDraws::RunGetsAway(r, 60, 60, 3); },
                               1.0 / 8},
                      OddsCase{"pirate lord near", BattleDraws::LordsFleetNear, 1.0 / 8}),
    [](const auto &info) { return std::to_string(info.index); });

// Every strategy ends every battle, keeping the hold's sum and the fleet's bounds.
TEST(HeadlessBattleTest, EveryStrategyEndsItsBattles)
{
    HeadlessRuntime runtime(7);
    for (const auto &strategy : {BattleStrategies::Fight(), BattleStrategies::FightToDeath(),
                                 BattleStrategies::Run(), BattleStrategies::DumpAndRun()}) {
        for (int i = 0; i < 500; ++i) {
            GameState game = Testing::atSea();
            game.HoldCapacity = 60 + 50 * (i % 10);
            game.TributeCounter = i % 14;
            Testing::arm(game, i % 6, i % 7);
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
    GameState game = Testing::atSea();
    game.HoldCapacity = 100000; // 48 pirates unless the draw is below 1 in 2,000
    game.ShipStatus = 1000000;
    Testing::arm(game, 3);
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
