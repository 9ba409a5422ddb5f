#include "core/NewGame.h"
#include "core/Purchases.h"
#include "info/ScoreRank.h"

#include "CoreTestSupport.h"
#include "QtPrinters.h"
#include "ScriptedRuntime.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

using namespace Sardek;

namespace
{

// A start from the cluttered record: the scenario, the draws queued, the name typed, and the
// prices (Opium, Silk, Arms, General) and firm name the game must begin with.
struct Start {
    Scenario scenario;
    std::vector<float> draws;
    const char16_t *typed;
    std::array<int, 4> prices;
    const char16_t *firm;
};

// The record Start Game must leave behind from a cluttered one.
GameState expectedStart(const GameState &before, const Start &start)
{
    GameState s = before;
    s.GameInProgress = s.GameSaved = true;
    s.GameOver = s.MillionaireShown = false;
    s.GameDate = GameDate::fromYmd(1860, 1, 15).value();
    s.FirmName = QString::fromUtf16(start.firm);
    s.CurrentPort = QStringLiteral("Hong Kong");
    for (Currency *field : {&s.ShipOpium, &s.ShipSilk, &s.ShipArms, &s.ShipGeneral,
                            &s.WarehouseOpium, &s.WarehouseSilk, &s.WarehouseArms,
                            &s.WarehouseGeneral, &s.Bank, &s.NetWorth, &s.TributeCounter})
        *field = 0;
    s.ShipStatus = 100;
    s.HoldCapacity = 60;
    const auto [opium, silk, arms, general] = start.prices;
    std::tie(s.PriceOpium, s.PriceSilk, s.PriceArms, s.PriceGeneral) =
        std::tuple(Currency(opium), Currency(silk), Currency(arms), Currency(general));
    const bool cash = start.scenario == Scenario::CashAndDebt;
    s.Cash = cash ? 400 : 0;
    s.Debt = cash ? 5000 : 0;
    s.Cannons = cash ? 0 : 5;
    s.HoldUsed = cash ? 0 : 50;
    return s;
}

} // namespace

// Exactly four draws go to Opium, Silk, Arms and General, covering each range; the name is
// trimmed, defaulted and capitalised once; CannonPrice, ShipPrice, Score and Rank come through
// from the cluttered record untouched.
TEST(StartGame, FillsEveryFieldOfEitherScenario_FromFourDrawsAndTheTypedName)
{
    const float top = 0.99999994f; // the largest float below 1
    const auto Cash = Scenario::CashAndDebt, Cannons = Scenario::Cannons;
    const Start starts[] = {
        {Cash, {0.5f, 0.5f, 0.5f, 0.5f}, u"Lee", {15000, 1500, 150, 15}, u"Lee"},
        {Cannons, {0.5f, 0.5f, 0.5f, 0.5f}, u"Lee", {15000, 1500, 150, 15}, u"Lee"},
        {Cannons, {0, 0, 0, 0}, u"", {5000, 500, 50, 5}, u"Sardek"},
        {Cannons, {top, top, top, top}, u"   ", {25000, 2500, 250, 25}, u"Sardek"},
        {Cash, {0, 0, 0, 0}, u"  lee & sons ", {5000, 500, 50, 5}, u"Lee & sons"},
        {Cash, {0, 0.5f, top, 0.25f, 0.75f}, u"mcBRIDE", {5000, 1500, 250, 10}, u"McBRIDE"},
        {Cash, {0, 0, 0, 0}, u"élan  vital", {5000, 500, 50, 5}, u"Élan  vital"},
        {Cash, {0, 0, 0, 0}, u"ßeta", {5000, 500, 50, 5}, u"ßeta"},
        // A letter outside the basic plane, written as a surrogate pair.
        {Cash, {0, 0, 0, 0}, u"\U00010428ee", {5000, 500, 50, 5}, u"\U00010400ee"}};
    for (const Start &start : starts) {
        const GameState before = Testing::clutteredState();
        GameState state = before;
        ScriptedRuntime runtime;
        for (const float draw : start.draws)
            runtime.queueRnd({draw});
        startGame(state, runtime, start.scenario, QString::fromUtf16(start.typed));
        EXPECT_EQ(runtime.rndLeft(), start.draws.size() - 4) << "exactly four draws";
        EXPECT_EQ(state, expectedStart(before, start))
            << QString::fromUtf16(start.typed).toStdString();
    }
}

// A purchase on a ship of 60 at 40 %: the refusal, or the record after it.
struct PurchaseCase {
    PurchaseOutcome (*purchase)(GameState &);
    int cash, holdUsed, price;
    const char *outcome; // the refusal or the log entry
    int cashAfter = 0, holdUsedAfter = 0, capacityAfter = 0, cannonsAfter = 0, statusAfter = 0;
};

