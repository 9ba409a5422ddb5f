#include "core/EndOfGame.h"

#include "core/GameState.h"

namespace Sardek
{

EndOfGameDue endOfGameDue(const GameState &state)
{
    return {state.NetWorth >= Million && state.NetWorth < Trillion && !state.MillionaireShown,
            state.NetWorth >= Trillion, state.Debt >= Trillion};
}

} // namespace Sardek
