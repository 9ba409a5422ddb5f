#include "info/ScoreRank.h"

#include "core/GameState.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace Sardek;

namespace
{

GameState stateOn(int year, int month, int day)
{
    GameState state;
    state.GameDate = GameDate::fromYmd(year, month, day).value();
    return state;
}

} // namespace

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

TEST_P(ScoreOfState, IsNetWorthPerHundredDollarsAndMonthRoundedDown)
{
    const ScoreCase &c = GetParam();
    GameState state = stateOn(c.year, c.month, c.day);
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

TEST(ScoreOfState, UntilTheFirstMonthBoundary_KeepsTheScoreButRanksIt)
{
    for (const GameDate date :
         {GameDate::fromYmd(1860, 1, 15).value(), GameDate::fromYmd(1860, 1, 31).value(),
          GameDate::fromYmd(1859, 12, 31).value(), GameDate::fromYmd(100, 1, 1).value()}) {
        GameState state;
        state.GameDate = date;
        state.Cash = 400;
        state.Debt = 5000;
        state.Score = 8000;
        state.Rank = QStringLiteral("Galley Hand");
        updateNetWorthScoreRank(state);
        EXPECT_EQ(std::tuple(state.NetWorth, state.Score, state.Rank),
                  std::tuple(Currency(-4600), Currency(8000), QStringLiteral("Master Sardek")))
            << date.toString().toStdString();
    }
}

TEST(MonthsTrading, CountsCalendarMonthBoundariesFromJanuary1860)
{
    EXPECT_EQ(monthsTrading(stateOn(1860, 1, 1).GameDate), 0);
    EXPECT_EQ(monthsTrading(stateOn(1860, 1, 31).GameDate), 0);
    EXPECT_EQ(monthsTrading(stateOn(1860, 2, 1).GameDate), 1);
    EXPECT_EQ(monthsTrading(stateOn(1862, 4, 30).GameDate), 27);
    EXPECT_EQ(monthsTrading(stateOn(1859, 12, 31).GameDate), -1);
    EXPECT_EQ(monthsTrading(stateOn(9999, 12, 31).GameDate), 12 * 8139 + 11);
}

TEST(TimeTradingText, UsesTheSingularForOneMonthOnly)
{
    EXPECT_EQ(timeTradingText(0), "0 Months");
    EXPECT_EQ(timeTradingText(1), "1 Month");
}
