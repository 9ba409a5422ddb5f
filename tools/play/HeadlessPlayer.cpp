// Whole games through the rules at random, each action checking what its rules promise.
#include "Play.h"
#include "VoyageChecks.h"

#include "battle/Battle.h"
#include "core/EndOfGame.h"
#include "core/GameState.h"
#include "core/NewGame.h"
#include "core/Purchases.h"
#include "info/ScoreRank.h"
#include "runtime/HeadlessRuntime.h"
#include "services/Bank.h"
#include "services/MoneyLender.h"
#include "services/Repair.h"
#include "services/Transfer.h"
#include "services/TypedAmount.h"
#include "trade/Trade.h"
#include "trade/TradeOrder.h"
#include "voyage/SilentVoyageView.h"
#include "voyage/Voyage.h"

#include <functional>

namespace Sardek::Play
{

namespace
{

__extension__ typedef __int128 Wide;

// Sums beyond this may have saturated, where nothing is conserved any more.
constexpr Wide Huge = Wide(Currency::MaxWhole / 10) * Currency::Scale;

// Empty when kept, else promise: the shape of every check.
QString unless(bool kept, const char *promise)
{
    return kept ? QString() : QLatin1String(promise);
}

// Ship and warehouse together: what moving cargo keeps.
Currency unitsOf(const GameState &state, Good good)
{
    return stockOf(state, Place::Ship, good) + stockOf(state, Place::Warehouse, good);
}

// All the firm owns, exactly, in ten-thousandths: cash, bank less debt, every stock at the
// port's prices and the ship's condition at the shipyard's rate. Trades and services only move
// value between these.
Wide holdings(const GameState &state)
{
    Wide worth = Wide(state.Cash.raw()) + state.Bank.raw() - state.Debt.raw() +
                 Wide(state.ShipStatus.raw()) * repairRate(state).raw() / Currency::Scale;
    for (Good good : AllGoods)
        worth += Wide(unitsOf(state, good).raw()) * priceOf(state, good).raw() / Currency::Scale;
    return worth;
}

BattleOrder randomOrder(std::mt19937 &choices, UsableOrders usable)
{
    const std::pair<bool, BattleOrder> orders[] = {{usable.fight, BattleOrder::Fight},
                                                   {usable.death, BattleOrder::FightToDeath},
                                                   {usable.dump, BattleOrder::DumpCargo},
                                                   {true, BattleOrder::Run}};
    const auto &[allowed, order] = orders[choices() % 4];
    return allowed ? order : BattleOrder::Run;
}

// One game as the main window would let a player play it: the orders its port offers, the
// lender closed after a loan and away from home, a cannon or ship offer open until taken or the
// next voyage. Choices have their own generator, so the game's Rnd rolls are the rules' alone.
class PlayerGame
{
  public:
    PlayerGame(std::uint32_t seed, Tally &tally)
        : m_seed(seed), m_tally(tally), m_choices(seed ^ 0x5eed5eedU), m_runtime(seed),
          m_battle(
              m_state, m_runtime,
              [this](const Battle &, UsableOrders usable) {
                  return randomOrder(m_choices, usable);
              },
              m_view)
    {
        m_runtime.setAnswerer(
            [this](const QString &, MsgBoxStyle style) { return randomAnswer(m_choices, style); });
        startGame(m_state, m_runtime, pick(2) ? Scenario::Cannons : Scenario::CashAndDebt,
                  QStringLiteral("Player %1").arg(seed));
        m_overpaymentAllowed = pick(2);
    }

    std::optional<QString> play(int maxVoyages)
    {
        QString problem;
        long actions = 0;
        const char *name = nullptr;
        while (problem.isEmpty() && m_inProgress && m_voyages < maxVoyages) {
            const auto offered = actionsOffered();
            const auto &[action, act] = offered[std::size_t(pick(int(offered.size())))];
            name = action;
            ++actions;
            m_state.GameSaved = true; // as if just saved, so that every change must clear it
            m_before = m_state;
            problem = act();
            if (m_inProgress)
                redraw();
            if (problem.isEmpty() && m_inProgress && !m_edited)
                problem = recordProblem(m_state, m_overpaymentAllowed);
        }
        m_tally.actions += actions;
        m_tally.voyages += m_voyages;
        m_tally.battles += m_battle.battles().battlesFought();
        m_tally.rolls += m_runtime.rolls();
        if (problem.isEmpty())
            return std::nullopt;
        return QStringLiteral("seed %1 action %2 (%3): %4")
            .arg(QString::number(m_seed), QString::number(actions), QLatin1String(name), problem);
    }

