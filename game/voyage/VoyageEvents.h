#pragma once

#include "voyage/VoyageContext.h"

namespace Sardek
{

// The events of an arrival. Each trigger roll is made whether or not its condition holds;
// further rolls come only when the event happens. Every line carries the arrival date.

/**
 * Roll Int(Rnd * 25 + 1) = 1: port indexes Int(Rnd * 7 + 1) are rolled until one is not
 * CurrentPort (the chosen destination), which then replaces it; " - Sardek, we have been blown
 * off course to " + the port; red flash.
 */
void BlownOffCourse(const VoyageContext &voyage);

/**
 * Roll Int(Rnd * 50 + 1) = 5 with ShipStatus above 9: damage Int(Rnd * ShipStatus / 2) + 1,
 * " - Sardek!, we have received " + damage + "% Damage from a storm", taken from ShipStatus;
 * red flash.
 */
void Storm(const VoyageContext &voyage);

/**
 * In this order: the cannon offer (1 in 5: CannonPrice from 400 to 3,000, Buy Cannon
 * enabled), the larger ship offer (1 in 12 while HoldCapacity is below 30,000: ShipPrice from
 * 5,000 to HoldCapacity * 400, Buy Ship enabled, cyan), the opium seizure (1 in 25 with opium
 * aboard: the opium and a fine of up to half the cash, red), the robbery (1 in 25 with Cash
 * above 9: up to half of it, red), the warehouse theft (1 in 25 with a stock above 1: up to
 * half of each such stock, red) and the price jump (1 in 25: one price times 6 or a sixth of
 * it, at least 1, cyan).
 */
void ArrivalEvents(const VoyageContext &voyage);

/**
 * Outside Hong Kong: the pirate lord's lieutenant when TributeCounter is above 10. In Hong
 * Kong: Money Lender enabled, the shipyard's visit while the ship is damaged, then the tribute
 * demand when TributeCounter is above 10 (paid from cash, the shortfall added to Debt).
 */
void PortBusiness(const VoyageContext &voyage);

} // namespace Sardek
