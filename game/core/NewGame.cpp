#include "core/NewGame.h"

#include "core/GameState.h"
#include "runtime/Runtime.h"

namespace Sardek
{

namespace
{

constexpr int StartYear = 1860;
constexpr int StartMonth = 1;
constexpr int StartDay = 15;

// One opening price: Int(r * 21 + 5) of the good's unit, in double, where r * 21 is exact, so
// no rounding can lift r just below 1 to the next whole number.
Currency rollPrice(Runtime &runtime, Currency::Raw unit)
{
    const double r = runtime.Rnd();
    Currency price = Int(r * 21.0 + 5.0) * unit;
    return price < Currency(1) ? Currency(1) : price;
}

void emptyShipAndWarehouse(GameState &state)
{
    state.WarehouseOpium = state.WarehouseSilk = state.WarehouseArms = 0;
    state.WarehouseGeneral = 0;
    state.Bank = 0;
    state.Debt = 0;
    state.ShipOpium = state.ShipSilk = state.ShipArms = state.ShipGeneral = 0;
    state.Cash = 0;
    state.NetWorth = 0;
}

// Maps a whole code point, so a name opening outside the basic plane stays intact; the simple
// one-to-one mapping keeps the rest of the name where it was typed.
QString upperCaseFirst(const QString &name)
{
    const bool pair = name.size() > 1 && name[0].isHighSurrogate() && name[1].isLowSurrogate();
    const char32_t lead = pair ? QChar::surrogateToUcs4(name[0], name[1]) : name[0].unicode();
    const char32_t upper = QChar::toUpper(lead);
    if (upper == lead)
        return name;
    return QString::fromUcs4(&upper, 1) + name.mid(pair ? 2 : 1);
}

} // namespace

void rollPrices(GameState &state, Runtime &runtime)
{
    // Sequenced statements, not one expression, so the rolls keep their order.
    state.PriceOpium = rollPrice(runtime, 1000);
    state.PriceSilk = rollPrice(runtime, 100);
    state.PriceArms = rollPrice(runtime, 10);
    state.PriceGeneral = rollPrice(runtime, 1);
}

QString firmNameFrom(const QString &typed)
{
    qsizetype first = 0;
    qsizetype end = typed.size();
    while (first < end && typed[first] == QLatin1Char(' '))
        ++first;
    while (end > first && typed[end - 1] == QLatin1Char(' '))
        --end;
    if (first == end)
        return QStringLiteral("Sardek");
    return upperCaseFirst(typed.mid(first, end - first));
}

void startGame(GameState &state, Runtime &runtime, Scenario scenario, const QString &typedFirm)
{
    state.CurrentPort = HongKong;
    emptyShipAndWarehouse(state);
    state.Cannons = 0;
    state.ShipStatus = 100;
    state.HoldUsed = 0;
    state.HoldCapacity = 60;
    state.TributeCounter = 0;
    state.MillionaireShown = false;
    state.GameInProgress = true;
    state.GameOver = false;
    rollPrices(state, runtime);
    state.GameDate = GameDate::fromYmd(StartYear, StartMonth, StartDay).value();
    if (scenario == Scenario::CashAndDebt) {
        state.Cash = 400;
        state.Debt = 5000;
    } else {
        state.Cannons = 5;
        state.HoldUsed = 50;
    }
    state.FirmName = firmNameFrom(typedFirm);
    state.GameInProgress = true;
    state.GameSaved = true;
}

QString HouseCaption(const QString &firm)
{
    return QStringLiteral("House of ") + firm + QStringLiteral(", Hong Kong ");
}

} // namespace Sardek
