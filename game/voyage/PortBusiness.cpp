// The business waiting in the port of arrival: the pirate lord's lieutenant elsewhere; the
// money lender, the shipyard and the pirate lord's demand for tribute in Hong Kong.
#include "core/GameState.h"
#include "runtime/Formats.h"
#include "voyage/VoyageEvents.h"
#include "voyage/VoyageRolls.h"
#include "voyage/VoyageView.h"

namespace Sardek
{

namespace
{

QString dollars(Currency amount)
{
    return FormatNumber(amount, NumberFormat::Dollars);
}

bool tributeDue(const GameState &state)
{
    return state.TributeCounter > 10;
}

void LieutenantsWarning(const VoyageContext &voyage)
{
    voyage.view.appendLogEntry(
        QStringLiteral(" - Mok Sai has sent a lieutenant, Sardek.  He says his admiral wishes") +
        Continuation + QStringLiteral("to see you in Hong Kong, Posthaste!"));
}

void ShipyardVisit(const VoyageContext &voyage)
{
    voyage.view.appendLogEntry(
        QStringLiteral(" - Sardek, Dunmore from the Hong Kong Shipyards has arrived!  He says,") +
        Continuation +
        QStringLiteral(" 'I see ye've a wee bit of damage to yer ship.  I can repair your ship'"));
}

// NetWorth is the one of the last redraw, from before the voyage. A negative worth can make
// the first roll negative; the absolute value then makes the demand large.
Currency rollTribute(const VoyageContext &voyage)
{
    Currency demand = rollShare(voyage.runtime, voyage.state.NetWorth, 20);
    if (demand < 20) {
        demand += rollWhole(voyage.runtime, 80, 21);
        if (demand < 0)
            demand = -demand;
    }
    return demand;
}

void TributeDemand(const VoyageContext &voyage)
{
    GameState &state = voyage.state;
    const Currency demand = rollTribute(voyage);
    const MsgBoxResult answer = voyage.runtime.MsgBox(
        QStringLiteral("Mok Sai asks for ") + dollars(demand) +
            QStringLiteral(" in donation to the temple of Tin Hau, the Sea Goddess.   "),
        MsgBoxStyle::QuestionYesNo, QStringLiteral("Will You Pay?"));
    if (answer != MsgBoxResult::Yes)
        return;
    state.Cash -= demand;
    if (state.Cash < 0) {
        state.Debt += -state.Cash;
        state.Cash = 0;
        voyage.runtime.MsgBox(QStringLiteral("Adding Difference to Debt   "),
                              MsgBoxStyle::InformationOk, QStringLiteral("Not Enough Cash"));
    }
    state.TributeCounter = 0;
    voyage.view.appendLogEntry(QStringLiteral(" - Payed ") + dollars(demand) +
                               QStringLiteral(" in donation to the temple of Tin Hau"));
}

} // namespace

void PortBusiness(const VoyageContext &voyage)
{
    const GameState &state = voyage.state;
    if (state.CurrentPort != HongKong) {
        if (tributeDue(state))
            LieutenantsWarning(voyage);
        return;
    }
    voyage.view.setOrderEnabled(Order::Money, true);
    if (state.ShipStatus < 100)
        ShipyardVisit(voyage);
    if (tributeDue(state))
        TributeDemand(voyage);
}

} // namespace Sardek
