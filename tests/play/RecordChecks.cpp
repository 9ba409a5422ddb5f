// The record's invariants, checked after every action of the player and step of the monkey.
#include "Play.h"

#include "core/GameState.h"
#include "core/Goods.h"
#include "runtime/Formats.h"

namespace Sardek::Play
{

namespace
{

QString below0(const char *name, Currency value)
{
    return value < 0 ? QLatin1String(name) + QStringLiteral(" is ") + PlainNumber(value)
                     : QString();
}

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
    for (const QString &problem :
         {below0("Cash", state.Cash), below0("Bank", state.Bank), below0("Cannons", state.Cannons),
          negativeDebtAllowed ? QString() : below0("Debt", state.Debt), stockProblem(state)})
        if (!problem.isEmpty())
            return problem;
    if (state.ShipStatus < 0 || state.ShipStatus > 100)
        return QStringLiteral("ShipStatus ") + PlainNumber(state.ShipStatus);
    if (!PortNames.contains(state.CurrentPort))
        return QStringLiteral("no such port: ") + state.CurrentPort;
    return {};
}

QString priceProblem(const GameState &state)
{
    constexpr Currency::Raw Units[] = {1000, 100, 10, 1};
    for (Good good : AllGoods) {
        const Currency::Raw unit = Units[std::size_t(good)];
        const Currency price = priceOf(state, good);
        if (price < std::max<Currency::Raw>(1, 5 * unit / 6) || price > 25 * unit * 6)
            return goodName(good) + QStringLiteral(" costs ") + PlainNumber(price);
    }
    return {};
}

} // namespace Sardek::Play
