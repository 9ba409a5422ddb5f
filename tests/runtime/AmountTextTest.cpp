#include "runtime/FillAmountList.h"
#include "runtime/MakeNumber.h"

#include <gtest/gtest.h>

#include <QString>

#include <algorithm>
#include <functional>
#include <vector>

using Sardek::Currency;
using Sardek::FillAmountList;
using Sardek::MakeNumber;

TEST(MakeNumber, ReadsTheTenDigitsOnly_StoppingAtTheLargestWholeNumber)
{
    const std::pair<QString, long long> cases[] = {
        {"$5,000", 5000},
        {"-25", 25},
        {"2.5", 25},
        {"", 0},
        {"Opium", 0},
        {"007", 7},
        // Digits of other scripts are not the ten digits the boxes take.
        {QString::fromUtf16(u"\u0661\u0662\uff155"), 5},
        {"000000000000000000000000000042", 42},
        {"922337203685477", Currency::MaxWhole},
        {"922337203685478", Currency::MaxWhole},
        {QString(100000, QLatin1Char('7')), Currency::MaxWhole}};
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(MakeNumber(text), Currency(expected)) << text.left(40).toStdString();
}

// The list is 0, then every multiple of the step below the maximum, then the maximum.
TEST(FillAmountList, StepIsThePowerOfTenNotAboveHalfTheMaximum_KeepingTheListShort)
{
    const std::pair<long long, long long> maximumAndStep[] = {
        {1, 1}, {2, 1}, {19, 1}, {20, 10}, {50, 10}, {199, 10}, {200, 100}, {19999, 1000}};
    for (const auto &[maximum, step] : maximumAndStep) {
        std::vector<Currency> expected;
        for (long long value = 0; value < maximum; value += step)
            expected.emplace_back(value);
        expected.emplace_back(maximum);
        EXPECT_EQ(FillAmountList(maximum), expected) << maximum;
    }
    EXPECT_EQ(FillAmountList(0), std::vector<Currency>{0});
    EXPECT_EQ(FillAmountList(-5), std::vector<Currency>{-5});
    // Whatever the maximum, the list stays short and rises to it.
    for (long long maximum = 1; maximum <= 30000; ++maximum) {
        const std::vector<Currency> list = FillAmountList(maximum);
        ASSERT_LE(list.size(), 21u) << maximum;
        ASSERT_EQ(list.back(), Currency(maximum)) << maximum;
        ASSERT_EQ(std::adjacent_find(list.begin(), list.end(), std::greater_equal<>()), list.end())
            << maximum;
    }
    const std::vector<Currency> largest = FillAmountList(Currency::max());
    ASSERT_EQ(largest.size(), 11u);
    EXPECT_EQ(largest[9], Currency(900000000000000));
}
