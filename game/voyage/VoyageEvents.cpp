#include "voyage/VoyageEvents.h"

#include "core/GameState.h"
#include "runtime/Formats.h"
#include "voyage/Ports.h"
#include "voyage/VoyageRolls.h"
#include "voyage/VoyageView.h"

#include <algorithm>
#include <array>

namespace Sardek
{

namespace
{

QString dollars(Currency amount)
{
    return FormatNumber(amount, NumberFormat::Dollars);
}

bool rollHits(const VoyageContext &voyage, int count, int hit)
{
    return rollWhole(voyage.runtime, count, 1) == hit;
}

// A good's name with its price and warehouse stock, in goods order.
struct GoodFields {
    const char *name;
    Currency GameState::*price;
    Currency GameState::*warehouse;
};

constexpr std::array<GoodFields, 4> Goods{{
    {"Opium", &GameState::PriceOpium, &GameState::WarehouseOpium},
    {"Silk", &GameState::PriceSilk, &GameState::WarehouseSilk},
    {"Arms", &GameState::PriceArms, &GameState::WarehouseArms},
    {"General", &GameState::PriceGeneral, &GameState::WarehouseGeneral},
}};

void CannonOffer(const VoyageContext &voyage)
{
    if (!rollHits(voyage, 5, 1))
        return;
    GameState &state = voyage.state;
    state.CannonPrice = rollWhole(voyage.runtime, 2601, 400);
    voyage.view.appendLogEntry(QStringLiteral(" - Sardek, a ship's cannon is available for ") +
                               dollars(state.CannonPrice));
    voyage.view.setOrderEnabled(Order::Cannon, true);
}

void ShipOffer(const VoyageContext &voyage)
{
    GameState &state = voyage.state;
    if (!rollHits(voyage, 12, 2) || state.HoldCapacity >= 30000)
        return;
    const double base = (state.HoldCapacity * 400).toDouble();
    const double r = voyage.runtime.Rnd();
    state.ShipPrice = Int((base - 5000 + 1) * r + 5000);
    voyage.view.appendLogEntry(
        QStringLiteral(" - Sardek, you can trade in your ship for one with 50 more capacity") +
        Continuation + QStringLiteral(" by paying an additional ") + dollars(state.ShipPrice));
    voyage.view.setOrderEnabled(Order::Ship, true);
    flashLog(voyage, LogCyan);
}

void OpiumSeizure(const VoyageContext &voyage)
{
    GameState &state = voyage.state;
    if (!rollHits(voyage, 25, 3) || state.ShipOpium <= 0)
        return;
    const Currency fine = state.Cash <= 0 ? Currency(0) : rollShare(voyage.runtime, state.Cash, 2);
    voyage.view.appendLogEntry(
        QStringLiteral(" - Bad Joss!  The local authorities have seized your "
                       "opium") +
        Continuation + QStringLiteral("and fined you ") + dollars(fine));
    state.HoldUsed -= state.ShipOpium;
    state.ShipOpium = 0;
    state.Cash -= fine;
    flashLog(voyage, LogRed);
}

void Robbery(const VoyageContext &voyage)
{
    GameState &state = voyage.state;
    if (!rollHits(voyage, 25, 4) || state.Cash <= 9)
        return;
    const Currency stolen = rollShare(voyage.runtime, state.Cash, 2);
    voyage.view.appendLogEntry(
        QStringLiteral(" - Bad Joss!  You have been beaten up and robbed of ") + dollars(stolen));
    state.Cash -= stolen;
    flashLog(voyage, LogRed);
}

void WarehouseTheft(const VoyageContext &voyage)
{
    GameState &state = voyage.state;
    const bool hit = rollHits(voyage, 25, 5);
    auto stocked = [&state](const GoodFields &good) { return state.*good.warehouse > 1; };
    if (!hit || std::none_of(Goods.begin(), Goods.end(), stocked))
        return;
    for (const GoodFields &good : Goods)
        if (stocked(good))
            state.*good.warehouse -= rollShare(voyage.runtime, state.*good.warehouse, 2);
    voyage.view.appendLogEntry(
        QStringLiteral(" - Bad Joss!  Messanger reports large theft from warehouse, Sardek!"));
    flashLog(voyage, LogRed);
}

// j = 1, 3, 5, 7 raise opium, silk, arms, general sixfold; the even j drop them to a sixth.
void PriceJump(const VoyageContext &voyage)
{
    if (!rollHits(voyage, 25, 1))
        return;
    const int j = rollWhole(voyage.runtime, 8, 1);
    const GoodFields &good = Goods[std::size_t((j - 1) / 2)];
    Currency &price = voyage.state.*good.price;
    const bool rise = j % 2 == 1;
    if (rise) {
        price *= 6;
    } else {
        price = Int(Currency::fromRaw(price.raw() / 6));
        if (price < 1)
            price = 1;
    }
    voyage.view.appendLogEntry(
        QStringLiteral(" - The price of ") + QLatin1String(good.name) +
        (rise ? QStringLiteral(" has risen to ") : QStringLiteral(" has dropped to ")) +
        dollars(price));
    flashLog(voyage, LogCyan);
}

} // namespace

void flashLog(const VoyageContext &voyage, LogColour colour)
{
    voyage.view.setLogBackground(colour);
    voyage.runtime.Delay(20);
    voyage.view.setLogBackground(LogBlack);
}

void BlownOffCourse(const VoyageContext &voyage)
{
    if (!rollHits(voyage, 25, 1))
        return;
    GameState &state = voyage.state;
    int port = rollPort(voyage.runtime);
    while (portName(port) == state.CurrentPort)
        port = rollPort(voyage.runtime);
    state.CurrentPort = portName(port);
    voyage.view.appendLogEntry(QStringLiteral(" - Sardek, we have been blown off course to ") +
                               state.CurrentPort);
    flashLog(voyage, LogRed);
}

void Storm(const VoyageContext &voyage)
{
    GameState &state = voyage.state;
    if (!rollHits(voyage, 50, 5) || state.ShipStatus <= 9)
        return;
    const Currency damage = rollShare(voyage.runtime, state.ShipStatus, 2);
    voyage.view.appendLogEntry(QStringLiteral(" - Sardek!, we have received ") +
                               PlainNumber(damage) + QStringLiteral("% Damage from a storm"));
    state.ShipStatus -= damage;
    flashLog(voyage, LogRed);
}

void ArrivalEvents(const VoyageContext &voyage)
{
    CannonOffer(voyage);
    ShipOffer(voyage);
    OpiumSeizure(voyage);
    Robbery(voyage);
    WarehouseTheft(voyage);
    PriceJump(voyage);
}

} // namespace Sardek
