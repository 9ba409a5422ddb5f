#include "runtime/Formats.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using Sardek::Currency;
using Sardek::FormatNumber;
using Sardek::NumberFormat;

TEST(FormatNumber, Currency_WritesEachPatternRoundingHalvesAwayFromZero)
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
}

TEST(FormatNumber, DoublesAndIntegers_AreWrittenWithAllTheirDigits)
{
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
