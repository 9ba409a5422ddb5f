// The record's invariants, checked after every action of the player and step of the monkey.
#include "Play.h"

#include "core/GameState.h"
#include "core/Goods.h"
#include "runtime/Formats.h"

namespace Sardek::Play
{

namespace
{

QString stockProblem(const GameState &state)
{
    Currency cargo = 10 * state.Cannons;
    Currency stored = 0;
    for (Good good : AllGoods) {
        for (Place place : {Place::Ship, Place::Warehouse})
            if (stockOf(state, place, good) < 0)
                return goodName(good) + QStringLiteral(" stock below 0");
        cargo += stockOf(state, Place::Ship, good);
        stored += stockOf(state, Place::Warehouse, good);
    }
    if (stored > WarehouseCapacity)
        return QStringLiteral("warehouse holds ") + PlainNumber(stored);
    if (state.HoldUsed != cargo)
        return QStringLiteral("HoldUsed ") + PlainNumber(state.HoldUsed) +
               QStringLiteral(" but cargo and cannons take ") + PlainNumber(cargo);
    return {};
}

} // namespace

QString recordProblem(const GameState &state, bool negativeDebtAllowed)
{
    const std::pair<const char *, Currency> balances[] = {
        {"Cash", state.Cash},
        {"Bank", state.Bank},
        {"Cannons", state.Cannons},
        {"Debt", negativeDebtAllowed ? Currency(0) : state.Debt}};
    for (const auto &[name, value] : balances)
        if (value < 0)
            return QLatin1String(name) + QStringLiteral(" is ") + PlainNumber(value);
    if (state.ShipStatus < 0 || state.ShipStatus > 100)
        return QStringLiteral("ShipStatus ") + PlainNumber(state.ShipStatus);
    if (!PortNames.contains(state.CurrentPort))
        return QStringLiteral("no such port: ") + state.CurrentPort;
    return stockProblem(state);
}

} // namespace Sardek::Play
