// What a voyage and its battles may do to the record, held against the written rules and the
// lines they logged. Every bound here comes from the rules' own figures (a month, 0.5 %, 10 %,
// 5 to 25 price steps, 300 to 1,350 a ship), never from the game's code.
#include "VoyageChecks.h"

#include "core/Goods.h"

#include <QDate>

#include <optional>

namespace Sardek::Play
{

namespace
{

// Balances this large may have saturated, where the rules' arithmetic no longer holds.
bool nearTheLimit(Currency value)
{
    return value > Currency(Currency::MaxWhole / 4) || value < Currency(Currency::MinWhole / 4);
}

// Int(value / divisor): rounded down, so a negative balance earns negative interest.
Currency floorDivided(Currency value, Currency::Raw divisor)
{
    const Currency::Raw step = divisor * Currency::Scale;
    Currency::Raw whole = value.raw() / step;
    if (value.raw() % step != 0 && value.raw() < 0)
        --whole;
    return Currency(whole);
}

// The whole number that follows text in log ("$1,250", "-$39,931", "12%"), if log holds text.
std::optional<Currency::Raw> numberAfter(const QString &log, const QString &text)
{
    const qsizetype at = log.indexOf(text);
    if (at < 0)
        return std::nullopt;
    QStringView rest = QStringView(log).mid(at + text.size());
    const bool negative = rest.startsWith(QLatin1Char('-'));
    Currency::Raw number = 0;
    for (const QChar c : rest.mid(negative)) {
        if (c == QLatin1Char(',') || c == QLatin1Char('$'))
            continue;
        if (!c.isDigit())
            break;
        number = number * 10 + c.digitValue();
    }
    return negative ? -number : number;
}

// The rest of the line that follows text in log, if log holds text.
std::optional<QString> lineAfter(const QString &log, const QString &text)
{
    const qsizetype at = log.indexOf(text);
    if (at < 0)
        return std::nullopt;
    const qsizetype from = at + text.size();
    return log.mid(from, log.indexOf(QLatin1Char('\r'), from) - from);
}

// A price is rolled as 5 to 25 steps of its good's unit.
constexpr Currency::Raw PriceUnits[] = {1000, 100, 10, 1};

bool rolledPrice(Currency price, Good good)
{
    const Currency::Raw unit = PriceUnits[std::size_t(good)] * Currency::Scale;
    return price.raw() % unit == 0 && price.raw() / unit >= 5 && price.raw() / unit <= 25;
}

// A rolled price divided by 6, rounded down, at least 1.
bool droppedPrice(Currency price, Good good)
{
    for (Currency::Raw step = 5; step <= 25; ++step)
        if (std::max(floorDivided(Currency(step * PriceUnits[std::size_t(good)]), 6),
                     Currency(1)) == price)
            return true;
    return false;
}

// Bounded as Int(Rnd * whole / 2) + 1 is: 1 to half of whole, rounded up.
bool halfAtMost(Currency::Raw taken, Currency whole)
{
    return taken >= 1 && Currency(2 * (taken - 1)) < whole;
}

// The first field that differs, by name, or empty.
QString firstDifference(const GameState &expected, const GameState &actual)
{
    if (expected.GameDate != actual.GameDate)
        return QStringLiteral("GameDate ") + actual.GameDate.toString();
    if (expected.CurrentPort != actual.CurrentPort)
        return QStringLiteral("CurrentPort ") + actual.CurrentPort;
    const std::pair<const char *, Currency GameState::*> fields[] = {
        {"Cannons", &GameState::Cannons},
        {"ShipStatus", &GameState::ShipStatus},
        {"HoldUsed", &GameState::HoldUsed},
        {"HoldCapacity", &GameState::HoldCapacity},
        {"ShipOpium", &GameState::ShipOpium},
        {"ShipSilk", &GameState::ShipSilk},
        {"ShipArms", &GameState::ShipArms},
        {"ShipGeneral", &GameState::ShipGeneral},
        {"Bank", &GameState::Bank},
        {"Debt", &GameState::Debt},
        {"Cash", &GameState::Cash},
        {"TributeCounter", &GameState::TributeCounter},
        {"WarehouseOpium", &GameState::WarehouseOpium},
        {"WarehouseSilk", &GameState::WarehouseSilk},
        {"WarehouseArms", &GameState::WarehouseArms},
        {"WarehouseGeneral", &GameState::WarehouseGeneral},
        {"PriceOpium", &GameState::PriceOpium},
        {"PriceSilk", &GameState::PriceSilk},
        {"PriceArms", &GameState::PriceArms},
        {"PriceGeneral", &GameState::PriceGeneral},
        {"CannonPrice", &GameState::CannonPrice},
        {"ShipPrice", &GameState::ShipPrice}};
    for (const auto &[name, field] : fields)
        if (expected.*field != actual.*field)
            return QLatin1String(name) + QStringLiteral(" %1, expected %2")
                                             .arg((actual.*field).toDouble())
                                             .arg((expected.*field).toDouble());
    return expected == actual ? QString() : QStringLiteral("another field");
}

// Collects the first promise broken.
class Promises
{
  public:
    void operator()(bool kept, const char *promise)
    {
        if (!kept && m_broken.isEmpty())
            m_broken = QLatin1String(promise);
    }
    QString broken(const GameState &expected, const GameState &actual) const
    {
        if (!m_broken.isEmpty())
            return m_broken;
        const QString difference = firstDifference(expected, actual);
        return difference.isEmpty() ? QString() : QStringLiteral("changed ") + difference;
    }

