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

} // namespace Sardek
