#include "Play.h"

#include <gtest/gtest.h>

using namespace Sardek::Play;

// A few hundred whole games at random, every fourth loading edited saved files; a failure
// names the seed and action that replay it. The player also tries what must be refused.
TEST(HeadlessPlayer, WholeGamesKeepEveryPromise)
{
    Tally tally;
    const auto failure = playGames(1, 300, 60, tally);
    EXPECT_FALSE(failure) << qPrintable(failure.value_or(QString()));
    EXPECT_GT(tally.battles, 0);
    EXPECT_GT(tally.editedGames, 30);
    EXPECT_GT(tally.refusals, 300);
}

// A few thousand random inputs at the real windows keep the record sound and end cleanly.
TEST(Monkey, RandomInputAtTheWindowsKeepsTheRecordSound)
{
    MonkeyTally tally;
    const auto problem = runMonkey(1, 5000, tally);
    EXPECT_FALSE(problem) << qPrintable(problem.value_or(QString()));
    EXPECT_GT(tally.games, 0) << "the monkey never started a game";
    EXPECT_GT(tally.trades, 0);
    EXPECT_GT(tally.voyages, 0);
}
