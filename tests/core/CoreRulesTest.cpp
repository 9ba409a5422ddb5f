#include "core/EndOfGame.h"
#include "core/NewGame.h"
#include "core/Purchases.h"
#include "info/ScoreRank.h"

#include "CoreTestSupport.h"
#include "GameStates.h"
#include "QtPrinters.h"
#include "ScriptedRuntime.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

using namespace Sardek;
using namespace Sardek::Testing;

namespace
{

// A start: the scenario, the rolls, the name typed, and the prices and firm the game begins with.
struct Start {
    Scenario scenario;
    std::vector<float> rolls;
    const char16_t *typed;
    std::array<Currency, 4> prices;
    const char16_t *firm;
};

// The record a start leaves from a cluttered one: a new ship in port, with only the last
// offers, score and rank carried over.
GameState expectedStart(const Start &start)
{
    const GameState before = Testing::clutteredState();
    GameState s = Testing::portState();
    std::tie(s.CannonPrice, s.ShipPrice, s.Score, s.Rank) =
        std::tie(before.CannonPrice, before.ShipPrice, before.Score, before.Rank);
    s.FirmName = QString::fromUtf16(start.firm);
    std::tie(s.PriceOpium, s.PriceSilk, s.PriceArms, s.PriceGeneral) = std::tuple_cat(start.prices);
    std::tie(s.Cash, s.Debt, s.Cannons, s.HoldUsed) = start.scenario == Scenario::CashAndDebt
                                                          ? std::tuple(400, 5000, 0, 0)
                                                          : std::tuple(0, 0, 5, 50);
    return s;
}

} // namespace

// Exactly four rolls go to Opium, Silk, Arms and General, each changing its step exactly at
// the edges of Int(Rnd * 21 + 5); the name is trimmed, defaulted and capitalised once.
TEST(StartGame, FillsEveryFieldOfEitherScenario_FromFourRollsAndTheTypedName)
{
    const float b1 = Testing::belowEdge(1, 21), a1 = Testing::edgeRoll(1, 21);
    const float b19 = Testing::belowEdge(20, 21), a20 = Testing::edgeRoll(20, 21);
    const float top = 0.99999994f; // the largest float below 1
    const auto Cash = Scenario::CashAndDebt, Cannons = Scenario::Cannons;
    const Start starts[] = {
        {Cannons, {b1, a1, b19, a20}, u"", {5000, 600, 240, 25}, u"Sardek"},
        {Cannons, {a20, b19, a1, b1}, u"   ", {25000, 2400, 60, 5}, u"Sardek"},
        {Cash, {0, 0, 0, 0}, u"  lee & sons ", {5000, 500, 50, 5}, u"Lee & sons"},
        {Cash, {0, 0.5f, top, 0.25f, 0.75f}, u"mcBRIDE", {5000, 1500, 250, 10}, u"McBRIDE"},
        {Cash, {0, 0, 0, 0}, u"élan  vital", {5000, 500, 50, 5}, u"Élan  vital"},
        {Cash, {0, 0, 0, 0}, u"ßeta", {5000, 500, 50, 5}, u"ßeta"},
        {Cash, {0, 0, 0, 0}, u"x", {5000, 500, 50, 5}, u"X"}, // one letter: nothing after it
        // A letter outside the basic plane, written as a surrogate pair.
        {Cash, {0, 0, 0, 0}, u"\U00010428ee", {5000, 500, 50, 5}, u"\U00010400ee"}};
    for (const Start &start : starts) {
        GameState state = Testing::clutteredState();
        ScriptedRuntime runtime;
        for (const float roll : start.rolls)
            runtime.queueRnd({roll});
        startGame(state, runtime, start.scenario, QString::fromUtf16(start.typed));
        EXPECT_EQ(runtime.rndLeft(), start.rolls.size() - 4) << "exactly four rolls";
        EXPECT_EQ(state, expectedStart(start)) << QString::fromUtf16(start.typed).toStdString();
    }
}

// A purchase on a ship of 60 at 40 %: the refusal, or the record after it.
struct PurchaseCase {
    Outcome (*purchase)(GameState &);
    int cash, holdUsed, price;
    const char *outcome; // the refusal or the log entry
    Currency cashAfter = 0, holdUsedAfter = 0, capacityAfter = 0, cannonsAfter = 0, statusAfter = 0;
};

