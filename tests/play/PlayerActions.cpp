// The player's actions, each checking what its rules promise besides the record's invariants.
#include "PlayerGame.h"

#include "RecordChecks.h"

#include "core/Purchases.h"
#include "core/SavedGame.h"
#include "services/Bank.h"
#include "services/MoneyLender.h"
#include "services/Repair.h"
#include "services/Transfer.h"
#include "trade/Trade.h"
#include "trade/TradeOrder.h"
#include "voyage/Voyage.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace Sardek::Play
{

namespace
{

// Sums beyond this may have saturated, where nothing is conserved any more.
constexpr Wide Huge = Wide(Currency::MaxWhole / 10) * Currency::Scale;

bool small(Wide value)
{
    return value > -Huge && value < Huge;
}

// A refused action changes nothing; a done one keeps what it promised.
QString settled(bool refused, const GameState &before, const GameState &after, bool kept,
                const char *promise)
{
    if (refused)
        return before == after ? QString() : QStringLiteral("a refusal changed the record");
    if (after.GameSaved)
        return QStringLiteral("still marked saved");
    return kept ? QString() : QLatin1String(promise);
}

Place randomPlace(bool home, int choice)
{
    return home && choice ? Place::Warehouse : Place::Ship;
}

// Saving syncs the file to disk; a folder in memory keeps thousands of saves quick.
QTemporaryDir scratchFolder()
{
    const QString memory = QStringLiteral("/dev/shm");
    return QFileInfo(memory).isWritable() ? QTemporaryDir(memory + QStringLiteral("/sardek-XXXXXX"))
                                          : QTemporaryDir();
}

} // namespace

// The log as the main window keeps it, so the games cost what they would with windows.
void PlayerGame::logAll(const QStringList &entries)
{
    for (const QString &entry : entries)
        m_view.logAppend(entry);
}

// Buys or sells a random share of what the rules allow; the goods' worth at port prices stays.
QString PlayerGame::trade(bool buying)
{
    const GameState before = m_state;
    const Place place = randomPlace(m_state.CurrentPort == HongKong, pick(2));
    std::array<QString, 4> texts;
    for (Good good : AllGoods) {
        const Currency most = buying ? largestPurchase(m_state, place, good, TradeOrder())
                                     : stockOf(m_state, place, good);
        texts[std::size_t(good)] = pick(2) ? amount(most) : "0";
    }
    const TradeOutcome outcome =
        (buying ? Sardek::buy : Sardek::sell)(m_state, place, TradeOrder(texts));
    logAll(outcome.logEntries);
    const Wide worth = tradeWorth(before);
    return settled(outcome.refusal.has_value(), before, m_state,
                   !small(worth) || tradeWorth(m_state) == worth,
                   buying ? "buying lost money" : "selling lost money");
}

QString PlayerGame::bank()
{
    const Currency total = m_state.Cash + m_state.Bank;
    const ServiceOutcome outcome =
        visitBank(m_state, TypedAmount(amount(m_state.Cash)), TypedAmount(amount(m_state.Bank)));
    logAll(outcome.logEntries);
    const bool kept = !small(Wide(total.raw())) || m_state.Cash + m_state.Bank == total;
    return unless(kept && (outcome.refusal || !m_state.GameSaved), "the bank lost money");
}

QString PlayerGame::lend()
{
    const Currency net = m_state.Cash - m_state.Debt;
    const ServiceOutcome outcome =
        visitLender(m_state, TypedAmount(amount(BorrowLimit(m_state))),
                    TypedAmount(amount(repayMaximum(m_state))), m_overpaymentAllowed);
    logAll(outcome.logEntries);
    if (outcome.loanGranted)
        m_lenderOpen = false;
    const bool kept = !small(Wide(net.raw())) || m_state.Cash - m_state.Debt == net;
    return unless(kept && (outcome.refusal || !m_state.GameSaved), "the lender lost money");
}

QString PlayerGame::transfer()
{
    const GameState before = m_state;
    TransferOrder order;
    order.toWarehouseGood = AllGoods[std::size_t(pick(4))];
    order.toShipGood = AllGoods[std::size_t(pick(4))];
    order.toWarehouse = TypedAmount(amount(toWarehouseMaximum(m_state, order.toWarehouseGood)));
    order.toShip = TypedAmount(amount(toShipMaximum(m_state, order.toShipGood)));
    const ServiceOutcome outcome = transferCargo(m_state, order);
    logAll(outcome.logEntries);
    bool kept = m_state.Cash == before.Cash;
    for (Good good : AllGoods)
        kept = kept &&
               stockOf(m_state, Place::Ship, good) + stockOf(m_state, Place::Warehouse, good) ==
                   stockOf(before, Place::Ship, good) + stockOf(before, Place::Warehouse, good);
    return settled(outcome.refusal.has_value(), before, m_state, kept, "cargo was lost");
}

QString PlayerGame::repair()
{
    const GameState before = m_state;
    const Currency rate = repairRate(m_state);
    const ServiceOutcome outcome =
        pick(2) ? repairMax(m_state) : repairTo(m_state, repairTarget(m_state, pick(102)));
    logAll(outcome.logEntries);
    if (outcome.logEntries.isEmpty() && !outcome.refusal)
        return unless(before == m_state, "a repair of nothing changed the record");
    const bool kept =
        m_state.Cash + m_state.ShipStatus * rate == before.Cash + before.ShipStatus * rate;
    return settled(outcome.refusal.has_value(), before, m_state, kept, "repair mispriced");
}

QString PlayerGame::purchase(bool ship)
{
    const GameState before = m_state;
    const PurchaseOutcome outcome = ship ? purchaseShip(m_state) : purchaseCannon(m_state);
    if (outcome.refusal)
        return unless(before == m_state, "a refusal changed the record");
    (ship ? m_shipOffered : m_cannonOffered) = false;
    logAll({outcome.logEntry});
    const Currency price = ship ? before.ShipPrice : before.CannonPrice;
    return unless(m_state.Cash == before.Cash - price && m_state.GameSaved == before.GameSaved,
                  "the purchase mispriced");
}

QString PlayerGame::saveAndLoad()
{
    static const QTemporaryDir folder = scratchFolder();
    const QString path = folder.filePath(QStringLiteral("game.srd"));
    const SaveResult saved = saveGame(m_state, path);
    if (!saved.ok)
        return QStringLiteral("save failed: ") + saved.error;
    const LoadResult loaded = loadGame(path);
    if (!loaded.values)
        return QStringLiteral("load failed: ") + loaded.error;
    GameState reloaded = m_state;
    applySavedValues(*loaded.values, reloaded);
    if (!(reloaded == m_state))
        return QStringLiteral("the loaded game differs from the saved one");
    m_state.GameSaved = true;
    m_lenderOpen = m_state.CurrentPort == HongKong;
    m_cannonOffered = m_shipOffered = false;
    return {};
}

QString PlayerGame::leave()
{
    const GameState before = m_state;
    int destination = 1 + pick(6);
    if (PortNames[destination - 1] == m_state.CurrentPort)
        destination = 7;
    Depart({m_state, m_runtime, m_view}, m_battle, destination);
    m_view.log().trim();
    ++m_voyages;
    if (!m_state.GameInProgress || m_battle.lastOutcome() == BattleOutcome::ProgramEnded ||
        m_runtime.programEnded()) {
        m_inProgress = false;
        return {};
    }
    m_lenderOpen = m_view.isOrderEnabled(Order::Money);
    m_cannonOffered = m_view.isOrderEnabled(Order::Cannon);
    m_shipOffered = m_view.isOrderEnabled(Order::Ship);
    if (m_state.GameDate != before.GameDate.addMonths(1))
        return QStringLiteral("the voyage took other than a month");
    if (m_state.Bank < before.Bank ||
        m_state.Bank > before.Bank + Int(before.Bank.toDouble() * 0.0051))
        return QStringLiteral("bank interest wrong");
    if (before.Debt > 0 && m_state.Debt < before.Debt + Int(before.Debt.toDouble() * 0.0999))
        return QStringLiteral("debt interest missing");
    return priceProblem(m_state);
}

} // namespace Sardek::Play