  private:
    // The orders the port offers, by name; leaving weighs three times.
    std::vector<std::pair<const char *, std::function<QString()>>> actionsOffered()
    {
        decltype(actionsOffered()) offered{{"Buy", [this] { return trade(true); }},
                                           {"Sell", [this] { return trade(false); }},
                                           {"Save and load", [this] { return saveAndLoad(); }}};
        for (int i = 0; i < 3; ++i)
            offered.push_back({"Leave", [this] { return leave(); }});
        if (m_state.CurrentPort == HongKong) {
            offered.push_back({"Bank", [this] { return bank(); }});
            offered.push_back({"Transfer", [this] { return transfer(); }});
            if (m_state.ShipStatus < 100 || m_edited) // edited games try it on any ship
                offered.push_back({"Repair", [this] { return repair(); }});
            if (m_lenderOpen)
                offered.push_back({"Money lender", [this] { return lend(); }});
        }
        if (m_cannonOffered)
            offered.push_back({"Buy cannon", [this] { return purchase(false); }});
        if (m_shipOffered)
            offered.push_back({"Buy ship", [this] { return purchase(true); }});
        if (m_state.NetWorth >= Million)
            offered.push_back({"Retire", [this] { return retire(); }});
        return offered;
    }

    // A refusal as a whole changes nothing. A done action is no longer saved, changes no field
    // but those moved (and, when cargo moved, the stocks) and keeps what the firm owns.
    QString settled(const QStringList &log, bool refused,
                    std::initializer_list<Currency GameState::*> moved, bool cargo)
    {
        logAll(log);
        m_tally.refusals += refused;
        if (refused)
            return unless(m_before == m_state, "a refusal changed the record");
        GameState unmoved = m_state;
        for (Currency GameState::*field : moved)
            unmoved.*field = m_before.*field;
        if (cargo)
            for (Good good : AllGoods)
                for (Place place : {Place::Ship, Place::Warehouse})
                    stockOf(unmoved, place, good) = stockOf(m_before, place, good);
        if (unmoved == m_before)
            return QStringLiteral("still marked saved");
        unmoved.GameSaved = m_before.GameSaved;
        if (!(unmoved == m_before))
            return QStringLiteral("a field beyond the action's changed");
        const Wide owned = holdings(m_before);
        return unless(owned <= -Huge || owned >= Huge || holdings(m_state) == owned,
                      "value was lost");
    }

    // The main window's redraw: the rating, the millionaire's window once, bankruptcy.
    void redraw()
    {
        updateNetWorthScoreRank(m_state);
        const EndOfGameDue due = endOfGameDue(m_state);
        if (due.millionaire)
            m_state.MillionaireShown = true;
        if (due.bankrupt)
            m_inProgress = false;
    }

    int pick(int count) { return int(m_choices() % std::uint32_t(count)); }

    // The amounts players type: part of the most allowed, nothing, the most, one more, digits
    // beyond any balance, the largest number there is, leading zeros and stray characters, or
    // the box left alone.
    TypedAmount amount(Currency most)
    {
        const Currency::Raw whole = std::max<Currency::Raw>(0, most.raw() / Currency::Scale);
        const TypedAmount amounts[] = {
            TypedAmount::of(std::uniform_int_distribution<Currency::Raw>(0, whole)(m_choices)),
            TypedAmount(QStringLiteral("0")),
            TypedAmount::of(most),
            TypedAmount::of(most + 1),
            TypedAmount(QStringLiteral("99999999999999999999999")),
            TypedAmount::of(Currency::MaxWhole),
            TypedAmount(QStringLiteral("$0%1,x").arg(whole / 2)),
            {}};
        return amounts[pick(8)];
    }

    // The log as the main window keeps it, so the games cost what they would with windows.
    void logAll(const QStringList &entries)
    {
        for (const QString &entry : entries)
            m_view.appendLogEntry(entry);
    }

