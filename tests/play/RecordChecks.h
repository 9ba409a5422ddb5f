#pragma once

#include <QString>

namespace Sardek
{
struct GameState;
}

namespace Sardek::Play
{

/**
 * The first invariant state breaks, or an empty text: stocks, cash, bank and cannons never
 * negative, the debt not either unless overpaying is allowed, the warehouse within its
 * 10,000 units, HoldUsed equal to the cargo plus 10 per cannon, ShipStatus within 0 ... 100
 * and CurrentPort one of the seven ports.
 */
QString recordProblem(const GameState &state, bool negativeDebtAllowed);

} // namespace Sardek::Play
