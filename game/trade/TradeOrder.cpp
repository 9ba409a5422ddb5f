#include "trade/TradeOrder.h"

#include "runtime/MakeNumber.h"

#include <algorithm>

namespace Sardek
{

TradeOrder::TradeOrder(const std::array<QString, 4> &texts) : m_texts(texts) {}

QString TradeOrder::digits(Good good) const
{
    return AmountDigits(text(good));
}

std::optional<Currency> TradeOrder::amount(Good good) const
{
    return AmountInRange(text(good));
}

bool TradeOrder::anyAmount() const
{
    return std::any_of(m_texts.cbegin(), m_texts.cend(),
                       [](const QString &t) { return MakeNumber(t) > 0; });
}

} // namespace Sardek
