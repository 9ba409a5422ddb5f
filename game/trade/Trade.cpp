#include "trade/Trade.h"

#include "core/GameState.h"
#include "runtime/Formats.h"
#include "trade/TradeOrder.h"

#include <algorithm>

namespace Sardek
{

namespace
{

using MaybeCurrency = std::optional<Currency>;

MaybeCurrency minus(MaybeCurrency a, MaybeCurrency b)
{
    return a && b ? Currency::checkedSub(*a, *b) : std::nullopt;
}

MaybeCurrency plus(MaybeCurrency a, MaybeCurrency b)
{
    return a && b ? Currency::checkedAdd(*a, *b) : std::nullopt;
}

MaybeCurrency costOf(const GameState &state, const TradeOrder &order, Good good)
{
    const MaybeCurrency amount = order.amount(good);
    return amount ? Currency::checkedMul(*amount, priceOf(state, good)) : std::nullopt;
}

template <typename Term> MaybeCurrency totalOf(Term term)
{
    MaybeCurrency total = Currency(0);
    for (Good good : AllGoods)
        total = plus(total, term(good));
    return total;
}

MaybeCurrency freeSpace(const GameState &state, Place place)
{
    if (place == Place::Ship)
        return Currency::checkedSub(state.HoldCapacity, state.HoldUsed);
    return minus(Currency(WarehouseCapacity),
                 totalOf([&](Good good) { return stockOf(state, Place::Warehouse, good); }));
}

// Exact integer division: a quotient of doubles could round up to a unit the cash cannot pay.
Currency affordableUnits(Currency money, Currency price)
{
    if (price <= 0)
        return money >= 0 ? Currency(Currency::MaxWhole) : Currency(0);
    Currency::Raw units = money.raw() / price.raw();
    if (money.raw() % price.raw() < 0)
        --units;
    return Currency(std::min(units, Currency::MaxWhole));
}

Outcome refused(const QString &message)
{
    return Outcome{{}, message};
}

QString logEntry(const char *verb, const QString &amount, Good good, Currency price)
{
    return QLatin1String(verb) + amount + QLatin1Char(' ') + goodName(good) +
           QStringLiteral(" @ ") + FormatNumber(price, NumberFormat::Dollars) +
           QStringLiteral(" Each");
}

} // namespace

Currency largestPurchase(const GameState &state, Place destination, Good good,
                         const TradeOrder &order)
{
    MaybeCurrency money = state.Cash;
    MaybeCurrency space = freeSpace(state, destination);
    for (Good other : AllGoods) {
        if (other == good)
            continue;
        money = minus(money, costOf(state, order, other));
        space = minus(space, order.amount(other));
    }
    if (!money || !space)
        return 0;
    // Only whole units can be bought: a fractional free space from an edited game caps at its
    // whole part.
    return std::max(std::min(affordableUnits(*money, priceOf(state, good)), Int(*space)),
                    Currency(0));
}

Outcome buy(GameState &state, Place destination, const TradeOrder &order)
{
    const MaybeCurrency cost = totalOf([&](Good good) { return costOf(state, order, good); });
    if (!cost || *cost > state.Cash)
        return refused(InsufficientFunds);
    const MaybeCurrency units = totalOf([&](Good good) { return order.amount(good); });
    const MaybeCurrency space = freeSpace(state, destination);
    if (!units || !space || *units > *space)
        return refused(destination == Place::Ship ? InsufficientHold : InsufficientStorage);

    Outcome outcome;
    for (Good good : AllGoods)
        stockOf(state, destination, good) += *order.amount(good);
    if (destination == Place::Ship)
        state.HoldUsed += *units;
    state.Cash -= *cost;
    for (Good good : AllGoods)
        if (const Currency amount = *order.amount(good); amount > 0)
            outcome.logEntries << logEntry(" - Bought ", PlainNumber(amount), good,
                                           priceOf(state, good));
    state.GameSaved = false;
    return outcome;
}

Outcome sell(GameState &state, Place source, const TradeOrder &order)
{
    const GameState &before = state;
    for (Good good : AllGoods) {
        const MaybeCurrency amount = order.amount(good);
        if (!amount || *amount > stockOf(before, source, good))
            return refused(InsufficientCargo);
    }

    Outcome outcome;
    for (Good good : AllGoods)
        stockOf(state, source, good) -= *order.amount(good);
    if (source == Place::Ship)
        for (Good good : AllGoods)
            state.HoldUsed -= *order.amount(good);
    for (Good good : AllGoods)
        state.Cash += *order.amount(good) * priceOf(state, good);
    for (Good good : AllGoods)
        if (*order.amount(good) > 0)
            outcome.logEntries << logEntry(" - Sold ", order.text(good), good,
                                           priceOf(state, good));
    state.GameSaved = false;
    return outcome;
}

} // namespace Sardek
