#include "battle/HeadlessBattle.h"

#include "battle/Battle.h"

namespace Sardek
{

namespace
{

bool usable(BattleOrder order, UsableOrders orders)
{
    switch (order) {
    case BattleOrder::Fight:
        return orders.fight;
    case BattleOrder::FightToDeath:
        return orders.death;
    case BattleOrder::Run:
        return orders.run;
    case BattleOrder::DumpCargo:
        return orders.dump;
    }
    return false;
}

void give(Battle &battle, BattleOrder order)
{
    switch (order) {
    case BattleOrder::Fight:
        return battle.Fight();
    case BattleOrder::FightToDeath:
        return battle.FightToTheDeath();
    case BattleOrder::Run:
        return battle.Run();
    case BattleOrder::DumpCargo:
        return battle.DumpCargo();
    }
}

BattleStrategy armedOrRun(BattleOrder armed)
{
    return [armed](const Battle &, UsableOrders orders) {
        return orders.fight ? armed : BattleOrder::Run;
    };
}

} // namespace

namespace BattleStrategies
{

BattleStrategy Fight()
{
    return armedOrRun(BattleOrder::Fight);
}

BattleStrategy FightToDeath()
{
    return armedOrRun(BattleOrder::FightToDeath);
}

BattleStrategy Run()
{
    return [](const Battle &, UsableOrders) { return BattleOrder::Run; };
}

BattleStrategy DumpAndRun()
{
    return [](const Battle &, UsableOrders orders) {
        return orders.dump ? BattleOrder::DumpCargo : BattleOrder::Run;
    };
}

} // namespace BattleStrategies

BattleOutcome PlayBattle(GameState &game, Runtime &runtime, BattleView &view,
                         const BattleStrategy &strategy)
{
    Battle battle(game, runtime, view);
    battle.Open();
    bool dumpAsked = false;
    while (!battle.decided()) {
        UsableOrders orders = battle.usableOrders();
        orders.dump = orders.dump && !dumpAsked;
        BattleOrder order = strategy(battle, orders);
        if (!usable(order, orders))
            order = BattleOrder::Run;
        dumpAsked = dumpAsked || order == BattleOrder::DumpCargo;
        give(battle, order);
    }
    view.redrawMainWindow();
    return battle.outcome();
}

HeadlessBattle::HeadlessBattle(GameState &game, Runtime &runtime, BattleStrategy strategy,
                               BattleView *view)
    : m_game(game), m_runtime(runtime), m_strategy(std::move(strategy)),
      m_view(view ? *view : m_silent)
{
}

void HeadlessBattle::MeetPirates(QObject *)
{
    ++m_battles;
    m_lastOutcome = PlayBattle(m_game, m_runtime, m_view, m_strategy);
}

} // namespace Sardek
