#include "services/TypedAmount.h"

#include "runtime/Formats.h"
#include "runtime/MakeNumber.h"

#include <algorithm>

namespace Sardek
{

TypedAmount TypedAmount::of(Currency value)
{
    return TypedAmount(PlainNumber(value));
}

QString TypedAmount::digits() const
{
    QString digits;
    std::copy_if(m_text.cbegin(), m_text.cend(), std::back_inserter(digits),
                 [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    return digits;
}

std::optional<Currency> TypedAmount::value() const
{
    const Currency value = MakeNumber(m_text);
    if (value != Currency(Currency::MaxWhole))
        return value;
    // MakeNumber stops at the largest whole number; only that number's own digits mean it.
    QString significant = digits();
    while (significant.startsWith(QLatin1Char('0')))
        significant.remove(0, 1);
    if (significant == QString::number(Currency::MaxWhole))
        return value;
    return std::nullopt;
}

bool TypedAmount::isPositive() const
{
    return MakeNumber(m_text) > 0;
}

bool exceeds(const TypedAmount &amount, Currency limit)
{
    const std::optional<Currency> value = amount.value();
    return !value || *value > limit;
}

} // namespace Sardek
