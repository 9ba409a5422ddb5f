#include "Monkey.h"

#include <gtest/gtest.h>

using namespace Sardek::Play;

// A few thousand random inputs at the real windows keep the record sound and end cleanly.
TEST(Monkey, RandomInputAtTheWindowsKeepsTheRecordSound)
{
    MonkeyTally tally;
    const auto problem = runMonkey(1, 3000, tally);
    EXPECT_FALSE(problem) << qPrintable(problem.value_or(QString()));
    EXPECT_EQ(tally.steps, 3000);
}
