#pragma once

#include "runtime/Currency.h"

#include <QString>

#include <optional>

namespace Sardek
{

/**
 * An amount as the player entered it into an amount box: the box's text. Its value is
 * MakeNumber of the text, a whole number never below 0 (an empty text is 0); digits that run
 * past Currency::MaxWhole (922,337,203,685,477) are out of range and have no value, so such an
 * amount is more than any balance, stock or limit.
 */
class TypedAmount
{
  public:
    TypedAmount() = default;
    explicit TypedAmount(QString text) : m_text(std::move(text)) {}
    /// The amount a player would type: value as a plain whole number.
    static TypedAmount of(Currency value);

    const QString &text() const { return m_text; }
    /// The text's digits only, leading zeros kept ("007"): the amount as the player wrote it.
    QString digits() const;
    /// std::nullopt when out of range.
    std::optional<Currency> value() const;
    /// True when the amount is above 0, an out-of-range one included.
    bool isPositive() const;

  private:
    QString m_text;
};

/// True when amount is out of range or above limit.
bool exceeds(const TypedAmount &amount, Currency limit);

} // namespace Sardek
