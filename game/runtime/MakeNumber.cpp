#include "runtime/MakeNumber.h"

namespace Sardek
{

Currency MakeNumber(QStringView text)
{
    Currency::Raw result = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            continue;
        const int digit = c.unicode() - '0';
        // Stop at the cap rather than overflow; leading zeros still keep small values exact.
        if (result > (Currency::MaxWhole - digit) / 10)
            return Currency(Currency::MaxWhole);
        result = result * 10 + digit;
    }
    return Currency(result);
}

QString AmountDigits(QStringView text)
{
    QString digits;
    for (const QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    return digits;
}

std::optional<Currency> AmountInRange(QStringView text)
{
    const Currency value = MakeNumber(text);
    if (value != Currency(Currency::MaxWhole))
        return value;
    // MakeNumber stops at the largest whole number; only that number's own digits mean it.
    QString significant = AmountDigits(text);
    while (significant.startsWith(QLatin1Char('0')))
        significant.remove(0, 1);
    if (significant == QString::number(Currency::MaxWhole))
        return value;
    return std::nullopt;
}

} // namespace Sardek
