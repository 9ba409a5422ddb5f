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

TEST(GameDate, DayNumbersAndRange_AreThoseOfTheDesktopsDates)
{
    EXPECT_EQ(GameDate().toString(), "Dec 30, 1899");
    EXPECT_EQ(ymd(1860, 1, 15).days(), -14594);
    EXPECT_EQ(ymd(1861, 3, 5).toString(), "Mar 05, 1861");
    EXPECT_TRUE(GameDate::fromYmd(2000, 2, 29));
    const std::tuple<int, int, int> invalid[] = {{1861, 2, 29}, {1900, 2, 29}, {1860, 13, 1},
                                                 {1860, 4, 31}, {99, 12, 31},  {10000, 1, 1}};
    for (const auto &[y, m, d] : invalid)
        EXPECT_FALSE(GameDate::fromYmd(y, m, d)) << y << "-" << m << "-" << d;
    EXPECT_FALSE(GameDate::fromDays(GameDate::MaxDay + 1));
    EXPECT_FALSE(GameDate::fromDays(std::int64_t(GameDate::MinDay) - 1));
    EXPECT_EQ(GameDate::fromDays(GameDate::MaxDay)->toString(), "Dec 31, 9999");
    EXPECT_EQ(GameDate::fromDays(GameDate::MinDay)->toString(), "Jan 01, 0100");
}

// A month later keeps the day, or falls back to the month's last day, which then stays.
TEST(GameDate, AddMonths_KeepsTheDayOrFallsBackToTheMonthsLastDay)
{
    const std::tuple<GameDate, int, const char *> cases[] = {
        {ymd(1860, 12, 15), 1, "Jan 15, 1861"},  {ymd(1861, 1, 31), 1, "Feb 28, 1861"},
        {ymd(1860, 1, 31), 1, "Feb 29, 1860"},   {ymd(1900, 1, 31), 1, "Feb 28, 1900"},
        {ymd(1860, 3, 31), -1, "Feb 29, 1860"},  {ymd(1860, 2, 29), 12, "Feb 28, 1861"},
        {ymd(1860, 1, 15), -13, "Dec 15, 1858"}, {ymd(1861, 2, 28), 1, "Mar 28, 1861"}};
    for (const auto &[date, months, expected] : cases)
        EXPECT_EQ(date.addMonths(months).toString(), expected);
    EXPECT_EQ(ymd(9999, 12, 15).addMonths(1).days(), GameDate::MaxDay);
    EXPECT_EQ(ymd(1860, 1, 15).addMonths(INT_MAX).days(), GameDate::MaxDay);
    EXPECT_EQ(ymd(1860, 1, 15).addMonths(INT_MIN).days(), GameDate::MinDay);
}

TEST(GameDate, MonthsBetween_CountsMonthBoundariesWhateverTheDays)
{
    const std::tuple<GameDate, GameDate, int> cases[] = {
        {ymd(1860, 1, 15), ymd(1860, 1, 31), 0},  {ymd(1860, 1, 31), ymd(1860, 2, 1), 1},
        {ymd(1860, 1, 15), ymd(1861, 1, 14), 12}, {ymd(1859, 12, 31), ymd(1860, 1, 1), 1},
        {ymd(1860, 3, 1), ymd(1860, 1, 31), -2},  {ymd(1860, 1, 15), ymd(1885, 6, 15), 305}};
    for (const auto &[from, to, expected] : cases)
        EXPECT_EQ(GameDate::monthsBetween(from, to), expected) << from.toString().toStdString();
}