    // Buys or sells a random share of what the rules allow.
    QString trade(bool buying)
    {
        // The warehouse is a choice at home only; the choice is rolled everywhere all the same.
        const bool warehouse = pick(2) && m_state.CurrentPort == HongKong;
        const Place place = warehouse ? Place::Warehouse : Place::Ship;
        std::array<QString, 4> texts;
        for (Good good : AllGoods) {
            const Currency most = buying ? largestPurchase(m_state, place, good, TradeOrder())
                                         : stockOf(m_state, place, good);
            texts[std::size_t(good)] = pick(2) ? amount(most).text() : "0";
        }
        const Outcome outcome =
            (buying ? Sardek::buy : Sardek::sell)(m_state, place, TradeOrder(texts));
        return settled(outcome.logEntries, outcome.refusal.has_value(),
                       {&GameState::Cash, &GameState::HoldUsed}, true);
    }

    // The bank and lender may stop after a first step, which stays; the bank is asked for a
    // withdrawal alone now and then, the lender repaid up to the larger of debt and cash.
    QString bank()
    {
        const Outcome outcome = pick(8)
                                    ? visitBank(m_state, amount(m_state.Cash), amount(m_state.Bank))
                                    : visitBank(m_state, {}, amount(m_state.Bank));
        return settled(outcome.logEntries, outcome.refusal && outcome.logEntries.isEmpty(),
                       {&GameState::Cash, &GameState::Bank}, false);
    }

    QString lend()
    {
        const Outcome outcome =
            visitLender(m_state, amount(BorrowLimit(m_state)),
                        amount(std::max(m_state.Debt, m_state.Cash)), m_overpaymentAllowed);
        if (outcome.loanGranted)
            m_lenderOpen = false;
        return settled(outcome.logEntries, outcome.refusal && outcome.logEntries.isEmpty(),
                       {&GameState::Cash, &GameState::Debt}, false);
    }

    QString transfer()
    {
        const Good stored = AllGoods[std::size_t(pick(4))], loaded = AllGoods[std::size_t(pick(4))];
        const Outcome outcome =
            transferCargo(m_state, {stored, amount(toWarehouseMaximum(m_state, stored)), loaded,
                                    amount(toShipMaximum(m_state, loaded))});
        for (Good good : AllGoods)
            if (unitsOf(m_state, good) != unitsOf(m_before, good))
                return QStringLiteral("cargo was lost");
        return settled(outcome.logEntries, outcome.refusal.has_value(), {&GameState::HoldUsed},
                       true);
    }

    // To any condition, past what the slider offers too: a repair the cash cannot pay for is
    // refused; one of no point, or of a sound ship, changes nothing; none pays the player.
    QString repair()
    {
        const Outcome outcome = pick(2) ? repairMax(m_state) : repairTo(m_state, pick(110));
        if (m_state.Cash > m_before.Cash)
            return QStringLiteral("a repair paid the player");
        return settled(outcome.logEntries, outcome.logEntries.isEmpty(),
                       {&GameState::Cash, &GameState::ShipStatus}, false);
    }

    QString purchase(bool ship)
    {
        const Outcome outcome = ship ? purchaseShip(m_state) : purchaseCannon(m_state);
        if (outcome.refusal)
            return unless(m_before == m_state, "a refusal changed the record");
        (ship ? m_shipOffered : m_cannonOffered) = false;
        logAll(outcome.logEntries);
        // Exactly what was paid for: 50 more hold and a sound ship, or a gun and its 10 units.
        GameState delivered = m_before;
        delivered.Cash -= ship ? m_before.ShipPrice : m_before.CannonPrice;
        if (ship)
            std::tie(delivered.HoldCapacity, delivered.ShipStatus) =
                std::pair(m_before.HoldCapacity + 50, Currency(100));
        else
            std::tie(delivered.Cannons, delivered.HoldUsed) =
                std::pair(m_before.Cannons + 1, m_before.HoldUsed + 10);
        return unless(m_state == delivered, "the purchase did not deliver what it charged for");
    }

