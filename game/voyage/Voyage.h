#pragma once

#include "voyage/VoyageContext.h"

namespace Sardek
{

class PirateEncounter;

/// The paced steps of a voyage, each a Delay of this many milliseconds.
inline constexpr int VoyageSteps = 25;
inline constexpr int StepMilliseconds = 90;
/// Battles on one voyage at most.
inline constexpr int MostEncounters = 2;

/**
 * Sails from CurrentPort to the port with index destination (1 to 7): the whole turn of the
 * game, in this order.
 *
 * Disables the nine orders, hides the Leave Port window, logs " - Departing " + the port with
 * the old date and leaves that line open, and shows the busy pointer. Then 25 steps: a "." on
 * the departure line, Delay 90, and one roll Int(Rnd * 110 + 1); a 5 meets pirates (waiting
 * for encounter) while fewer than two battles were fought. Once GameInProgress is false (the
 * ship sank and the player chose to play again) no further step runs, and nothing of the
 * arrival happens. The busy pointer ends.
 *
 * The arrival: prices rolled anew (Opium, Silk, Arms, General), the date one calendar month on,
 * the destination, blown off course, storm, " - Arriving at " + the port, 0.5 % interest on
 * Bank and 10 % on Debt (both rounded down, so a negative debt grows more negative),
 * TributeCounter up by Int(Rnd * 2 + 1), the arrival events and the port's business, and
 * GameSaved false. Amounts saturate at Currency's limits.
 *
 * The redraw that ends the turn is the caller's.
 */
void Depart(const VoyageContext &voyage, PirateEncounter &encounter, int destination);

} // namespace Sardek
