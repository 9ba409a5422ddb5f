#pragma once

#include "runtime/Currency.h"

#include <QString>

#include <optional>

namespace Sardek
{

class GameDate;
struct GameState;

/**
 * The calendar-month boundaries from 15 Jan 1860 to date, whatever the days:
 * 12 * (year - 1860) + (month - 1). 0 all through January 1860; negative before it.
 */
int monthsTrading(GameDate date);

/**
 * The score for a net worth earned over months of trading: netWorth / (100 * months) rounded
 * down (towards minus infinity, so a negative worth gives a negative score). std::nullopt when
 * months <= 0: the score is then left as it was. Exact for every Currency value.
 */
std::optional<Currency> scoreFor(Currency netWorth, int months);

/**
 * The rank title of a score: up to 500 (negative scores included) "Galley Hand", to 999
 * "Compradore", to 7,999 "Sardek", to 49,999 "Master Sardek", from 50,000 "Ma Tsu".
 */
QString rankFor(Currency score);

/// The statistics window's time: "0 Months", "1 Month", "27 Months".
QString timeTradingText(int months);

/**
 * The rating part of a redraw: NetWorth = Bank + Cash - Debt (exact, saturating only when the
 * true result lies beyond Currency's range), then Score when the date is past January 1860,
 * then Rank from Score. Changes nothing else.
 */
void updateNetWorthScoreRank(GameState &state);

} // namespace Sardek
