#include "trade/TradeOrder.h"

#include "runtime/MakeNumber.h"

#include <algorithm>

namespace Sardek
{

TradeOrder::TradeOrder(const std::array<QString, 4> &texts) : m_texts(texts) {}

QString TradeOrder::digits(Good good) const
{
    const QString &typed = text(good);
    QString digits;
    std::copy_if(typed.cbegin(), typed.cend(), std::back_inserter(digits),
                 [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    return digits;
}

std::optional<Currency> TradeOrder::amount(Good good) const
{
    const Currency value = MakeNumber(text(good));
    if (value != Currency(Currency::MaxWhole))
        return value;
    // MakeNumber stops at the largest whole number; only that number's own digits mean it.
    QString significant = digits(good);
    while (significant.startsWith(QLatin1Char('0')))
        significant.remove(0, 1);
    if (significant == QString::number(Currency::MaxWhole))
        return value;
    return std::nullopt;
}

bool TradeOrder::anyAmount() const
{
    return std::any_of(m_texts.cbegin(), m_texts.cend(),
                       [](const QString &t) { return MakeNumber(t) > 0; });
}

} // namespace Sardek
