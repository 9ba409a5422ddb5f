// Amounts as text: reading a box's digits, the list offered, and the numbers the game writes.
#include "runtime/FillAmountList.h"
#include "runtime/Formats.h"
#include "runtime/MakeNumber.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QString>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

using Sardek::Currency;
using Sardek::FillAmountList;
using Sardek::FormatNumber;
using Sardek::MakeNumber;
using Sardek::NumberFormat;

TEST(MakeNumber, ReadsTheTenDigitsOnly_StoppingAtTheLargestWholeNumber)
{
    const std::pair<const char *, int> cases[] = {{"$5,000", 5000}, {"-25", 25},  {"2.5", 25},
                                                  {"", 0},          {"Opium", 0}, {"007", 7}};
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(MakeNumber(QString::fromLatin1(text)), Currency(expected)) << text;
    EXPECT_EQ(MakeNumber(u"000000000000000000000000000042"), Currency(42));
    const Currency largest(Currency::MaxWhole);
    EXPECT_EQ(MakeNumber(u"922337203685477"), largest);
    EXPECT_EQ(MakeNumber(u"922337203685478"), largest);
    EXPECT_EQ(MakeNumber(QString(100000, QLatin1Char('7'))), largest);
    // Digits of other scripts (Arabic-Indic, fullwidth) are not the ten digits the boxes take.
    EXPECT_EQ(MakeNumber(QString::fromUtf16(u"\u0661\u0662\uff155")), Currency(5));
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

TEST(FormatNumber, WritesEachPatternWithAllTheDigits_RoundingHalvesAwayFromZero)
{
    struct Case {
        Currency value;
        const char *dollars, *grouped, *plain;
    };
    const Case cases[] = {
        {0, "$0", "0", "0"},
        {999, "$999", "999", "999"},
        {-4600, "-$4,600", "-4,600", "-4600"},
        {1000000000000, "$1,000,000,000,000", "1,000,000,000,000", "1000000000000"},
        {Currency::fromRaw(25000), "$3", "3", "3"},
        {Currency::fromRaw(24999), "$2", "2", "2"},
        {Currency::fromRaw(-25000), "-$3", "-3", "-3"},
        {Currency::fromRaw(-4000), "$0", "0", "0"},
        {Currency::fromRaw(9999995000), "$1,000,000", "1,000,000", "1000000"},
        {Currency::max(), "$922,337,203,685,478", "922,337,203,685,478", "922337203685478"},
        {Currency::min(), "-$922,337,203,685,478", "-922,337,203,685,478", "-922337203685478"}};
    for (const Case &c : cases) {
        EXPECT_EQ(FormatNumber(c.value, NumberFormat::Dollars), c.dollars);
        EXPECT_EQ(FormatNumber(c.value, NumberFormat::Grouped), c.grouped);
        EXPECT_EQ(FormatNumber(c.value, NumberFormat::Plain), c.plain);
    }
    // Doubles and integers are written with all their digits.
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatNumber(-2.5, NumberFormat::Plain), "-3");
    EXPECT_EQ(FormatNumber(0.4999, NumberFormat::Plain), "0");
    EXPECT_EQ(FormatNumber(-0.4, NumberFormat::Dollars), "$0");
    EXPECT_EQ(FormatNumber(1234567.49, NumberFormat::Grouped), "1,234,567");
    EXPECT_EQ(FormatNumber(-1e20, NumberFormat::Dollars), "-$100,000,000,000,000,000,000");
    EXPECT_EQ(FormatNumber(std::nan(""), NumberFormat::Dollars), "NaN");
    EXPECT_EQ(FormatNumber(-inf, NumberFormat::Grouped), "-Infinity");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::max(), NumberFormat::Plain).size(), 309);
    EXPECT_EQ(FormatNumber(std::numeric_limits<std::int64_t>::min(), NumberFormat::Grouped),
              "-9,223,372,036,854,775,808");
    EXPECT_EQ(FormatNumber(std::numeric_limits<std::uint64_t>::max(), NumberFormat::Dollars),
              "$18,446,744,073,709,551,615");
    EXPECT_EQ(FormatNumber(9007199254740993LL, NumberFormat::Plain), "9007199254740993");
}
