#include "info/EndOfGame.h"

#include "core/GameState.h"
#include "info/ScoreRank.h"

namespace Sardek
{

EndOfGameDue endOfGameDue(const GameState &state)
{
    return {state.NetWorth >= Million && state.NetWorth < Trillion && !state.MillionaireShown,
            state.NetWorth >= Trillion, state.Debt >= Trillion};
}

} // namespace Sardek
