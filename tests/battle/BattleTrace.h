#pragma once

#include "GameStates.h"
#include "QtPrinters.h"
#include "ScriptedRuntime.h"

#include "battle/Battle.h"
#include "battle/BattleView.h"
#include "core/GameState.h"
#include "runtime/Formats.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace Sardek::Testing
{

/// Writes down what the battle shows, and the runtime's pauses, in one list.
class TraceView : public BattleView
{
  public:
    explicit TraceView(ScriptedRuntime &runtime)
    {
        runtime.onDelay = [this](std::uint32_t ms) { trace << "delay " + QString::number(ms); };
    }

    void showReport(const QString &text) override { trace << "report " + text; }
    void showEnemyShips(int count) override { trace << "enemy " + QString::number(count); }
    void showStatus(Currency status) override { trace << "status " + PlainNumber(status); }
    void showCannons(Currency cannons) override { trace << "cannons " + PlainNumber(cannons); }
    void enableOrders(UsableOrders o) override
    {
        trace << QStringLiteral("orders ") + (o.fight ? 'F' : '-') + (o.death ? 'D' : '-') +
                     (o.run ? 'R' : '-') + (o.dump ? 'U' : '-');
    }
    void showShip(int i, bool afloat) override
    {
        trace << "ship " + QString::number(i) + (afloat ? " afloat" : " gone");
    }
    void showSinkingFrame(int i, int) override { trace << "frame " + QString::number(i); }
    void showHit(bool hit) override { trace << (hit ? "red" : "black"); }
    void logAppend(const QString &entry) override { trace << "log" + entry; }
    void updateMainForm() override { trace << "redraw"; }

    /// The trace joined by " | ", each run of three or more repeats of one or two events
    /// written once, as "frame 2 x48" or "frame 2, delay 5 x48".
    QString compressed() const
    {
        QStringList out;
        for (qsizetype i = 0; i < trace.size();) {
            const qsizetype p = trace.value(i + 1) == trace[i] ? 1 : 2;
            qsizetype k = 1;
            while (i + (k + 1) * p <= trace.size() && trace.mid(i + k * p, p) == trace.mid(i, p))
                ++k;
            out << (k < 3 ? trace[i] : trace.mid(i, p).join(", ") + " x" + QString::number(k));
            i += k < 3 ? 1 : k * p;
        }
        return out.join(" | ");
    }

    QStringList trace;
};

/// The sound ship of 60 in Hong Kong on Jan 15, 1860, at sea with $1,000, no cargo, no guns.
inline GameState atSea()
{
    GameState s = portState();
    s.Cash = 1000;
    return s;
}

/// Sets the guns, with their 10 hold units each, and opium aboard.
inline void arm(GameState &s, int cannons, int opium = 0)
{
    s.Cannons = cannons;
    s.ShipOpium = opium;
    s.HoldUsed = 10 * cannons + opium;
}

} // namespace Sardek::Testing
