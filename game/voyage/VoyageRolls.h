#pragma once

#include "runtime/Currency.h"
#include "runtime/Runtime.h"

#include <cmath>

namespace Sardek
{

/**
 * Int(Rnd * count + first): one roll, a whole number from first to first + count - 1, each
 * equally likely. Computed in double, where Rnd * count is exact for the counts the game uses,
 * so a roll just below 1 never rounds up past the last value.
 */
inline int rollWhole(Runtime &runtime, int count, int first)
{
    const double r = runtime.Rnd();
    return static_cast<int>(std::floor(r * count + first));
}

/// Int(Rnd * amount / divisor) + 1: one roll of a share of amount (a storm's damage, a fine,
/// a theft, the tribute), from 1 to about amount / divisor; saturating at Currency's limits.
inline Currency rollShare(Runtime &runtime, Currency amount, int divisor)
{
    const double r = runtime.Rnd();
    return Int(r * amount.toDouble() / divisor) + 1;
}

} // namespace Sardek
