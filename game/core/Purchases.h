#pragma once

#include "core/Outcome.h"

namespace Sardek
{

struct GameState;
class MainForm;

/**
 * Buys the cannon on offer at CannonPrice: refused with "Insufficient Hold     " when 10 more
 * units would not fit the hold (checked first), then with "Insufficient Funds     " when the
 * price is above Cash. Otherwise takes the price from Cash, adds a cannon and its 10 hold
 * units. GameSaved is left as it was.
 */
Outcome purchaseCannon(GameState &state);

/**
 * Trades the ship in for one with 50 more capacity at ShipPrice: refused with "Insufficient
 * Funds     " when the price is above Cash. Otherwise takes the price from Cash, adds 50 to
 * HoldCapacity and makes the ship sound (ShipStatus 100); cargo and cannons stay aboard.
 * GameSaved is left as it was.
 */
Outcome purchaseShip(GameState &state);

/// The Buy Cannon and Buy Ship orders: buy at once; a refusal shows its "Sorry" box and
/// leaves the offer open, a purchase closes it, is logged and redraws the main window.
void BuyCannon(MainForm &main);
void BuyShip(MainForm &main);

} // namespace Sardek
