#include "services/Bank.h"

#include "core/GameState.h"
#include "core/Refusals.h"
#include "runtime/Formats.h"

namespace Sardek
{

namespace
{

// Moves amount from one balance to the other and logs it; false when refused.
bool move(Outcome &outcome, const TypedAmount &amount, Currency &from, Currency &to,
          const char *verb)
{
    if (!amount.isPositive())
        return true;
    if (exceeds(amount, from)) {
        outcome.refusal = InsufficientFunds;
        return false;
    }
    const Currency value = *amount.value();
    from -= value;
    to += value;
    outcome.logEntries << QLatin1String(verb) + FormatNumber(value, NumberFormat::Dollars);
    return true;
}

} // namespace

Outcome visitBank(GameState &state, const TypedAmount &deposit, const TypedAmount &withdrawal)
{
    Outcome outcome;
    if (move(outcome, deposit, state.Cash, state.Bank, " - Deposited "))
        move(outcome, withdrawal, state.Bank, state.Cash, " - Withdrew ");
    // A deposit kept after a refused withdrawal is an unsaved change too.
    if (!outcome.refusal || !outcome.logEntries.isEmpty())
        state.GameSaved = false;
    return outcome;
}

} // namespace Sardek
