#include "runtime/Formats.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using Sardek::Currency;
using Sardek::FormatNumber;
using Sardek::NumberFormat;

namespace
{

struct CurrencyFormatCase {
    Currency value;
    const char *dollars;
    const char *grouped;
    const char *plain;
};

void PrintTo(const CurrencyFormatCase &c, std::ostream *out)
{
    *out << "raw " << c.value.raw();
}

} // namespace

class CurrencyFormat : public testing::TestWithParam<CurrencyFormatCase>
{
};

TEST_P(CurrencyFormat, WritesEachPattern)
{
    const CurrencyFormatCase &c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, NumberFormat::Dollars), c.dollars);
    EXPECT_EQ(FormatNumber(c.value, NumberFormat::Grouped), c.grouped);
    EXPECT_EQ(FormatNumber(c.value, NumberFormat::Plain), c.plain);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CurrencyFormat,
    testing::Values(CurrencyFormatCase{0, "$0", "0", "0"}, CurrencyFormatCase{7, "$7", "7", "7"},
                    CurrencyFormatCase{999, "$999", "999", "999"},
                    CurrencyFormatCase{1000, "$1,000", "1,000", "1000"},
                    CurrencyFormatCase{-4600, "-$4,600", "-4,600", "-4600"},
                    CurrencyFormatCase{123456, "$123,456", "123,456", "123456"},
                    CurrencyFormatCase{1000000000000, "$1,000,000,000,000", "1,000,000,000,000",
                                       "1000000000000"},
                    // Rounding to whole numbers, halves away from zero.
                    CurrencyFormatCase{Currency::fromRaw(25000), "$3", "3", "3"},
                    CurrencyFormatCase{Currency::fromRaw(24999), "$2", "2", "2"},
                    CurrencyFormatCase{Currency::fromRaw(-25000), "-$3", "-3", "-3"},
                    CurrencyFormatCase{Currency::fromRaw(-4000), "$0", "0", "0"},
                    CurrencyFormatCase{Currency::fromRaw(9999995000), "$1,000,000", "1,000,000",
                                       "1000000"},
                    // The ends of the range.
                    CurrencyFormatCase{Currency::max(), "$922,337,203,685,478",
                                       "922,337,203,685,478", "922337203685478"},
                    CurrencyFormatCase{Currency::min(), "-$922,337,203,685,478",
                                       "-922,337,203,685,478", "-922337203685478"}));

struct DoubleFormatCase {
    double value;
    NumberFormat format;
    const char *expected;
};

void PrintTo(const DoubleFormatCase &c, std::ostream *out)
{
    *out << c.value << " as pattern " << static_cast<int>(c.format);
}

class DoubleFormat : public testing::TestWithParam<DoubleFormatCase>
{
};

TEST_P(DoubleFormat, RoundsAndWrites)
{
    EXPECT_EQ(FormatNumber(GetParam().value, GetParam().format), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DoubleFormat,
    testing::Values(DoubleFormatCase{2.5, NumberFormat::Plain, "3"},
                    DoubleFormatCase{-2.5, NumberFormat::Plain, "-3"},
                    DoubleFormatCase{0.4999, NumberFormat::Plain, "0"},
                    DoubleFormatCase{-0.4, NumberFormat::Dollars, "$0"},
                    DoubleFormatCase{-4600.0, NumberFormat::Dollars, "-$4,600"},
                    DoubleFormatCase{1234567.49, NumberFormat::Grouped, "1,234,567"},
                    DoubleFormatCase{1e20, NumberFormat::Grouped, "100,000,000,000,000,000,000"},
                    DoubleFormatCase{-1e20, NumberFormat::Dollars, "-$100,000,000,000,000,000,000"},
                    DoubleFormatCase{std::nan(""), NumberFormat::Dollars, "NaN"},
                    DoubleFormatCase{-std::numeric_limits<double>::infinity(),
                                     NumberFormat::Grouped, "-Infinity"}));

TEST(IntegerFormat, WritesEveryIntegerExactly)
{
    EXPECT_EQ(FormatNumber(-4600, NumberFormat::Dollars), "-$4,600");
    EXPECT_EQ(FormatNumber(std::numeric_limits<std::int64_t>::min(), NumberFormat::Grouped),
              "-9,223,372,036,854,775,808");
    EXPECT_EQ(FormatNumber(std::numeric_limits<std::uint64_t>::max(), NumberFormat::Dollars),
              "$18,446,744,073,709,551,615");
    EXPECT_EQ(FormatNumber(9007199254740993LL, NumberFormat::Plain), "9007199254740993");
}

TEST(DoubleFormatLimits, LargestDouble_WritesAllItsDigits)
{
    const QString text = FormatNumber(std::numeric_limits<double>::max(), NumberFormat::Plain);
    EXPECT_EQ(text.size(), 309);
    EXPECT_TRUE(text.startsWith(QLatin1String("17976931348623157")));
}
