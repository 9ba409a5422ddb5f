#pragma once

#include <QString>

namespace Sardek
{

struct GameState;
class Runtime;

/// The two ways a firm can begin: $400 in cash and $5,000 owed, or five cannons and nothing.
enum class Scenario { CashAndDebt, Cannons };

/**
 * Rolls the port's four prices, Rnd() once each in the order Opium, Silk, Arms, General:
 * Int(r * 21 + 5) times 1000, 100, 10 and 1 (5,000 to 25,000 for opium ... 5 to 25 for
 * general cargo), as a new game and every arrival do.
 */
void rollPrices(GameState &state, Runtime &runtime);

/**
 * The firm's name as typed made fit for the record: blanks (spaces) trimmed at both ends,
 * "Sardek" when nothing is left, then the first character upper-cased (one character for one:
 * "ß" stays "ß") and the rest kept as typed.
 */
QString firmNameFrom(const QString &typed);

/**
 * Fills state with a fresh game on 15 Jan 1860 in Hong Kong: empty ship and warehouse, a
 * sound ship of 60 hold units, the scenario's cash, debt and cannons, the firm's name made by
 * firmNameFrom(), and the flags of a started, saved, not lost game.
 *
 * Calls Rnd() exactly four times, for the opening prices in the order Opium, Silk, Arms,
 * General, each Int(r * 21 + 5) times 1000, 100, 10 and 1 (5,000 to 25,000 for opium ... 5 to
 * 25 for general cargo).
 *
 * CannonPrice, ShipPrice, Score and Rank keep their values: the purchase buttons are off at
 * the start and the rating waits for the first month boundary. The window's part (caption,
 * log, menus, buttons, redraw) is left to the caller.
 */
void startGame(GameState &state, Runtime &runtime, Scenario scenario, const QString &typedFirm);

/// The caption of the main window's house frame: "House of " + firm + ", Hong Kong ".
QString HouseCaption(const QString &firm);

} // namespace Sardek
