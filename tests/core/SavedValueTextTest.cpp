#include "core/SavedValueText.h"
#include "runtime/Formats.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Sardek;

TEST(SavedNumber, WritesSignWholePartAndOnlySignificantDecimals_AndReadsBack)
{
    const std::pair<Currency::Raw, const char *> cases[] = {{0, "0"},
                                                            {-46000000, "-4600"},
                                                            {125000, "12.5"},
                                                            {-1, "-0.0001"},
                                                            {10001, "1.0001"},
                                                            {INT64_MAX, "922337203685477.5807"},
                                                            {INT64_MIN, "-922337203685477.5808"}};
    for (const auto &[raw, text] : cases) {
        EXPECT_EQ(PlainNumber(Currency::fromRaw(raw)), text);
        Currency read;
        EXPECT_EQ(readSavedNumber(QString::fromLatin1(text), read), NumberReading::Ok);
        EXPECT_EQ(read.raw(), raw) << text;
    }
}

// Beyond four decimals a number reads as the nearest ten-thousandth, halves to even.
TEST(SavedNumber, AcceptsLooseFormsAndRefusesTheRest)
{
    constexpr auto Ok = NumberReading::Ok;
    constexpr auto Bad = NumberReading::NotANumber;
    constexpr auto Big = NumberReading::OutOfRange;
    const std::tuple<const char *, NumberReading, Currency::Raw> cases[] = {
        {"+5", Ok, 50000},
        {"-.5", Ok, -5000},
        {"7.", Ok, 70000},
        {"1.00005", Ok, 10000},
        {"1.00015", Ok, 10002},
        {"1.000050001", Ok, 10001},
        {"-922337203685477.58084", Ok, INT64_MIN},
        {"922337203685477.58075", Big, 42},
        {"-922337203685477.5809", Big, 42},
        {"000000000000000000000000000001", Ok, 10000},
        {"", Bad, 42},
        {"-", Bad, 42},
        {".", Bad, 42},
        {"1.2.3", Bad, 42},
        {"1e5", Bad, 42},
        {"1,000", Bad, 42},
        {"--1", Bad, 42},
        {"\u0663", Bad, 42}};
    for (const auto &[text, reading, raw] : cases) {
        Currency read = Currency::fromRaw(42);
        EXPECT_EQ(readSavedNumber(QString::fromUtf8(text), read), reading) << text;
        EXPECT_EQ(read.raw(), raw) << text;
    }
}

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
