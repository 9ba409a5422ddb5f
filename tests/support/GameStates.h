#pragma once

#include "core/GameState.h"
#include "runtime/GameDate.h"

#include <tuple>

namespace Sardek::Testing
{

/// A sound ship of 60 in Hong Kong on Jan 15, 1860, saved, with nothing aboard and nothing owed.
inline GameState portState()
{
    GameState s;
    s.GameInProgress = s.GameSaved = true;
    s.GameDate = GameDate::fromYmd(1860, 1, 15).value();
    s.FirmName = QStringLiteral("Lee");
    s.CurrentPort = HongKong;
    s.ShipStatus = 100;
    s.HoldCapacity = 60;
    return s;
}

/// The port state with $10,000 in cash and the prices 1,000 / 500 / 100 / 10.
inline GameState tradingState()
{
    GameState s = portState();
    s.Cash = 10000;
    std::tie(s.PriceOpium, s.PriceSilk, s.PriceArms, s.PriceGeneral) =
        std::tuple(Currency(1000), Currency(500), Currency(100), Currency(10));
    return s;
}

} // namespace Sardek::Testing
