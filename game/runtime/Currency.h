#pragma once

#include <compare>
#include <concepts>
#include <cstdint>
#include <limits>
#include <optional>
#include <type_traits>

namespace Sardek
{

/**
 * The game's fixed-point number: money, goods, hold units, cannons, the ship's condition and
 * the score. It holds a signed 64-bit count of ten-thousandths: four decimal places and a
 * range of -922,337,203,685,477.5808 to 922,337,203,685,477.5807.
 *
 * Sums, differences and products with whole numbers are exact. Nothing overflows silently:
 * - the operators and conversions saturate, giving min() or max() when the true result lies
 *   beyond the range (in the direction of the true result);
 * - the checked*() functions and tryFromDouble() return std::nullopt instead, for callers that
 *   refuse an operation whose result would not fit (an amount too large to afford, say).
 *
 * Integers convert implicitly, as whole units ("Cash > 9", "Debt = 5000"); doubles only through
 * fromDouble(), which rounds to four decimal places.
 */
class Currency
{
  public:
    using Raw = std::int64_t;
    /// Ten-thousandths per unit.
    static constexpr Raw Scale = 10000;
    /// The largest and smallest whole numbers of units the type holds.
    static constexpr Raw MaxWhole = std::numeric_limits<Raw>::max() / Scale;
    static constexpr Raw MinWhole = std::numeric_limits<Raw>::min() / Scale;

    constexpr Currency() = default;
    /// A whole number of units; beyond MaxWhole or MinWhole it saturates.
    template <std::integral T> constexpr Currency(T units) : m_raw(unitsToRaw(units)) {}

    static constexpr Currency fromRaw(Raw tenThousandths)
    {
        Currency c;
        c.m_raw = tenThousandths;
        return c;
    }
    static constexpr Currency max() { return fromRaw(std::numeric_limits<Raw>::max()); }
    static constexpr Currency min() { return fromRaw(std::numeric_limits<Raw>::min()); }

    /// value rounded to four decimal places, exact halves to even. NaN gives 0; values beyond
    /// the range, infinities included, saturate.
    static Currency fromDouble(double value);
    /// As fromDouble(), but std::nullopt for NaN and for values that do not fit.
    static std::optional<Currency> tryFromDouble(double value);

    constexpr Raw raw() const { return m_raw; }
    /// The nearest double; exact while the value is below 2^53 ten-thousandths (about 9 * 10^11).
    double toDouble() const;

    static std::optional<Currency> checkedAdd(Currency a, Currency b);
    static std::optional<Currency> checkedSub(Currency a, Currency b);
    /// a times a whole count n, exact when it fits.
    static std::optional<Currency> checkedMul(Currency a, Raw n);
    /// a times b, rounded to four decimal places with halves to even (exact for whole numbers).
    static std::optional<Currency> checkedMul(Currency a, Currency b);

    Currency operator-() const;
    Currency &operator+=(Currency other);
    Currency &operator-=(Currency other);
    Currency &operator*=(Raw n);

    friend Currency operator+(Currency a, Currency b) { return a += b; }
    friend Currency operator-(Currency a, Currency b) { return a -= b; }
    friend Currency operator*(Currency a, Raw n) { return a *= n; }
    friend Currency operator*(Raw n, Currency a) { return a *= n; }
    friend Currency operator*(Currency a, Currency b);

    friend constexpr bool operator==(Currency, Currency) = default;
    friend constexpr auto operator<=>(Currency, Currency) = default;

  private:
    template <std::integral T> static constexpr Raw unitsToRaw(T units)
    {
        if constexpr (std::is_signed_v<T>) {
            if (units < MinWhole)
                return std::numeric_limits<Raw>::min();
            if (units > MaxWhole)
                return std::numeric_limits<Raw>::max();
        } else if (units > static_cast<std::make_unsigned_t<Raw>>(MaxWhole)) {
            return std::numeric_limits<Raw>::max();
        }
        return static_cast<Raw>(units) * Scale;
    }

    Raw m_raw = 0;
};

/// The greatest whole number not above value (Int(2.5) = 2, Int(-2.5) = -3). Below MinWhole,
/// which only the last fraction of the range is, the result is MinWhole.
Currency Int(Currency value);
/// The greatest whole number not above value, as a Currency: saturating beyond the range
/// (at MaxWhole or MinWhole, so the result is always whole); NaN gives 0.
Currency Int(double value);

} // namespace Sardek
