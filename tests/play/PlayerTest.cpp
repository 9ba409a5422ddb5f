#include "HeadlessPlayer.h"

#include <gtest/gtest.h>

using namespace Sardek::Play;

// A few hundred whole games at random; a failure names the seed and action that replay it.
TEST(HeadlessPlayer, WholeGamesKeepEveryPromise)
{
    Tally tally;
    const auto failure = playGames(1, 300, 60, tally);
    EXPECT_FALSE(failure) << qPrintable(failure->describe());
    EXPECT_EQ(tally.games, 300);
    EXPECT_GT(tally.battles, 0);
}