  private:
    QString m_broken;
};

void checkPrices(const GameState &arrived, const QString &log, GameState &expected,
                 Promises &promise)
{
    int jumps = 0;
    for (Good good : AllGoods) {
        const Currency price = priceOf(arrived, good);
        const QString before = QStringLiteral(" - The price of ") + goodName(good);
        const auto rose = numberAfter(log, before + QStringLiteral(" has risen to "));
        const auto fell = numberAfter(log, before + QStringLiteral(" has dropped to "));
        jumps += rose.has_value() + fell.has_value();
        if (rose)
            promise(price == Currency(*rose) && price.raw() % 6 == 0 &&
                        rolledPrice(Currency::fromRaw(price.raw() / 6), good),
                    "a price rose off its range");
        else if (fell)
            promise(price == Currency(*fell) && droppedPrice(price, good),
                    "a price dropped off its range");
        else
            promise(rolledPrice(price, good), "a price was rolled off its range");
        priceOf(expected, good) = price;
    }
    promise(jumps <= 1, "two prices jumped");
}

// The storm, the seizure, the robbery and the theft, each as its line reports it.
void checkMisfortunes(const GameState &sailed, const GameState &arrived, const QString &log,
                      GameState &expected, Promises &promise)
{
    if (const auto damage = numberAfter(log, QStringLiteral("we have received "))) {
        promise(sailed.ShipStatus > 9 && halfAtMost(*damage, sailed.ShipStatus),
                "a storm out of its bounds");
        expected.ShipStatus -= *damage;
    }
    if (const auto fine = numberAfter(log, QStringLiteral("and fined you "))) {
        promise(sailed.ShipOpium > 0, "opium seized from an empty hold");
        promise(sailed.Cash <= 0 ? *fine == 0 : halfAtMost(*fine, sailed.Cash),
                "a fine out of its bounds");
        expected.HoldUsed -= sailed.ShipOpium;
        expected.ShipOpium = 0;
        expected.Cash -= *fine;
    }
    if (const auto stolen = numberAfter(log, QStringLiteral("robbed of "))) {
        promise(expected.Cash > 9 && halfAtMost(*stolen, expected.Cash),
                "a robbery out of its bounds");
        expected.Cash -= *stolen;
    }
    if (!log.contains(QStringLiteral("Messanger reports large theft from warehouse")))
        return;
    bool robbed = false;
    for (Good good : AllGoods) {
        const Currency stock = stockOf(sailed, Place::Warehouse, good);
        if (stock <= 1)
            continue;
        const Currency left = stockOf(arrived, Place::Warehouse, good);
        promise(left < stock && halfAtMost((stock - left).raw() / Currency::Scale, stock) &&
                    (stock - left).raw() % Currency::Scale == 0,
                "a theft out of its bounds");
        stockOf(expected, Place::Warehouse, good) = left;
        robbed = true;
    }
    promise(robbed, "a theft from a warehouse of single units");
}

void checkOffers(const GameState &sailed, const QString &log, GameState &expected,
                 Promises &promise)
{
    if (const auto price = numberAfter(log, QStringLiteral("a ship's cannon is available for "))) {
        promise(*price >= 400 && *price <= 3000, "a cannon offered off its price range");
        expected.CannonPrice = *price;
    }
    if (const auto price = numberAfter(log, QStringLiteral("by paying an additional "))) {
        const Currency base = sailed.HoldCapacity * 400;
        promise(sailed.HoldCapacity < 30000 && Currency(*price) >= std::min(base, Currency(5000)) &&
                    Currency(*price) <= std::max(base, Currency(5000)),
                "a ship offered off its price range");
        expected.ShipPrice = *price;
    }
}

// Interest first, then the tribute, whose shortfall the debt takes.
void checkBalances(const GameState &sailed, const GameState &arrived, const QString &log,
                   GameState &expected, Promises &promise)
{
    expected.Bank += floorDivided(sailed.Bank, 200);
    expected.Debt += floorDivided(sailed.Debt, 10);
    if (nearTheLimit(sailed.Bank))
        expected.Bank = arrived.Bank;
    if (nearTheLimit(sailed.Debt) || nearTheLimit(sailed.Cash))
        std::tie(expected.Debt, expected.Cash) = std::pair(arrived.Debt, arrived.Cash);
    const Currency grown = arrived.TributeCounter - sailed.TributeCounter;
    const auto paid = numberAfter(log, QStringLiteral(" - Payed "));
    if (!paid) {
        promise(grown == 1 || grown == 2, "the tribute counter grew off 1 or 2");
        expected.TributeCounter = arrived.TributeCounter;
        return;
    }
    promise(arrived.TributeCounter == 0 && sailed.TributeCounter + 2 > 10,
            "a tribute paid that was not due");
    expected.TributeCounter = 0;
    expected.Cash -= *paid;
    if (expected.Cash < 0 && !nearTheLimit(sailed.Cash)) {
        expected.Debt -= expected.Cash;
        expected.Cash = 0;
    }
}

} // namespace

QString arrivalProblem(const GameState &sailed, const GameState &arrived, const QString &voyageLog,
                       const QString &destination)
{
    GameState expected = sailed;
    Promises promise;
    const QDate monthOn =
        QDate(sailed.GameDate.year(), sailed.GameDate.month(), sailed.GameDate.day()).addMonths(1);
    expected.GameDate =
        GameDate::fromYmd(monthOn.year(), monthOn.month(), monthOn.day()).value_or(sailed.GameDate);
    const auto blownTo = lineAfter(voyageLog, QStringLiteral("we have been blown off course to "));
    promise(blownTo != destination, "blown off course to the destination");
    expected.CurrentPort = blownTo.value_or(destination);
    checkPrices(arrived, voyageLog, expected, promise);
    checkMisfortunes(sailed, arrived, voyageLog, expected, promise);
    checkOffers(sailed, voyageLog, expected, promise);
    checkBalances(sailed, arrived, voyageLog, expected, promise);
    expected.GameSaved = false;
    return promise.broken(expected, arrived);
}

QString freshGameProblem(const GameState &state)
{
    GameState expected = state;
    const bool withCash = state.Cash == 400;
    expected.GameDate = *GameDate::fromYmd(1860, 1, 15);
    expected.CurrentPort = HongKong;
    for (Good good : AllGoods) {
        stockOf(expected, Place::Ship, good) = stockOf(expected, Place::Warehouse, good) = 0;
        if (!rolledPrice(priceOf(state, good), good))
            return QStringLiteral("a new game's price off its range");
    }
    std::tie(expected.Cash, expected.Debt, expected.Bank) =
        withCash ? std::tuple(400, 5000, 0) : std::tuple(0, 0, 0);
    expected.Cannons = withCash ? 0 : 5;
    std::tie(expected.HoldUsed, expected.HoldCapacity, expected.ShipStatus) =
        std::tuple(expected.Cannons * 10, Currency(60), Currency(100));
    std::tie(expected.TributeCounter, expected.NetWorth) = std::pair(0, 0);
    std::tie(expected.GameInProgress, expected.GameOver, expected.MillionaireShown) =
        std::tuple(true, false, false);
    const QString difference = firstDifference(expected, state);
    return difference.isEmpty() ? QString() : QStringLiteral("a new game kept ") + difference;
}

WatchedBattles::WatchedBattles(GameState &game, Runtime &runtime, BattleStrategy strategy,
                               VoyageView &log)
    : m_game(game), m_log(log), m_battles(game, runtime, std::move(strategy), this)
{
}

void WatchedBattles::MeetPirates(QObject *owner)
{
    const GameState before = m_game;
    m_volleys = m_seenSinking = 0;
    m_hitsAllowed = 0;
    m_battles.MeetPirates(owner);
    m_afterLast = m_game;
    if (m_problem.isEmpty() && m_battles.lastOutcome() != BattleOutcome::ProgramEnded)
        m_problem = battleProblem(before);
}

void WatchedBattles::showReport(const QString &text)
{
    if (text == QStringLiteral("They're firing on us, Sardek!")) {
        ++m_volleys;
        m_hitsAllowed += m_afloat;
    }
}

void WatchedBattles::showSinkingFrame(int, int frame)
{
    m_seenSinking += frame == 1;
}

QString WatchedBattles::battleProblem(const GameState &before) const
{
    const GameState &after = m_game;
    GameState expected = before;
    Promises promise;
    const Currency gunsLost = before.Cannons - after.Cannons;
    promise(gunsLost >= 0 && gunsLost <= m_volleys, "more guns lost than one a volley");
    expected.Cannons = after.Cannons;
    const Currency damage = before.ShipStatus - after.ShipStatus;
    promise(damage >= 0 && damage <= m_hitsAllowed, "more damage than the pirates afloat could do");
    expected.ShipStatus = after.ShipStatus;
    bool hadCargo = false, emptied = true;
    for (Good good : AllGoods) {
        hadCargo = hadCargo || stockOf(before, Place::Ship, good) >= 1;
        emptied = emptied && stockOf(after, Place::Ship, good) == 0;
    }
    const bool dumped = hadCargo && emptied;
    if (dumped)
        for (Good good : AllGoods)
            stockOf(expected, Place::Ship, good) = 0;
    // Dumping leaves the guns' 10 units each; a gun lost takes its 10.
    expected.HoldUsed = dumped ? after.Cannons * 10 : before.HoldUsed - gunsLost * 10;
    if (m_battles.lastOutcome() == BattleOutcome::Victory) {
        const Currency booty = after.Cash - before.Cash;
        const Currency::Raw perShip =
            m_seenSinking > 0 ? booty.raw() / Currency::Scale / m_seenSinking : 0;
        promise(m_seenSinking > 0 && booty == Currency(perShip * m_seenSinking) && perShip >= 300 &&
                    perShip <= 1350,
                "booty off 300 to 1,350 a ship sunk");
        expected.Cash = nearTheLimit(before.Cash) ? after.Cash : before.Cash + booty;
    }
    if (m_battles.lastOutcome() == BattleOutcome::Sunk)
        std::tie(expected.GameInProgress, expected.GameOver) = std::pair(false, true);
    return promise.broken(expected, after);
}

} // namespace Sardek::Play
