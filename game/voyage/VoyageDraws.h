#pragma once

#include "runtime/Currency.h"
#include "runtime/Runtime.h"

#include <cmath>

namespace Sardek
{

/**
 * Int(Rnd * count + first): one draw, a whole number from first to first + count - 1, each
 * equally likely. Computed in double, where Rnd * count is exact for the counts the game uses,
 * so a draw just below 1 never rounds up past the last value.
 */
inline int drawWhole(Runtime &runtime, int count, int first)
{
    const double r = runtime.Rnd();
    return static_cast<int>(std::floor(r * count + first));
}

/// Int(Rnd * amount / divisor) + 1: one draw of a share of amount (a storm's damage, a fine,
/// a theft, the tribute), from 1 to about amount / divisor; saturating at Currency's limits.
inline Currency drawShare(Runtime &runtime, Currency amount, int divisor)
{
    const double r = runtime.Rnd();
    return Int(r * amount.toDouble() / divisor) + 1;
}

} // namespace Sardek
