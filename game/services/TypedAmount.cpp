#include "services/TypedAmount.h"

#include "runtime/Formats.h"
#include "runtime/MakeNumber.h"

namespace Sardek
{

TypedAmount TypedAmount::of(Currency value)
{
    return TypedAmount(PlainNumber(value));
}

QString TypedAmount::digits() const
{
    return AmountDigits(m_text);
}

std::optional<Currency> TypedAmount::value() const
{
    return AmountInRange(m_text);
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
