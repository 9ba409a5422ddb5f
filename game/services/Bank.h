#pragma once

#include "core/Outcome.h"
#include "services/TypedAmount.h"

namespace Sardek
{

struct GameState;

/**
 * One visit to the Hong Kong bank: deposits deposit (moving it from Cash to Bank) and then
 * withdraws withdrawal (from Bank to Cash), each only when above 0, logging " - Deposited $1,500"
 * and " - Withdrew $20,000". An amount above Cash or Bank (or out of range) is refused with
 * InsufficientFunds and stops there; a deposit made before a refused withdrawal stays.
 * GameSaved is cleared when the visit completes, even with both amounts 0, and whenever money
 * moved.
 */
Outcome visitBank(GameState &state, const TypedAmount &deposit, const TypedAmount &withdrawal);

} // namespace Sardek
