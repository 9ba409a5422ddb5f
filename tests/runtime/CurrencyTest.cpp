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

} // namespace

TEST(Currency, DecimalFractions_AddExactly)
{
    // Binary doubles miss this sum; ten-thousandths hit it.
    EXPECT_EQ(Currency::fromDouble(0.1) + Currency::fromDouble(0.2), Currency::fromDouble(0.3));
    EXPECT_EQ(Currency::fromDouble(1.1) - Currency::fromDouble(0.9), Currency::fromDouble(0.2));
}

TEST(Currency, ProductsWithWholeNumbers_AreExact)
{
    EXPECT_EQ(Currency(123456789) * 7000, Currency(864197523000));
    EXPECT_EQ(Currency(25) * Currency(310), Currency(7750));
    EXPECT_EQ(-3 * Currency::fromDouble(2.5), Currency::fromDouble(-7.5));
    EXPECT_EQ(Currency(100000000) * Currency(9000000), Currency(900000000000000));
}

TEST(Currency, ProductOfFractions_RoundsHalvesToEven)
{
    // 0.0005 * 0.1 = 0.00005 and 0.0015 * 0.1 = 0.00015: exact halves of the last place.
    EXPECT_EQ(Currency::fromRaw(5) * Currency::fromRaw(1000), Currency::fromRaw(0));
    EXPECT_EQ(Currency::fromRaw(15) * Currency::fromRaw(1000), Currency::fromRaw(2));
    EXPECT_EQ(Currency::fromRaw(-15) * Currency::fromRaw(1000), Currency::fromRaw(-2));
    EXPECT_EQ(Currency::fromRaw(16) * Currency::fromRaw(1000), Currency::fromRaw(2));
}

TEST(Currency, IntegersBeyondRange_Saturate)
{
    EXPECT_EQ(Currency(std::numeric_limits<std::int64_t>::max()), Max);
    EXPECT_EQ(Currency(std::numeric_limits<std::int64_t>::min()), Min);
    EXPECT_EQ(Currency(std::numeric_limits<std::uint64_t>::max()), Max);
    EXPECT_EQ(Currency(std::uint64_t{7}), Currency(7));
    EXPECT_EQ(Currency(Currency::MaxWhole).raw(), Currency::MaxWhole * Currency::Scale);
    EXPECT_EQ(Currency(Currency::MaxWhole + 1), Max);
    EXPECT_EQ(Currency(Currency::MinWhole - 1), Min);
}

TEST(Currency, OverflowingResults_StopAtTheEndOfTheRange)
{
    Currency c = Max;
    c += Currency(5);
    EXPECT_EQ(c, Max);
    EXPECT_EQ(Min - Currency::fromRaw(1), Min);
    EXPECT_EQ(Currency(-1) - Max, Min);
    EXPECT_EQ(Max - Min, Max);
    EXPECT_EQ(-Min, Max);
    EXPECT_EQ(Max * -2, Min);
    EXPECT_EQ(Min * -1, Max);
    EXPECT_EQ(Currency(1000000000) * Currency(1000000000), Max);
    EXPECT_EQ(Currency(-1000000000) * Currency(1000000000), Min);
}

TEST(Currency, CheckedOperations_RefuseWhatDoesNotFit)
{
    EXPECT_EQ(Currency::checkedAdd(Max - Currency(1), Currency(1)), Max);
    EXPECT_FALSE(Currency::checkedAdd(Max, Currency::fromRaw(1)));
    EXPECT_FALSE(Currency::checkedSub(Min, Currency::fromRaw(1)));
    EXPECT_EQ(Currency::checkedSub(Currency(5), Currency(8)), Currency(-3));
    EXPECT_FALSE(Currency::checkedMul(Currency(2147483647), Currency(2147483647)));
    EXPECT_EQ(Currency::checkedMul(Currency(20000), Currency(25000)), Currency(500000000));
    EXPECT_FALSE(Currency::checkedMul(Currency(2), std::numeric_limits<std::int64_t>::max()));
    EXPECT_FALSE(Currency::checkedMul(Min, -1));
}

TEST(Currency, FromDouble_RoundsToFourPlaces)
{
    EXPECT_EQ(Currency::fromDouble(1.23456).raw(), 12346);
    EXPECT_EQ(Currency::fromDouble(-1.23454).raw(), -12345);
    EXPECT_EQ(Currency::fromDouble(5000.0), Currency(5000));
    EXPECT_EQ(Currency::fromDouble(-0.00004).raw(), 0);
}

TEST(Currency, FromDouble_OutsideRange_SaturatesAndTryRefuses)
{
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

TEST(Currency, ComparesWithWholeNumbersAndConvertsToDouble)
{
    EXPECT_TRUE(Currency(10) > 9);
    EXPECT_TRUE(Currency::fromRaw(-1) < 0);
    EXPECT_TRUE(Currency(1000000000000) >= 1000000000000LL);
    EXPECT_TRUE(Currency::fromRaw(99999) < 10);
    EXPECT_DOUBLE_EQ(Currency::fromRaw(-15000).toDouble(), -1.5);
}

TEST(Currency, Int_RoundsTowardMinusInfinityAndStaysInRange)
{
    const std::pair<Currency::Raw, Currency::Raw> rawAndWhole[] = {{25000, 2},
                                                                   {-25000, -3},
                                                                   {-20000, -2},
                                                                   {-1, -1},
                                                                   {9999, 0},
                                                                   {Max.raw(), Currency::MaxWhole},
                                                                   {Min.raw(), Currency::MinWhole}};
    for (const auto &[raw, whole] : rawAndWhole)
        EXPECT_EQ(Sardek::Int(Currency::fromRaw(raw)), Currency(whole)) << raw;
}

TEST(Currency, IntOfDouble_RoundsDownAndStaysInRange)
{
    EXPECT_EQ(Sardek::Int(2.9999), Currency(2));
    EXPECT_EQ(Sardek::Int(-0.5), Currency(-1));
    EXPECT_EQ(Sardek::Int(-7.0), Currency(-7));
    EXPECT_EQ(Sardek::Int(1e300), Currency(Currency::MaxWhole));
    EXPECT_EQ(Sardek::Int(-Inf), Currency(Currency::MinWhole));
    EXPECT_EQ(Sardek::Int(std::nan("")), Currency(0));
}
