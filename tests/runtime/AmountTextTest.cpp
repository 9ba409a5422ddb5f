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

struct MakeNumberCase {
    const char16_t *text;
    long long expected;
};

void PrintTo(const MakeNumberCase &c, std::ostream *out)
{
    *out << '"' << QString::fromUtf16(c.text).toStdString() << '"';
}

class MakeNumberExamples : public testing::TestWithParam<MakeNumberCase>
{
};

TEST_P(MakeNumberExamples, ReadsTheDigitsOnly)
{
    EXPECT_EQ(MakeNumber(QString::fromUtf16(GetParam().text)), Currency(GetParam().expected))
        << QString::fromUtf16(GetParam().text).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MakeNumberExamples,
    testing::Values(MakeNumberCase{u"1,000", 1000}, MakeNumberCase{u"$5,000", 5000},
                    MakeNumberCase{u"-25", 25}, MakeNumberCase{u"2.5", 25}, MakeNumberCase{u"", 0},
                    MakeNumberCase{u"Opium", 0}, MakeNumberCase{u"007", 7},
                    MakeNumberCase{u" 1 2\t3 ", 123},
                    // Digits of other scripts are not the ten digits the boxes take.
                    MakeNumberCase{u"\u0661\u0662", 0}, MakeNumberCase{u"\uff155", 5},
                    MakeNumberCase{u"922337203685477", Currency::MaxWhole},
                    MakeNumberCase{u"000000000000000000000000000042", 42}));

TEST(MakeNumber, SixteenDigitsOrMore_StopAtTheLargestWholeNumber)
{
    EXPECT_EQ(MakeNumber(u"922337203685478"), Currency(Currency::MaxWhole));
    EXPECT_EQ(MakeNumber(u"9999999999999999"), Currency(Currency::MaxWhole));
    EXPECT_EQ(MakeNumber(QString(30, QLatin1Char('9'))), Currency(Currency::MaxWhole));
    EXPECT_EQ(MakeNumber(QString(100000, QLatin1Char('7'))), Currency(Currency::MaxWhole));
}

namespace
{

std::vector<Currency> entries(std::initializer_list<long long> values)
{
    return {values.begin(), values.end()};
}

std::vector<Currency> stepsUpTo(long long step, long long below, long long last)
{
    std::vector<Currency> list;
    for (long long value = 0; value < below; value += step)
        list.emplace_back(value);
    list.emplace_back(last);
    return list;
}

} // namespace

TEST(FillAmountList, SmallMaxima_ListEveryWholeNumber)
{
    EXPECT_EQ(FillAmountList(0), entries({0}));
    EXPECT_EQ(FillAmountList(1), entries({0, 1}));
    EXPECT_EQ(FillAmountList(2), entries({0, 1, 2}));
    EXPECT_EQ(FillAmountList(19), stepsUpTo(1, 19, 19));
}

TEST(FillAmountList, StepIsThePowerOfTenBelowHalfTheMaximum)
{
    EXPECT_EQ(FillAmountList(20), entries({0, 10, 20}));
    EXPECT_EQ(FillAmountList(50), entries({0, 10, 20, 30, 40, 50}));
    EXPECT_EQ(FillAmountList(199), stepsUpTo(10, 199, 199));
    EXPECT_EQ(FillAmountList(200), entries({0, 100, 200}));
    EXPECT_EQ(FillAmountList(1000), stepsUpTo(100, 1000, 1000));
    EXPECT_EQ(FillAmountList(5000), entries({0, 1000, 2000, 3000, 4000, 5000}));
    EXPECT_EQ(FillAmountList(19999), stepsUpTo(1000, 19999, 19999));
}

TEST(FillAmountList, MaximumOfZeroOrLess_IsTheOnlyEntry)
{
    EXPECT_EQ(FillAmountList(-5), entries({-5}));
    EXPECT_EQ(FillAmountList(Currency::min()), std::vector<Currency>{Currency::min()});
}

TEST(FillAmountList, EveryMaximum_GivesAShortRisingListEndingInIt)
{
    for (long long maximum = 1; maximum <= 30000; ++maximum) {
        const std::vector<Currency> list = FillAmountList(maximum);
        ASSERT_GE(list.size(), 2u) << maximum;
        ASSERT_LE(list.size(), 21u) << maximum;
        ASSERT_EQ(list.front(), Currency(0)) << maximum;
        ASSERT_EQ(list.back(), Currency(maximum)) << maximum;
        ASSERT_EQ(std::adjacent_find(list.begin(), list.end(), std::greater_equal<>()), list.end())
            << maximum << " does not give a strictly rising list";
    }
}

TEST(FillAmountList, LargestCurrency_DoesNotOverflow)
{
    const std::vector<Currency> list = FillAmountList(Currency::max());
    ASSERT_EQ(list.size(), 11u);
    EXPECT_EQ(list[1], Currency(100000000000000));
    EXPECT_EQ(list[9], Currency(900000000000000));
    EXPECT_EQ(list.back(), Currency::max());
}
