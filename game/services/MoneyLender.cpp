#include "services/MoneyLender.h"

#include "core/GameState.h"
#include "core/Refusals.h"
#include "runtime/Formats.h"

#include <algorithm>

namespace Sardek
{

namespace
{

QString logEntry(const char *verb, Currency amount)
{
    return QLatin1String(verb) + FormatNumber(amount, NumberFormat::Dollars);
}

bool lend(GameState &state, Outcome &outcome, const TypedAmount &borrow)
{
    if (!borrow.isPositive())
        return true;
    if (exceeds(borrow, BorrowLimit(state))) {
        outcome.refusal = MaximumLoanExceeded;
        return false;
    }
    const Currency value = *borrow.value();
    state.Cash += value;
    state.Debt += value;
    outcome.logEntries << logEntry(" - Borrowed ", value);
    outcome.loanGranted = true;
    return true;
}

void takeRepayment(GameState &state, Outcome &outcome, const TypedAmount &repay,
                   bool overPaymentAllowed)
{
    if (!repay.isPositive())
        return;
    if (exceeds(repay, state.Cash)) {
        outcome.refusal = InsufficientFunds;
        return;
    }
    const Currency value = *repay.value();
    if (value > state.Debt && !overPaymentAllowed) {
        outcome.refusal = OverPayment;
        return;
    }
    state.Debt -= value;
    state.Cash -= value;
    outcome.logEntries << logEntry(" - Repayed ", value);
}

} // namespace

Currency BorrowLimit(const GameState &state)
{
    return std::min(state.Cash * 2, Currency(LoanCeiling));
}

Currency repayMaximum(const GameState &state)
{
    return std::min(state.Debt, state.Cash);
}

Outcome visitLender(GameState &state, const TypedAmount &borrow, const TypedAmount &repay,
                    bool overPaymentAllowed)
{
    Outcome outcome;
    if (lend(state, outcome, borrow))
        takeRepayment(state, outcome, repay, overPaymentAllowed);
    // A loan kept after a refused repayment is an unsaved change too.
    if (!outcome.refusal || !outcome.logEntries.isEmpty())
        state.GameSaved = false;
    return outcome;
}

} // namespace Sardek
