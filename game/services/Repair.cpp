#include "services/Repair.h"

#include "core/GameState.h"
#include "core/Refusals.h"
#include "runtime/Formats.h"

#include <algorithm>

namespace Sardek
{

namespace
{

// value rounded to a whole number, halves away from zero, as the game shows numbers.
Currency roundedWhole(Currency value)
{
    const Currency half = Currency::fromRaw(Currency::Scale / 2);
    return value < 0 ? -Int(-value + half) : Int(value + half);
}

// The whole points Cash pays for; Int(Cash / rate) in double precision as the shipyard counts.
Currency affordablePoints(const GameState &state)
{
    const Currency rate = repairRate(state);
    if (rate <= 0)
        return Currency(Currency::MaxWhole);
    return Int(state.Cash.toDouble() / rate.toDouble());
}

Outcome repaired(GameState &state, Currency points, Currency price)
{
    state.Cash -= price;
    state.ShipStatus += points;
    state.GameSaved = false;
    Outcome outcome;
    outcome.logEntries << QStringLiteral(" - Repaired ") + PlainNumber(points) +
                              QStringLiteral("% of Ship for ") +
                              FormatNumber(price, NumberFormat::Dollars);
    return outcome;
}

} // namespace

int sliderPosition(Currency condition)
{
    // Bounded first, so a condition of any size fits an int.
    const Currency bounded = std::clamp(roundedWhole(condition), Currency(0), Currency(FullRepair));
    return static_cast<int>(bounded.raw() / Currency::Scale);
}

Currency repairRate(const GameState &state)
{
    return std::max(state.HoldCapacity * 10, Currency(0));
}

Currency RepairLimit(const GameState &state)
{
    return state.ShipStatus + affordablePoints(state);
}

int repairTarget(const GameState &state, int position)
{
    position = std::min(position, sliderPosition(RepairLimit(state)));
    return std::max(position, sliderPosition(state.ShipStatus));
}

Currency repairPrice(const GameState &state, int target)
{
    return roundedWhole((Currency(target) - state.ShipStatus) * repairRate(state));
}

Outcome repairTo(GameState &state, int target)
{
    target = std::min(target, FullRepair);
    if (Currency(target) <= state.ShipStatus)
        return {};
    const Currency price = repairPrice(state, target);
    if (price > state.Cash) {
        Outcome outcome;
        outcome.refusal = InsufficientFunds;
        return outcome;
    }
    return repaired(state, Currency(target) - state.ShipStatus, price);
}

Outcome repairMax(GameState &state)
{
    Currency points = affordablePoints(state);
    if (points < 1)
        return {};
    points = std::min(points, Currency(FullRepair) - state.ShipStatus);
    // A ship already at 100 (or above, in an edited game) must not pay the player.
    if (points <= 0)
        return {};
    return repaired(state, points, points * repairRate(state));
}

} // namespace Sardek
