#include "runtime/Formats.h"

#include <array>
#include <charconv>
#include <cmath>

namespace Sardek
{

namespace
{

QString groupThousands(const QString &digits)
{
    QString grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += QLatin1Char(',');
        grouped += digits[i];
    }
    return grouped;
}

QString applyPattern(bool negative, const QString &digits, NumberFormat format)
{
    QString text = negative ? QStringLiteral("-") : QString();
    if (format == NumberFormat::Dollars)
        text += QLatin1Char('$');
    text += format == NumberFormat::Plain ? digits : groupThousands(digits);
    return text;
}

} // namespace

namespace detail
{

QString formatWholeNumber(bool negative, std::uint64_t magnitude, NumberFormat format)
{
    return applyPattern(negative && magnitude != 0, QString::number(magnitude), format);
}

} // namespace detail

QString FormatNumber(Currency value, NumberFormat format)
{
    Currency::Raw whole = value.raw() / Currency::Scale;
    const Currency::Raw fraction = value.raw() % Currency::Scale;
    if (fraction >= Currency::Scale / 2)
        ++whole;
    else if (fraction <= -Currency::Scale / 2)
        --whole;
    return FormatNumber(whole, format);
}

QString FormatNumber(double value, NumberFormat format)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    const double rounded = std::round(value);
    // The largest double has 309 digits; fixed notation writes all of them exactly.
    std::array<char, 320> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      std::fabs(rounded), std::chars_format::fixed, 0);
    const QString digits = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    return applyPattern(rounded < 0, digits, format);
}

QString PlainNumber(Currency value)
{
    const Currency::Raw raw = value.raw();
    // Work on the magnitude as unsigned: the most negative value has no positive twin.
    const auto magnitude =
        raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    QString text = raw < 0 ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / Currency::Scale);
    if (const auto fraction = magnitude % Currency::Scale; fraction != 0) {
        QString decimals = QString::number(fraction).rightJustified(4, QLatin1Char('0'));
        while (decimals.endsWith(QLatin1Char('0')))
            decimals.chop(1);
        text += QLatin1Char('.') + decimals;
    }
    return text;
}

} // namespace Sardek
