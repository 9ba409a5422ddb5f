#include "runtime/Currency.h"

#include <cmath>

namespace Sardek
{

namespace
{

using Raw = Currency::Raw;
constexpr Raw RawMax = std::numeric_limits<Raw>::max();
constexpr Raw RawMin = std::numeric_limits<Raw>::min();
// 2^63 is exact as a double; every double at or above it lies beyond the range.
constexpr double TwoTo63 = 9223372036854775808.0;

__extension__ typedef __int128 Wide;

// The direction a saturated result takes when the true result does not fit.
Currency saturated(bool positive)
{
    return positive ? Currency::max() : Currency::min();
}

// Rounds numerator / Scale to the nearest integer, halves to even.
Wide divideByScaleRounded(Wide numerator)
{
    Wide quotient = numerator / Currency::Scale;
    const Wide remainder = numerator % Currency::Scale;
    const Wide twice = (remainder < 0 ? -remainder : remainder) * 2;
    if (twice > Currency::Scale || (twice == Currency::Scale && quotient % 2 != 0))
        quotient += numerator < 0 ? -1 : 1;
    return quotient;
}

} // namespace

std::optional<Currency> Currency::tryFromDouble(double value)
{
    const double scaled = std::nearbyint(value * Scale);
    if (std::isnan(scaled) || scaled >= TwoTo63 || scaled < -TwoTo63)
        return std::nullopt;
    return fromRaw(static_cast<Raw>(scaled));
}

Currency Currency::fromDouble(double value)
{
    if (std::isnan(value))
        return {};
    if (auto c = tryFromDouble(value))
        return *c;
    return saturated(value > 0);
}

double Currency::toDouble() const
{
    // Whole and fractional parts apart, so large values keep their fraction where they can.
    return static_cast<double>(m_raw / Scale) + static_cast<double>(m_raw % Scale) / Scale;
}

std::optional<Currency> Currency::checkedAdd(Currency a, Currency b)
{
    Raw sum = 0;
    if (__builtin_add_overflow(a.m_raw, b.m_raw, &sum))
        return std::nullopt;
    return fromRaw(sum);
}

std::optional<Currency> Currency::checkedSub(Currency a, Currency b)
{
    Raw difference = 0;
    if (__builtin_sub_overflow(a.m_raw, b.m_raw, &difference))
        return std::nullopt;
    return fromRaw(difference);
}

std::optional<Currency> Currency::checkedMul(Currency a, Raw n)
{
    Raw product = 0;
    if (__builtin_mul_overflow(a.m_raw, n, &product))
        return std::nullopt;
    return fromRaw(product);
}

std::optional<Currency> Currency::checkedMul(Currency a, Currency b)
{
    const Wide product = divideByScaleRounded(static_cast<Wide>(a.m_raw) * b.m_raw);
    if (product > RawMax || product < RawMin)
        return std::nullopt;
    return fromRaw(static_cast<Raw>(product));
}

Currency Currency::operator-() const
{
    return m_raw == RawMin ? max() : fromRaw(-m_raw);
}

Currency &Currency::operator+=(Currency other)
{
    *this = checkedAdd(*this, other).value_or(saturated(other.m_raw > 0));
    return *this;
}

Currency &Currency::operator-=(Currency other)
{
    *this = checkedSub(*this, other).value_or(saturated(other.m_raw < 0));
    return *this;
}

Currency &Currency::operator*=(Raw n)
{
    *this = checkedMul(*this, n).value_or(saturated((m_raw < 0) == (n < 0)));
    return *this;
}

Currency operator*(Currency a, Currency b)
{
    return Currency::checkedMul(a, b).value_or(saturated((a.raw() < 0) == (b.raw() < 0)));
}

Currency Int(Currency value)
{
    Currency::Raw whole = value.raw() / Currency::Scale;
    if (value.raw() % Currency::Scale < 0)
        --whole;
    return Currency(whole < Currency::MinWhole ? Currency::MinWhole : whole);
}

Currency Int(double value)
{
    if (std::isnan(value))
        return {};
    const double floored = std::floor(value);
    if (floored >= static_cast<double>(Currency::MaxWhole))
        return Currency(Currency::MaxWhole);
    if (floored <= static_cast<double>(Currency::MinWhole))
        return Currency(Currency::MinWhole);
    return Currency(static_cast<Currency::Raw>(floored));
}

} // namespace Sardek
