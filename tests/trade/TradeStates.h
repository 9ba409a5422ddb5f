#pragma once

#include "core/GameState.h"
#include "runtime/GameDate.h"

namespace Sardek::Testing
{

/// A game in Hong Kong on Jan 15, 1860: 60 hold units, nothing aboard or stored, $10,000 in
/// cash and the prices 1,000 / 500 / 100 / 10.
inline GameState tradingState()
{
    GameState s;
    s.GameInProgress = true;
    s.GameSaved = true;
    s.GameDate = GameDate::fromYmd(1860, 1, 15).value();
    s.FirmName = QStringLiteral("Lee");
    s.CurrentPort = HongKong;
    s.ShipStatus = 100;
    s.HoldCapacity = 60;
    s.Cash = 10000;
    s.PriceOpium = 1000;
    s.PriceSilk = 500;
    s.PriceArms = 100;
    s.PriceGeneral = 10;
    return s;
}

} // namespace Sardek::Testing
