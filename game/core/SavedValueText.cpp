#include "core/SavedValueText.h"

#include <QList>

#include <cstdint>
#include <limits>

namespace Sardek
{

namespace
{

using Raw = Currency::Raw;
__extension__ typedef __int128 Wide;

// Above the magnitude of any Currency, so accumulating stops before it can overflow.
constexpr Wide Beyond = Wide(std::numeric_limits<Raw>::max()) + 2;

struct NumberParts {
    bool negative = false;
    QStringView whole;
    QStringView decimals;
};

bool allDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

bool allZeros(QStringView text)
{
    for (const QChar c : text) {
        if (c != QLatin1Char('0'))
            return false;
    }
    return true;
}

// A whole number of one to maxDigits ASCII digits.
std::optional<int> smallNumber(QStringView text, qsizetype maxDigits)
{
    if (text.isEmpty() || text.size() > maxDigits || !allDigits(text))
        return std::nullopt;
    return text.toInt();
}

std::optional<NumberParts> splitNumber(QStringView text)
{
    NumberParts parts;
    if (!text.isEmpty() && (text.front() == QLatin1Char('-') || text.front() == QLatin1Char('+'))) {
        parts.negative = text.front() == QLatin1Char('-');
        text = text.mid(1);
    }
    const qsizetype period = text.indexOf(QLatin1Char('.'));
    parts.whole = period < 0 ? text : text.left(period);
    parts.decimals = period < 0 ? QStringView() : text.mid(period + 1);
    if (parts.whole.isEmpty() && parts.decimals.isEmpty())
        return std::nullopt;
    if (!allDigits(parts.whole) || !allDigits(parts.decimals))
        return std::nullopt;
    return parts;
}

// Appends a digit to a magnitude, holding it at Beyond once it is out of reach.
Wide appendDigit(Wide magnitude, QChar digit)
{
    const Wide next = magnitude * 10 + (digit.unicode() - '0');
    return next > Beyond ? Beyond : next;
}

// The magnitude in ten-thousandths, the fifth decimal on rounded half to even.
Wide tenThousandths(const NumberParts &parts)
{
    Wide magnitude = 0;
    for (const QChar digit : parts.whole)
        magnitude = appendDigit(magnitude, digit);
    for (qsizetype i = 0; i < 4; ++i)
        magnitude =
            appendDigit(magnitude, i < parts.decimals.size() ? parts.decimals[i] : QChar(u'0'));
    if (parts.decimals.size() <= 4)
        return magnitude;
    const QChar fifth = parts.decimals[4];
    const bool exactHalf = fifth == QLatin1Char('5') && allZeros(parts.decimals.mid(5));
    const bool roundUp = exactHalf ? magnitude % 2 != 0 : fifth >= QLatin1Char('5');
    return roundUp ? magnitude + 1 : magnitude;
}

} // namespace

NumberReading readSavedNumber(QStringView text, Currency &value)
{
    const auto parts = splitNumber(text);
    if (!parts)
        return NumberReading::NotANumber;
    const Wide magnitude = tenThousandths(*parts);
    const Wide signedValue = parts->negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<Raw>::max() ||
        signedValue < std::numeric_limits<Raw>::min())
        return NumberReading::OutOfRange;
    value = Currency::fromRaw(static_cast<Raw>(signedValue));
    return NumberReading::Ok;
}

QString savedDateText(GameDate date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

std::optional<GameDate> readSavedDate(QStringView text)
{
    const auto fields = text.split(QLatin1Char('-'));
    if (fields.size() != 3)
        return std::nullopt;
    const auto year = smallNumber(fields[0], 4);
    const auto month = smallNumber(fields[1], 2);
    const auto day = smallNumber(fields[2], 2);
    if (!year || !month || !day)
        return std::nullopt;
    return GameDate::fromYmd(*year, *month, *day);
}

} // namespace Sardek
