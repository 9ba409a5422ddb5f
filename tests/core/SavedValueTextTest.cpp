#include "core/SavedValueText.h"
#include "runtime/Formats.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace Sardek;

struct NumberTextCase {
    Currency::Raw raw;
    const char *text;
};

void PrintTo(const NumberTextCase &c, std::ostream *out)
{
    *out << c.text;
}

class SavedNumberText : public testing::TestWithParam<NumberTextCase>
{
};

TEST_P(SavedNumberText, WritesSignWholePartAndOnlySignificantDecimals_AndReadsBack)
{
    const Currency value = Currency::fromRaw(GetParam().raw);
    EXPECT_EQ(PlainNumber(value), GetParam().text);
    Currency read;
    ASSERT_EQ(readSavedNumber(QString::fromLatin1(GetParam().text), read), NumberReading::Ok);
    EXPECT_EQ(read, value);
}

INSTANTIATE_TEST_SUITE_P(Values, SavedNumberText,
                         testing::Values(NumberTextCase{0, "0"}, NumberTextCase{1000000, "100"},
                                         NumberTextCase{-46000000, "-4600"},
                                         NumberTextCase{125000, "12.5"},
                                         NumberTextCase{-1, "-0.0001"}, NumberTextCase{1000, "0.1"},
                                         NumberTextCase{10001, "1.0001"},
                                         NumberTextCase{-123456789, "-12345.6789"},
                                         NumberTextCase{INT64_MAX, "922337203685477.5807"},
                                         NumberTextCase{INT64_MIN, "-922337203685477.5808"}));

struct NumberReadCase {
    const char *text;
    NumberReading reading;
    Currency::Raw raw; ///< when Ok
};

void PrintTo(const NumberReadCase &c, std::ostream *out)
{
    *out << '"' << c.text << '"';
}

class ReadSavedNumber : public testing::TestWithParam<NumberReadCase>
{
};

TEST_P(ReadSavedNumber, AcceptsLooseFormsAndRefusesTheRest)
{
    Currency read = Currency::fromRaw(42);
    EXPECT_EQ(readSavedNumber(QString::fromUtf8(GetParam().text), read), GetParam().reading);
    EXPECT_EQ(read.raw(), GetParam().reading == NumberReading::Ok ? GetParam().raw : 42);
}

constexpr auto Ok = NumberReading::Ok;
constexpr auto Bad = NumberReading::NotANumber;
constexpr auto Big = NumberReading::OutOfRange;

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadSavedNumber,
    testing::Values(NumberReadCase{"+5", Ok, 50000}, NumberReadCase{".5", Ok, 5000},
                    NumberReadCase{"-.5", Ok, -5000}, NumberReadCase{"7.", Ok, 70000},
                    NumberReadCase{"-0", Ok, 0}, NumberReadCase{"0007", Ok, 70000},
                    // Beyond four decimals: the nearest ten-thousandth, halves to even.
                    NumberReadCase{"1.00005", Ok, 10000}, NumberReadCase{"1.00015", Ok, 10002},
                    NumberReadCase{"1.000050001", Ok, 10001},
                    NumberReadCase{"-922337203685477.58084", Ok, INT64_MIN},
                    NumberReadCase{"922337203685477.58075", Big, 0},
                    NumberReadCase{"-922337203685477.5809", Big, 0},
                    NumberReadCase{"000000000000000000000000000001", Ok, 10000},
                    NumberReadCase{"", Bad, 0}, NumberReadCase{"-", Bad, 0},
                    NumberReadCase{".", Bad, 0}, NumberReadCase{"1.2.3", Bad, 0},
                    NumberReadCase{"1e5", Bad, 0}, NumberReadCase{"1,000", Bad, 0},
                    NumberReadCase{"--1", Bad, 0}, NumberReadCase{"\u0663", Bad, 0}));

TEST(SavedDate, IsWrittenYearMonthDayAndReadLoosely)
{
    EXPECT_EQ(savedDateText(GameDate::fromYmd(1860, 1, 15).value()), "1860-01-15");
    EXPECT_EQ(savedDateText(GameDate::fromYmd(100, 3, 1).value()), "0100-03-01");
    EXPECT_EQ(readSavedDate(u"1861-2-5"), GameDate::fromYmd(1861, 2, 5));
    EXPECT_EQ(readSavedDate(u"9999-12-31"), GameDate::fromYmd(9999, 12, 31));
    for (const char16_t *bad : {u"1861-02-29", u"99-01-01", u"10000-01-01", u"1860-001-01",
                                u"1860-01", u"1860-01-15-1", u"1860/01/15", u"", u"-1860-01-15"})
        EXPECT_FALSE(readSavedDate(bad)) << QString::fromUtf16(bad).toStdString();
}
