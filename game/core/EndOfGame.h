#pragma once

#include "runtime/Currency.h"

namespace Sardek
{

struct GameState;

/// The worth that makes a millionaire (the statistics window once, and leave to retire) and a
/// trillionaire (the window at every redraw); a debt of a trillion is bankruptcy.
inline const Currency Million = 1'000'000;
inline const Currency Trillion = 1'000'000'000'000;

/// What a redraw must do once worth, score and rank are recomputed, in this order.
struct EndOfGameDue {
    /// Worth of a million to below a trillion, not yet shown this game: "You are a
    /// Millionaire!", with retirement offered, once.
    bool millionaire = false;
    /// Worth of a trillion or more: "You are a Trillionaire!" at every redraw.
    bool trillionaire = false;
    /// Debt of a trillion or more: bankruptcy, and the question whether to play again.
    bool bankrupt = false;
};

/// Decides the end-of-game checks for state as it stands; the main window and games played
/// without windows act on the same decisions.
EndOfGameDue endOfGameDue(const GameState &state);

} // namespace Sardek
