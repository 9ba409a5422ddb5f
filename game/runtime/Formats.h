#pragma once

#include "runtime/Currency.h"

#include <QString>

#include <concepts>
#include <cstdint>

namespace Sardek
{

/// The number patterns the game displays.
enum class NumberFormat {
    Dollars, ///< "$#,##0": "$1,500", "-$4,600" (the minus before the dollar sign)
    Grouped, ///< "#,##0": "1,500", "-4,600"
    Plain,   ///< "#0": "1500", "-4600"
};

/**
 * value rounded to a whole number and written in format. Exact halves round away from zero
 * (2.5 shows 3, -2.5 shows -3); a value that rounds to 0 shows no minus sign.
 */
QString FormatNumber(Currency value, NumberFormat format);
/// As for Currency, for any finite double (every digit written, however large); NaN and the
/// infinities show as "NaN", "Infinity" and "-Infinity" whatever the format.
QString FormatNumber(double value, NumberFormat format);

namespace detail
{
QString formatWholeNumber(bool negative, std::uint64_t magnitude, NumberFormat format);
}

/// Any integer, exactly ("Debt 1,000,000,000,000" and beyond).
template <std::integral T> QString FormatNumber(T value, NumberFormat format)
{
    const bool negative = value < 0;
    // Unsigned wrap-around gives the magnitude of the most negative value too.
    const auto magnitude =
        negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    return detail::formatWholeNumber(negative, magnitude, format);
}

/// The number as the game writes it plainly: an optional minus, the whole part, and only when
/// there is a fraction a period and its significant decimals ("0", "-4600", "12.5", "0.0001").
QString PlainNumber(Currency value);

} // namespace Sardek
