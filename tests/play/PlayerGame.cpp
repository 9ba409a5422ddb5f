#include "PlayerGame.h"

#include "RecordChecks.h"

#include "battle/Battle.h"
#include "core/NewGame.h"
#include "info/ScoreRank.h"
#include "services/TypedAmount.h"

namespace Sardek::Play
{

namespace
{

BattleOrder randomOrder(std::mt19937 &choices, UsableOrders usable)
{
    const std::pair<bool, BattleOrder> orders[] = {{usable.fight, BattleOrder::Fight},
                                                   {usable.death, BattleOrder::FightToDeath},
                                                   {usable.dump, BattleOrder::DumpCargo},
                                                   {true, BattleOrder::Run}};
    const auto &[allowed, order] = orders[choices() % 4];
    return allowed ? order : BattleOrder::Run;
}

MsgBoxResult randomAnswer(std::mt19937 &choices, MsgBoxStyle style)
{
    if (hasOkOnly(style))
        return MsgBoxResult::Ok;
    const bool cancel = style == MsgBoxStyle::ExclamationYesNoCancel && choices() % 3 == 0;
    return cancel ? MsgBoxResult::Cancel : choices() % 2 ? MsgBoxResult::Yes : MsgBoxResult::No;
}

} // namespace

QString unless(bool kept, const char *promise)
{
    return kept ? QString() : QLatin1String(promise);
}

PlayerGame::PlayerGame(std::uint32_t seed)
    : m_seed(seed), m_choices(seed ^ 0x5eed5eedU), m_runtime(seed),
      m_battle(m_state, m_runtime, [this](const Battle &, UsableOrders usable) {
          return randomOrder(m_choices, usable);
      })
{
    m_runtime.setAnswerer(
        [this](const QString &, MsgBoxStyle style) { return randomAnswer(m_choices, style); });
    startGame(m_state, m_runtime, pick(2) ? Scenario::Cannons : Scenario::CashAndDebt,
              QStringLiteral("Player %1").arg(seed));
    m_overpaymentAllowed = pick(2);
}

int PlayerGame::pick(int count)
{
    return int(m_choices() % std::uint32_t(count));
}

// The amounts players type: nothing, the most allowed, one more, part of it, digits beyond
// any balance, the largest number there is, leading zeros and stray characters.
QString PlayerGame::amount(Currency most)
{
    const Currency::Raw whole = std::max<Currency::Raw>(0, most.raw() / Currency::Scale);
    switch (pick(8)) {
    case 0:
        return QStringLiteral("0");
    case 1:
        return TypedAmount::of(most).text();
    case 2:
        return TypedAmount::of(most + 1).text();
    case 3:
        return QStringLiteral("99999999999999999999999");
    case 4:
        return QString::number(Currency::MaxWhole);
    case 5:
        return QStringLiteral("$0%1,x").arg(whole / 2);
    case 6:
        return {};
    default:
        return QString::number(std::uniform_int_distribution<Currency::Raw>(0, whole)(m_choices));
    }
}

std::optional<Failure> PlayerGame::playAction()
{
    const std::vector<Action> offered = actionsOffered();
    const Action &action = offered[std::size_t(pick(int(offered.size())))];
    ++m_actions;
    QString problem = action.play();
    if (m_inProgress)
        redraw();
    if (problem.isEmpty() && m_inProgress)
        problem = recordProblem(m_state, m_overpaymentAllowed);
    if (problem.isEmpty())
        return std::nullopt;
    return Failure{m_seed, m_actions, QLatin1String(action.name), problem};
}

std::vector<PlayerGame::Action> PlayerGame::actionsOffered()
{
    std::vector<Action> offered{{"Buy", [this] { return trade(true); }},
                                {"Sell", [this] { return trade(false); }},
                                {"Save and load", [this] { return saveAndLoad(); }}};
    for (int i = 0; i < 3; ++i)
        offered.push_back({"Leave", [this] { return leave(); }});
    if (m_state.CurrentPort == HongKong) {
        offered.push_back({"Bank", [this] { return bank(); }});
        offered.push_back({"Transfer", [this] { return transfer(); }});
        if (m_state.ShipStatus < 100)
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

// The main window's redraw: the rating, the millionaire's window once, bankruptcy.
void PlayerGame::redraw()
{
    updateNetWorthScoreRank(m_state);
    if (m_state.NetWorth >= Million && m_state.NetWorth < Trillion)
        m_state.MillionaireShown = true;
    if (m_state.Debt >= Trillion)
        m_inProgress = false;
}

QString PlayerGame::retire()
{
    m_inProgress = false;
    return {};
}

} // namespace Sardek::Play
