#include "runtime/Currency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using Sardek::Currency;

namespace
{

constexpr Currency Max = Currency::max();
constexpr Currency Min = Currency::min();
constexpr double Inf = std::numeric_limits<double>::infinity();

Currency raw(Currency::Raw tenThousandths)
{
    return Currency::fromRaw(tenThousandths);
}

} // namespace

// Sums and whole products are exact in decimal; a product of fractions rounds halves to even.
TEST(Currency, ArithmeticInRange_IsExactInDecimal)
{
    // Binary doubles miss these; ten-thousandths hit them.
    EXPECT_EQ(Currency::fromDouble(0.1) + Currency::fromDouble(0.2), Currency::fromDouble(0.3));
    EXPECT_EQ(Currency::fromDouble(1.1) - Currency::fromDouble(0.9), Currency::fromDouble(0.2));
    EXPECT_EQ(Currency(123456789) * 7000, Currency(864197523000));
    EXPECT_EQ(-3 * Currency::fromDouble(2.5), Currency::fromDouble(-7.5));
    EXPECT_EQ(Currency(100000000) * Currency(9000000), Currency(900000000000000));
    // 0.0005 * 0.1 and 0.0015 * 0.1 are exact halves of the last place.
    EXPECT_EQ(raw(5) * raw(1000), raw(0));
    EXPECT_EQ(raw(15) * raw(1000), raw(2));
    EXPECT_EQ(raw(-15) * raw(1000), raw(-2));
    EXPECT_EQ(raw(16) * raw(1000), raw(2));
    EXPECT_TRUE(raw(99999) < 10);
    EXPECT_DOUBLE_EQ(raw(-15000).toDouble(), -1.5);
}

// The operators and conversions stop at the end of the range the true result lies beyond; the
// checked operations refuse instead.
TEST(Currency, ResultsBeyondTheRange_SaturateOrAreRefused)
{
    EXPECT_EQ(Currency(std::numeric_limits<std::int64_t>::max()), Max);
    EXPECT_EQ(Currency(std::numeric_limits<std::int64_t>::min()), Min);
    EXPECT_EQ(Currency(std::numeric_limits<std::uint64_t>::max()), Max);
    EXPECT_EQ(Currency(std::uint64_t{7}), Currency(7));
    EXPECT_EQ(Currency(Currency::MaxWhole).raw(), Currency::MaxWhole * Currency::Scale);
    Currency c = Max;
    c += Currency(5);
    EXPECT_EQ(c, Max);
    EXPECT_EQ(Min - raw(1), Min);
    EXPECT_EQ(Max - Min, Max);
    EXPECT_EQ(-Min, Max);
    EXPECT_EQ(Max * -2, Min);
    EXPECT_EQ(Min * -1, Max);
    EXPECT_EQ(Currency(1000000000) * Currency(1000000000), Max);
    EXPECT_EQ(Currency(-1000000000) * Currency(1000000000), Min);

    EXPECT_EQ(Currency::checkedAdd(Max - Currency(1), Currency(1)), Max);
    EXPECT_FALSE(Currency::checkedAdd(Max, raw(1)));
    EXPECT_FALSE(Currency::checkedSub(Min, raw(1)));
    EXPECT_EQ(Currency::checkedSub(Currency(5), Currency(8)), Currency(-3));
    EXPECT_EQ(Currency::checkedMul(Currency(20000), Currency(25000)), Currency(500000000));
    EXPECT_FALSE(Currency::checkedMul(Currency(2), std::numeric_limits<std::int64_t>::max()));
    EXPECT_FALSE(Currency::checkedMul(Min, -1));
}

// fromDouble rounds to four places and saturates beyond the range, where tryFromDouble refuses.
TEST(Currency, FromDouble_RoundsToFourPlaces_AndSaturatesOutsideTheRange)
{
    EXPECT_EQ(Currency::fromDouble(1.23456), raw(12346));
    EXPECT_EQ(Currency::fromDouble(-1.23454), raw(-12345));
    EXPECT_EQ(Currency::fromDouble(-0.00004), raw(0));
    const double justOutside = 9223372036854775808.0 / Currency::Scale; // 2^63 ten-thousandths
    for (const double value : {Inf, 1e300, justOutside}) {
        EXPECT_EQ(Currency::fromDouble(value), Max) << value;
        EXPECT_EQ(Currency::fromDouble(-value * 1.0000001), Min) << value;
        EXPECT_FALSE(Currency::tryFromDouble(value)) << value;
    }
    EXPECT_EQ(Currency::fromDouble(std::nan("")), Currency(0));
    EXPECT_FALSE(Currency::tryFromDouble(std::nan("")));
    EXPECT_EQ(Currency::tryFromDouble(-9223372036854775808.0 / Currency::Scale), Min);
}

// Int rounds toward minus infinity, whole at the ends of the range; NaN gives 0.
TEST(Currency, Int_RoundsTowardMinusInfinityAndStaysInRange)
{
    const std::pair<Currency, Currency::Raw> cases[] = {
        {raw(25000), 2}, {raw(-25000), -3},         {raw(-20000), -2},        {raw(-1), -1},
        {raw(9999), 0},  {Max, Currency::MaxWhole}, {Min, Currency::MinWhole}};
    for (const auto &[value, whole] : cases)
        EXPECT_EQ(Sardek::Int(value), Currency(whole)) << value.raw();
    EXPECT_EQ(Sardek::Int(2.9999), Currency(2));
    EXPECT_EQ(Sardek::Int(-0.5), Currency(-1));
    EXPECT_EQ(Sardek::Int(1e300), Currency(Currency::MaxWhole));
    EXPECT_EQ(Sardek::Int(-Inf), Currency(Currency::MinWhole));
    EXPECT_EQ(Sardek::Int(std::nan("")), Currency(0));
}
