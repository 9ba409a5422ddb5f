#include "runtime/FillAmountList.h"

namespace Sardek
{

namespace
{

// The largest power of ten not above half of maximum (1 when the half is below 1).
Currency::Raw stepFor(Currency maximum)
{
    const Currency::Raw half = Int(Currency::fromRaw(maximum.raw() / 2)).raw() / Currency::Scale;
    Currency::Raw step = 1;
    while (step <= half / 10)
        step *= 10;
    return step;
}

} // namespace

std::vector<Currency> FillAmountList(Currency maximum)
{
    std::vector<Currency> entries;
    if (maximum > 0) {
        const Currency step(stepFor(maximum));
        const Currency last = maximum - 1;
        for (Currency entry = 0; entry <= last; entry += step)
            entries.push_back(entry);
    }
    entries.push_back(maximum);
    return entries;
}

} // namespace Sardek
