#pragma once

#include "core/Goods.h"
#include "core/Outcome.h"
#include "core/Refusals.h"
#include "runtime/Currency.h"

#include <QString>

namespace Sardek
{

struct GameState;
class TradeOrder;

/**
 * The most units of good a player can buy into destination besides the other three amounts of
 * order, which keep both their cost and their space: the whole units the cash left after the
 * others buys at good's price, capped by the free hold (HoldCapacity - HoldUsed) or the free
 * warehouse space (10,000 less everything stored), less the others' units, and rounded down to
 * a whole number; never below 0.
 * A price of 0 or less limits nothing but space. An out-of-range amount among the others
 * leaves nothing to buy (0).
 */
Currency largestPurchase(const GameState &state, Place destination, Good good,
                         const TradeOrder &order);

/**
 * Buys order's amounts at the current prices into destination. Refused, in this order, when
 * the total cost is above Cash (InsufficientFunds; an out-of-range amount or cost counts as
 * unaffordable), when the units exceed the free hold (InsufficientHold) or the free warehouse
 * space (InsufficientStorage). Otherwise adds the amounts to the stocks (and to HoldUsed for
 * the ship), takes the cost from Cash, logs each good bought with its amount as a plain
 * number, and clears GameSaved.
 */
Outcome buy(GameState &state, Place destination, const TradeOrder &order);

/**
 * Sells order's amounts from source at the current prices. Refused with InsufficientCargo when
 * any amount is above its stock there (an out-of-range amount always is). Otherwise takes the
 * amounts from the stocks (and from HoldUsed for the ship), pays each good's amount times its
 * price into Cash (stopping at Currency's limit), logs each good sold with its box's text as
 * the player wrote it ("007"), and clears GameSaved, even when nothing was sold.
 */
Outcome sell(GameState &state, Place source, const TradeOrder &order);

} // namespace Sardek
