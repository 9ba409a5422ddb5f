#pragma once

#include "runtime/Currency.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace Sardek
{

/**
 * The amount typed or picked into an amount box: the ASCII digits "0" to "9" of text read as
 * one decimal whole number, every other character skipped ("$1,500" and "1500" give 1500,
 * "-25" gives 25, "2.5" gives 25, a text without digits gives 0). Never negative. A number
 * beyond the range stops at Currency::MaxWhole (922,337,203,685,477), so digit strings of
 * any length are safe.
 */
Currency MakeNumber(QStringView text);

/// The ASCII digits of text in order, leading zeros kept ("$0,07" gives "007"): an amount as
/// the player wrote it, without what the keys could not have typed.
QString AmountDigits(QStringView text);

/// MakeNumber(text), or std::nullopt when its digits run past Currency::MaxWhole: such an
/// amount has no value, so no sum or cost can be made with it.
std::optional<Currency> AmountInRange(QStringView text);

} // namespace Sardek
