#include "info/ScoreRank.h"

#include "core/GameState.h"
#include "runtime/GameDate.h"

#include <limits>

namespace Sardek
{

namespace
{

using Raw = Currency::Raw;
__extension__ typedef __int128 Wide;

constexpr int FirstYear = 1860;
constexpr Raw HundredDollars = 100 * Currency::Scale;

// Rounds towards minus infinity, where C++ division rounds towards zero.
Raw floorDivide(Raw numerator, Raw denominator)
{
    const Raw quotient = numerator / denominator;
    return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
}

Currency saturate(Wide value)
{
    if (value > std::numeric_limits<Raw>::max())
        return Currency::max();
    if (value < std::numeric_limits<Raw>::min())
        return Currency::min();
    return Currency::fromRaw(static_cast<Raw>(value));
}

} // namespace

int monthsTrading(GameDate date)
{
    return 12 * (date.year() - FirstYear) + (date.month() - 1);
}

std::optional<Currency> scoreFor(Currency netWorth, int months)
{
    if (months <= 0)
        return std::nullopt;
    // Whole-number division of the ten-thousandths gives the exact floor, which a double
    // quotient can miss once the worth outgrows its 53 bits. The divisor stays below 2^52.
    return Currency(floorDivide(netWorth.raw(), HundredDollars * months));
}

QString rankFor(Currency score)
{
    if (score <= Currency(500))
        return QStringLiteral("Galley Hand");
    if (score < Currency(1000))
        return QStringLiteral("Compradore");
    if (score < Currency(8000))
        return QStringLiteral("Sardek");
    if (score < Currency(50000))
        return QStringLiteral("Master Sardek");
    return QStringLiteral("Ma Tsu");
}

QString timeTradingText(int months)
{
    return QString::number(months) +
           (months == 1 ? QStringLiteral(" Month") : QStringLiteral(" Months"));
}

void updateNetWorthScoreRank(GameState &state)
{
    // Summed wide, so a large bank balance and a large debt cancel instead of saturating first.
    state.NetWorth = saturate(Wide(state.Bank.raw()) + state.Cash.raw() - state.Debt.raw());
    if (const auto score = scoreFor(state.NetWorth, monthsTrading(state.GameDate)))
        state.Score = *score;
    state.Rank = rankFor(state.Score);
}

} // namespace Sardek