    QString saveAndLoad()
    {
        if (const QString problem = roundTripProblem(m_state); !problem.isEmpty())
            return problem;
        m_state.GameSaved = true;
        m_lenderOpen = m_state.CurrentPort == HongKong;
        m_cannonOffered = m_shipOffered = false;
        if (m_seed % 4 == 0)
            edit();
        return {};
    }

    // A voyage to a random other port, its battles and arrival checked, with the orders the
    // arrival offers.
    QString leave()
    {
        int destination = 1 + pick(6);
        if (PortNames[destination - 1] == m_state.CurrentPort)
            destination = 7;
        const int battlesBefore = m_battle.battles().battlesFought();
        const qsizetype logBefore = m_view.log().text().size();
        Depart({m_state, m_runtime, m_view}, m_battle, destination);
        const QString voyageLog = m_view.log().text().mid(logBefore);
        m_view.log().trim();
        ++m_voyages;
        if (!m_battle.problem().isEmpty())
            return m_battle.problem();
        if (m_battle.battles().lastOutcome() == BattleOutcome::ProgramEnded ||
            m_runtime.programEnded())
            return retire();
        if (!m_state.GameInProgress)
            return playAgain();
        const GameState &sailed = m_battle.battles().battlesFought() > battlesBefore
                                      ? m_battle.afterLastBattle()
                                      : m_before;
        if (QString problem =
                arrivalProblem(sailed, m_state, voyageLog, PortNames[destination - 1]);
            !problem.isEmpty())
            return problem;
        m_lenderOpen = m_view.isOrderEnabled(Order::Money);
        m_cannonOffered = m_view.isOrderEnabled(Order::Cannon);
        m_shipOffered = m_view.isOrderEnabled(Order::Ship);
        return {};
    }

    // Sunk, and the player plays again: the main window starts a new game, which keeps
    // nothing of the one lost.
    QString playAgain()
    {
        startGame(m_state, m_runtime, pick(2) ? Scenario::Cannons : Scenario::CashAndDebt,
                  QStringLiteral("Player %1").arg(m_seed));
        m_lenderOpen = true;
        m_cannonOffered = m_shipOffered = m_edited = false;
        ++m_tally.sinkings;
        return freshGameProblem(m_state);
    }

    QString retire()
    {
        m_inProgress = false;
        return {};
    }

    // In every fourth game each saved file is edited before it is loaded: the hold, a balance or
    // the ship's condition set to what the game never writes. The record's invariants are broken
    // from then on, so only the actions' promises are checked.
    void edit()
    {
        Currency GameState::*const fields[] = {&GameState::HoldCapacity, &GameState::Cash,
                                               &GameState::Bank, &GameState::Debt,
                                               &GameState::ShipStatus};
        const int values[] = {0, -60, 150, -5000};
        m_state.*fields[pick(5)] = values[pick(4)];
        m_tally.editedGames += !m_edited;
        m_edited = true;
    }

    std::uint32_t m_seed;
    Tally &m_tally;
    std::mt19937 m_choices;
    HeadlessRuntime m_runtime;
    GameState m_state;
    GameState m_before; ///< the record before the action being played
    SilentVoyageView m_view{m_state};
    WatchedBattles m_battle;
    bool m_inProgress = true;
    bool m_lenderOpen = true;
    bool m_cannonOffered = false;
    bool m_shipOffered = false;
    bool m_overpaymentAllowed = false;
    bool m_edited = false;
    int m_voyages = 0;
};

} // namespace

MsgBoxResult randomAnswer(std::mt19937 &choices, MsgBoxStyle style)
{
    if (hasOkOnly(style))
        return MsgBoxResult::Ok;
    const bool cancel = style == MsgBoxStyle::ExclamationYesNoCancel && choices() % 3 == 0;
    return cancel ? MsgBoxResult::Cancel : choices() % 2 ? MsgBoxResult::Yes : MsgBoxResult::No;
}

std::optional<QString> playGames(std::uint32_t first, long games, int maxVoyages, Tally &tally)
{
    for (long game = 0; game < games; ++game) {
        ++tally.games;
        if (auto failure = PlayerGame(first + std::uint32_t(game), tally).play(maxVoyages))
            return failure;
    }
    return std::nullopt;
}

} // namespace Sardek::Play
