#include "voyage/Voyage.h"

#include "core/GameState.h"
#include "core/NewGame.h"
#include "core/PirateEncounter.h"
#include "voyage/Ports.h"
#include "voyage/VoyageEvents.h"
#include "voyage/VoyageRolls.h"
#include "voyage/VoyageView.h"

namespace Sardek
{

namespace
{

// Int(value / divisor) exactly, whatever the size: value's ten-thousandths are divided
// rounding down, then the whole part is taken, which is the same floor.
Currency wholeShare(Currency value, Currency::Raw divisor)
{
    Currency::Raw quotient = value.raw() / divisor;
    if (value.raw() % divisor != 0 && value.raw() < 0)
        --quotient;
    return Int(Currency::fromRaw(quotient));
}

void leavePort(const VoyageContext &voyage)
{
    for (Order order : AllOrders)
        voyage.view.setOrderEnabled(order, false);
    voyage.view.hideLeavePort();
    voyage.view.appendLogEntry(QStringLiteral(" - Departing ") + voyage.state.CurrentPort);
    voyage.view.setBusyPointer(true);
}

void sail(const VoyageContext &voyage, PirateEncounter &encounter)
{
    int encounters = 0;
    for (int step = 1; step <= VoyageSteps; ++step) {
        voyage.view.appendLogText(QStringLiteral("."));
        voyage.runtime.Delay(StepMilliseconds);
        if (rollWhole(voyage.runtime, 110, 1) == 5 && encounters < MostEncounters) {
            ++encounters;
            encounter.MeetPirates(voyage.view.battleOwner());
        }
        if (!voyage.state.GameInProgress)
            return;
    }
}

void addInterest(GameState &state)
{
    state.Bank += wholeShare(state.Bank, 200);
    state.Debt += wholeShare(state.Debt, 10);
}

void arrive(const VoyageContext &voyage, int destination)
{
    GameState &state = voyage.state;
    rollPrices(state, voyage.runtime);
    state.GameDate = state.GameDate.addMonths(1);
    state.CurrentPort = portName(destination);
    BlownOffCourse(voyage);
    Storm(voyage);
    voyage.view.appendLogEntry(QStringLiteral(" - Arriving at ") + state.CurrentPort);
    addInterest(state);
    state.TributeCounter += rollWhole(voyage.runtime, 2, 1);
    ArrivalEvents(voyage);
    PortBusiness(voyage);
    state.GameSaved = false;
}

} // namespace

void Depart(const VoyageContext &voyage, PirateEncounter &encounter, int destination)
{
    leavePort(voyage);
    sail(voyage, encounter);
    voyage.view.setBusyPointer(false);
    if (voyage.state.GameInProgress)
        arrive(voyage, destination);
}

} // namespace Sardek