TEST(Purchase, ChecksInOrderThenBuysLeavingGameSavedAsItWas)
{
    // clang-format off
    const PurchaseCase cases[] = {
        {purchaseCannon, 1200, 50, 1200, " - Bought a New Cannon for $1,200", 0, 60, 60, 1, 40},
        {purchaseCannon, 1200, 51, 1200, "Insufficient Hold     "},
        {purchaseCannon, 10, 51, 1200, "Insufficient Hold     "},
        {purchaseCannon, 1199, 0, 1200, "Insufficient Funds     "},
        {purchaseShip, 14500, 30, 14500, " - Bought a New Ship for $14,500", 0, 30, 110, 0, 100},
        {purchaseShip, 8999, 0, 9000, "Insufficient Funds     "},
    };
    // clang-format on
    for (const PurchaseCase &c : cases) {
        GameState state;
        state.Cash = c.cash;
        state.HoldUsed = c.holdUsed;
        state.HoldCapacity = 60;
        state.ShipStatus = 40;
        state.GameSaved = true;
        state.CannonPrice = state.ShipPrice = c.price;
        GameState expected = state;
        const PurchaseOutcome outcome = c.purchase(state);
        EXPECT_EQ(outcome.refusal.value_or(outcome.logEntry), QLatin1String(c.outcome));
        if (!outcome.refusal) {
            expected.Cash = c.cashAfter;
            expected.HoldUsed = c.holdUsedAfter;
            expected.HoldCapacity = c.capacityAfter;
            expected.Cannons = c.cannonsAfter;
            expected.ShipStatus = c.statusAfter;
        }
        EXPECT_EQ(state, expected) << c.outcome;
    }
}

TEST(RankFor, FollowsTheLegendsBoundaries)
{
    // clang-format off
    const std::pair<Currency, const char *> cases[] = {
        {Currency::min(), "Galley Hand"}, {500, "Galley Hand"}, {501, "Compradore"},
        {999, "Compradore"}, {1000, "Sardek"}, {7999, "Sardek"}, {8000, "Master Sardek"},
        {49999, "Master Sardek"}, {50000, "Ma Tsu"}};
    // clang-format on
    for (const auto &[score, rank] : cases)
        EXPECT_EQ(rankFor(score), rank) << score.raw();
}

struct ScoreCase {
    Currency bank, cash, debt;
    int year, month, day;
    Currency netWorth, score;
    const char *rank;
};

class ScoreOfState : public testing::TestWithParam<ScoreCase>
{
};

// The score before the redraw is 123,456: it stays until the first month boundary, and the
// rank always follows the score, never the worth.
TEST_P(ScoreOfState, IsNetWorthPerHundredDollarsAndMonthRoundedDown_KeptUntilFebruary1860)
{
    const ScoreCase &c = GetParam();
    GameState state;
    state.GameDate = GameDate::fromYmd(c.year, c.month, c.day).value();
    state.Bank = c.bank;
    state.Cash = c.cash;
    state.Debt = c.debt;
    state.Score = 123456;
    updateNetWorthScoreRank(state);
    EXPECT_EQ(std::tuple(state.NetWorth, state.Score, state.Rank),
              std::tuple(c.netWorth, c.score, QLatin1String(c.rank)));
}

constexpr Currency Max = Currency::max();
constexpr Currency Min = Currency::min();

INSTANTIATE_TEST_SUITE_P(
    Worths, ScoreOfState,
    testing::Values(
        ScoreCase{0, 400, 5000, 1860, 1, 15, -4600, 123456, "Ma Tsu"},
        ScoreCase{0, 400, 5000, 1859, 12, 31, -4600, 123456, "Ma Tsu"},
        ScoreCase{0, 400, 5000, 1860, 2, 15, -4600, -46, "Galley Hand"},
        ScoreCase{100, 550, 0, 1860, 3, 15, 650, 3, "Galley Hand"},
        ScoreCase{0, 0, 1, 1860, 2, 1, -1, -1, "Galley Hand"},
        ScoreCase{100200, 0, 0, 1860, 3, 1, 100200, 501, "Compradore"},
        ScoreCase{0, 1000000, 0, 1860, 2, 29, 1000000, 10000, "Master Sardek"},
        // A worth just short of a multiple of the divisor, where a double quotient rounds up.
        ScoreCase{Currency::fromRaw(8999999999999999999), 0, 0, 1860, 2, 1,
                  Currency::fromRaw(8999999999999999999), 8999999999999LL, "Ma Tsu"},
        // Partial sums beyond the range cancel out instead of saturating on the way.
        ScoreCase{Max, Max, Max, 1860, 2, 1, Max, 9223372036854LL, "Ma Tsu"},
        ScoreCase{Max, 1, 0, 1860, 2, 1, Max, 9223372036854LL, "Ma Tsu"},
        ScoreCase{Min, 0, Max, 9999, 12, 31, Min, -94425333LL, "Galley Hand"},
        ScoreCase{0, 0, Min, 1860, 2, 1, Max, 9223372036854LL, "Ma Tsu"}));

TEST(MonthsTrading, CountsCalendarMonthBoundariesFromJanuary1860_SingularForOne)
{
    const std::pair<GameDate, int> cases[] = {{GameDate::fromYmd(1860, 1, 1).value(), 0},
                                              {GameDate::fromYmd(1860, 1, 31).value(), 0},
                                              {GameDate::fromYmd(1860, 2, 1).value(), 1},
                                              {GameDate::fromYmd(1862, 4, 30).value(), 27},
                                              {GameDate::fromYmd(1859, 12, 31).value(), -1},
                                              {GameDate::fromYmd(9999, 12, 31).value(), 97679}};
    for (const auto &[date, months] : cases)
        EXPECT_EQ(monthsTrading(date), months) << date.toString().toStdString();
    EXPECT_EQ(timeTradingText(0), "0 Months");
    EXPECT_EQ(timeTradingText(1), "1 Month");
}
