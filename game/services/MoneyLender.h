#pragma once

#include "core/Outcome.h"
#include "runtime/Currency.h"
#include "services/TypedAmount.h"

namespace Sardek
{

struct GameState;

/// The money lender's refusals, with the three blanks the game's messages end in.
inline const QString MaximumLoanExceeded =
    QStringLiteral("Maximum Loan Exceeded (2 x Cash or 100 Million Maximum)   ");
inline const QString OverPayment = QStringLiteral("Over Payment   ");

/// The largest loan granted at one time.
inline constexpr Currency::Raw LoanCeiling = 100000000;

/// 2 x Cash, at most LoanCeiling; below 0 when Cash is (then nothing can be borrowed).
Currency BorrowLimit(const GameState &state);

/// The largest repayment the repay list offers: the smaller of Debt and Cash.
Currency repayMaximum(const GameState &state);

/**
 * One visit to the money lender. First a loan of borrow, when above 0: refused with
 * MaximumLoanExceeded above BorrowLimit (or out of range), otherwise added to Cash and Debt,
 * logged " - Borrowed $800" and marked loanGranted. Then a repayment of repay, when above 0:
 * refused with InsufficientFunds above Cash (or out of range), then with OverPayment above
 * Debt unless overPaymentAllowed; otherwise taken from Debt (which may go below 0) and Cash
 * and logged " - Repayed $5,000". GameSaved is cleared when the visit completes, even with
 * both amounts 0, and whenever money moved.
 */
Outcome visitLender(GameState &state, const TypedAmount &borrow, const TypedAmount &repay,
                    bool overPaymentAllowed);

} // namespace Sardek
