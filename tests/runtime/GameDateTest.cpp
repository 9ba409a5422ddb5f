#include "runtime/GameDate.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <climits>

using Sardek::GameDate;

namespace
{

GameDate ymd(int year, int month, int day)
{
    const auto date = GameDate::fromYmd(year, month, day);
    EXPECT_TRUE(date) << year << "-" << month << "-" << day;
    return date.value_or(GameDate());
}

} // namespace

TEST(GameDate, DayNumbers_CountFromThirtiethDecember1899)
{
    EXPECT_EQ(GameDate().toString(), "Dec 30, 1899");
    EXPECT_EQ(ymd(1899, 12, 31).days(), 1);
    EXPECT_EQ(ymd(1860, 1, 15).days(), -14594);
    const GameDate start = GameDate::fromDays(-14594).value();
    EXPECT_EQ(start.year(), 1860);
    EXPECT_EQ(start.month(), 1);
    EXPECT_EQ(start.day(), 15);
}

TEST(GameDate, ImpossibleDates_AreRefused)
{
    EXPECT_TRUE(GameDate::fromYmd(1860, 2, 29));
    EXPECT_TRUE(GameDate::fromYmd(2000, 2, 29));
    EXPECT_FALSE(GameDate::fromYmd(1861, 2, 29));
    EXPECT_FALSE(GameDate::fromYmd(1900, 2, 29));
    EXPECT_FALSE(GameDate::fromYmd(1860, 13, 1));
    EXPECT_FALSE(GameDate::fromYmd(1860, 4, 31));
    EXPECT_FALSE(GameDate::fromYmd(99, 12, 31));
    EXPECT_FALSE(GameDate::fromYmd(10000, 1, 1));
    EXPECT_FALSE(GameDate::fromDays(GameDate::MaxDay + 1));
    EXPECT_FALSE(GameDate::fromDays(std::int64_t(GameDate::MinDay) - 1));
    EXPECT_EQ(GameDate::fromDays(GameDate::MaxDay)->toString(), "Dec 31, 9999");
    EXPECT_EQ(GameDate::fromDays(GameDate::MinDay)->toString(), "Jan 01, 0100");
}

struct AddMonthsCase {
    int year, month, day, months;
    const char *expected;
};

void PrintTo(const AddMonthsCase &c, std::ostream *out)
{
    *out << c.year << "-" << c.month << "-" << c.day << " + " << c.months;
}

class GameDateAddMonths : public testing::TestWithParam<AddMonthsCase>
{
};

TEST_P(GameDateAddMonths, KeepsTheDayOrFallsBackToTheMonthsLastDay)
{
    const AddMonthsCase &c = GetParam();
    EXPECT_EQ(ymd(c.year, c.month, c.day).addMonths(c.months).toString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Dates, GameDateAddMonths,
                         testing::Values(AddMonthsCase{1860, 1, 15, 1, "Feb 15, 1860"},
                                         AddMonthsCase{1860, 12, 15, 1, "Jan 15, 1861"},
                                         AddMonthsCase{1861, 1, 31, 1, "Feb 28, 1861"},
                                         AddMonthsCase{1860, 1, 31, 1, "Feb 29, 1860"},
                                         AddMonthsCase{1900, 1, 31, 1, "Feb 28, 1900"},
                                         AddMonthsCase{1860, 1, 31, 3, "Apr 30, 1860"},
                                         AddMonthsCase{1860, 3, 31, -1, "Feb 29, 1860"},
                                         AddMonthsCase{1860, 2, 29, 12, "Feb 28, 1861"},
                                         AddMonthsCase{1860, 5, 31, 12, "May 31, 1861"},
                                         AddMonthsCase{1860, 1, 15, 0, "Jan 15, 1860"},
                                         AddMonthsCase{1860, 1, 15, -13, "Dec 15, 1858"}));

TEST(GameDate, MonthByMonth_TheShortenedDayStays)
{
    // Each voyage moves one month from where the last one ended, so a day lost stays lost.
    EXPECT_EQ(ymd(1861, 1, 31).addMonths(1).addMonths(1).toString(), "Mar 28, 1861");
}

TEST(GameDate, AddMonthsPastTheRange_StopsAtItsEnd)
{
    EXPECT_EQ(ymd(9999, 12, 15).addMonths(1).days(), GameDate::MaxDay);
    EXPECT_EQ(ymd(1860, 1, 15).addMonths(INT_MAX).days(), GameDate::MaxDay);
    EXPECT_EQ(ymd(1860, 1, 15).addMonths(INT_MIN).days(), GameDate::MinDay);
}

struct MonthsBetweenCase {
    int fromYear, fromMonth, fromDay, toYear, toMonth, toDay;
    int expected;
};

void PrintTo(const MonthsBetweenCase &c, std::ostream *out)
{
    *out << c.fromYear << "-" << c.fromMonth << "-" << c.fromDay << " to " << c.toYear << "-"
         << c.toMonth << "-" << c.toDay;
}

class GameDateMonthsBetween : public testing::TestWithParam<MonthsBetweenCase>
{
};

TEST_P(GameDateMonthsBetween, CountsMonthBoundariesWhateverTheDays)
{
    const MonthsBetweenCase &c = GetParam();
    EXPECT_EQ(GameDate::monthsBetween(ymd(c.fromYear, c.fromMonth, c.fromDay),
                                      ymd(c.toYear, c.toMonth, c.toDay)),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(Dates, GameDateMonthsBetween,
                         testing::Values(MonthsBetweenCase{1860, 1, 15, 1860, 1, 31, 0},
                                         MonthsBetweenCase{1860, 1, 31, 1860, 2, 1, 1},
                                         MonthsBetweenCase{1860, 1, 15, 1860, 2, 15, 1},
                                         MonthsBetweenCase{1860, 1, 15, 1861, 1, 14, 12},
                                         MonthsBetweenCase{1859, 12, 31, 1860, 1, 1, 1},
                                         MonthsBetweenCase{1860, 3, 1, 1860, 1, 31, -2},
                                         MonthsBetweenCase{1860, 1, 15, 1885, 6, 15, 305}));

TEST(GameDate, ToString_WritesMonthNameTwoDigitDayAndFourDigitYear)
{
    EXPECT_EQ(ymd(1860, 1, 15).toString(), "Jan 15, 1860");
    EXPECT_EQ(ymd(1861, 3, 5).toString(), "Mar 05, 1861");
    EXPECT_EQ(ymd(1999, 12, 31).toString(), "Dec 31, 1999");
    const char *names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int month = 1; month <= 12; ++month)
        EXPECT_TRUE(ymd(1870, month, 1).toString().startsWith(QLatin1String(names[month - 1])));
}