TEST(Purchase, ChecksInOrderThenBuysLeavingGameSavedAsItWas)
{
    const PurchaseCase cases[] = {
        {purchaseCannon, 1200, 50, 1200, " - Bought a New Cannon for $1,200", 0, 60, 60, 1, 40},
        {purchaseCannon, 1200, 51, 1200, "Insufficient Hold     "},
        {purchaseCannon, 10, 51, 1200, "Insufficient Hold     "},
        {purchaseCannon, 1199, 0, 1200, "Insufficient Funds     "},
        {purchaseShip, 14500, 30, 14500, " - Bought a New Ship for $14,500", 0, 30, 110, 0, 100},
        {purchaseShip, 8999, 0, 9000, "Insufficient Funds     "},
    };
    for (const PurchaseCase &c : cases) {
        GameState state = Testing::portState(); // a ship of 60, saved
        state.Cash = c.cash;
        state.HoldUsed = c.holdUsed;
        state.ShipStatus = 40;
        state.CannonPrice = state.ShipPrice = c.price;
        GameState expected = state;
        const Outcome outcome = c.purchase(state);
        EXPECT_EQ(outcome.refusal.value_or(outcome.logEntries.join(u'|')),
                  QLatin1String(c.outcome));
        EXPECT_EQ(outcome.logEntries.isEmpty(), outcome.refusal.has_value()) << c.outcome;
        if (!outcome.refusal)
            std::tie(expected.Cash, expected.HoldUsed, expected.HoldCapacity, expected.Cannons,
                     expected.ShipStatus) = std::tie(c.cashAfter, c.holdUsedAfter, c.capacityAfter,
                                                     c.cannonsAfter, c.statusAfter);
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

// The score before the redraw is 123,456: it stays until the first month boundary, and the
// rank always follows the score, never the worth.
TEST(ScoreOfState, IsNetWorthPerHundredDollarsAndMonthRoundedDown_KeptUntilFebruary1860)
{
    constexpr Currency Max = Currency::max(), Min = Currency::min();
    const struct {
        Currency bank, cash, debt;
        int year, month, day;
        Currency netWorth, score;
        const char *rank;
    } cases[] = {
        {0, 400, 5000, 1860, 1, 15, -4600, 123456, "Ma Tsu"},
        {0, 400, 5000, 1859, 12, 31, -4600, 123456, "Ma Tsu"},
        {0, 400, 5000, 1860, 2, 15, -4600, -46, "Galley Hand"},
        {100, 550, 0, 1860, 3, 15, 650, 3, "Galley Hand"},
        {0, 0, 1, 1860, 2, 1, -1, -1, "Galley Hand"},
        {100200, 0, 0, 1860, 3, 1, 100200, 501, "Compradore"},
        {0, 1000000, 0, 1860, 2, 29, 1000000, 10000, "Master Sardek"},
        // A worth just short of a multiple of the divisor, where a double quotient rounds up.
        {Currency::fromRaw(8999999999999999999), 0, 0, 1860, 2, 1,
         Currency::fromRaw(8999999999999999999), 8999999999999LL, "Ma Tsu"},
        // Partial sums beyond the range cancel out instead of saturating on the way.
        {Max, Max, Max, 1860, 2, 1, Max, 9223372036854LL, "Ma Tsu"},
        {Max, 1, 0, 1860, 2, 1, Max, 9223372036854LL, "Ma Tsu"},
        {Min, 0, Max, 9999, 12, 31, Min, -94425333LL, "Galley Hand"},
        {0, 0, Min, 1860, 2, 1, Max, 9223372036854LL, "Ma Tsu"}};
    for (const auto &c : cases) {
        GameState state;
        state.GameDate = GameDate::fromYmd(c.year, c.month, c.day).value();
        std::tie(state.Bank, state.Cash, state.Debt) = std::tie(c.bank, c.cash, c.debt);
        state.Score = 123456;
        updateNetWorthScoreRank(state);
        EXPECT_EQ(std::tuple(state.NetWorth, state.Score, state.Rank),
                  std::tuple(c.netWorth, c.score, QLatin1String(c.rank)))
            << c.bank.raw() << " " << c.cash.raw() << " " << c.debt.raw();
    }
}

// Worth and debt at each side of a million and a trillion: which windows and questions are due.
TEST(EndOfGameDue, MillionOncePerGameTrillionAlwaysBankruptcyFromATrillionOfDebt)
{
    const auto due = [](qint64 worth, qint64 debt, bool shown) {
        GameState state;
        std::tie(state.NetWorth, state.Debt, state.MillionaireShown) =
            std::tuple(Currency(worth), Currency(debt), shown);
        const EndOfGameDue d = endOfGameDue(state);
        return std::tuple(d.millionaire, d.trillionaire, d.bankrupt);
    };
    constexpr qint64 T = 1'000'000'000'000;
    EXPECT_EQ(due(999'999, 0, false), std::tuple(false, false, false));
    EXPECT_EQ(due(1'000'000, 0, false), std::tuple(true, false, false));
    EXPECT_EQ(due(1'000'000, 0, true), std::tuple(false, false, false));
    EXPECT_EQ(due(T - 1, 0, false), std::tuple(true, false, false));
    EXPECT_EQ(due(T, 0, false), std::tuple(false, true, false));
    EXPECT_EQ(due(T, 0, true), std::tuple(false, true, false));
    EXPECT_EQ(due(0, T - 1, false), std::tuple(false, false, false));
    EXPECT_EQ(due(-T, T, false), std::tuple(false, false, true));
}

TEST(MonthsTrading, CountsCalendarMonthBoundariesFromJanuary1860_SingularForOne)
{
    const std::tuple<int, int, int, int> cases[] = {{1860, 1, 1, 0},    {1860, 1, 31, 0},
                                                    {1860, 2, 1, 1},    {1862, 4, 30, 27},
                                                    {1859, 12, 31, -1}, {9999, 12, 31, 97679}};
    for (const auto &[year, month, day, months] : cases)
        EXPECT_EQ(monthsTrading(GameDate::fromYmd(year, month, day).value()), months) << year;
    EXPECT_EQ(timeTradingText(0), "0 Months");
    EXPECT_EQ(timeTradingText(1), "1 Month");
}
