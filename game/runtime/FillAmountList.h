#pragma once

#include "runtime/Currency.h"

#include <vector>

namespace Sardek
{

/**
 * The entries of an amount box's drop-down list for a largest amount M, in display order:
 * 0, s, 2s, 3s ... for every multiple of the step s not above M - 1, then M itself. The step is
 * 1 while Int(M / 2) is 0, otherwise the largest power of ten not above Int(M / 2).
 * M = 20 gives 0, 10, 20; M = 199 gives 0, 10 ... 190, 199; M of 0 or less gives M alone.
 * A list holds at most 21 entries. Each dialog formats the entries itself.
 */
std::vector<Currency> FillAmountList(Currency maximum);

} // namespace Sardek
