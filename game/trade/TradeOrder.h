#pragma once

#include "core/Goods.h"
#include "runtime/Currency.h"

#include <QString>

#include <array>
#include <optional>

namespace Sardek
{

/**
 * The amounts of one trade as the player entered them: the texts of the four amount boxes, in
 * goods order. A good's amount is MakeNumber of its text, a whole number never below 0; an
 * amount whose digits run past Currency::MaxWhole (922,337,203,685,477) is out of range and
 * has no value, so no sum or cost can be made with it.
 */
class TradeOrder
{
  public:
    /// An order of nothing: every box empty.
    TradeOrder() = default;
    explicit TradeOrder(const std::array<QString, 4> &texts);

    const QString &text(Good good) const { return m_texts[index(good)]; }
    /// The text's digits only, leading zeros kept ("007" stays "007", a pasted "1,500 x"
    /// gives "1500"): the amount as the player wrote it.
    QString digits(Good good) const;
    /// std::nullopt when out of range.
    std::optional<Currency> amount(Good good) const;
    /// True when any amount is above 0, an out-of-range one included.
    bool anyAmount() const;

  private:
    static std::size_t index(Good good) { return static_cast<std::size_t>(good); }

    std::array<QString, 4> m_texts;
};

} // namespace Sardek
