#pragma once

#include "battle/BattleState.h"

class QString;
class QObject;

namespace Sardek
{

// Only declared: the battle window's header, which moc reads, includes this one, and moc cannot
// parse the standard <concepts> header that Currency's own needs.
class Currency;

/**
 * What the battle shows as it plays out. The battle window implements it; headless play and
 * tests use a silent or a recording view. Calls come in the order of the battle's steps, with
 * the pauses between them made by the runtime.
 */
class BattleView
{
  public:
    virtual ~BattleView() = default;

    /// The captain's message.
    virtual void showReport(const QString &text) = 0;
    /// The counts: pirates afloat, the ship's condition in percent (also on the main window's
    /// status gauge and frame), the ship's cannons.
    virtual void showEnemyShips(int count) = 0;
    virtual void showStatus(Currency status) = 0;
    virtual void showCannons(Currency cannons) = 0;
    /// Which order buttons can be pressed.
    virtual void enableOrders(UsableOrders orders) = 0;

    /// Pirate index (0 to 47) afloat or not; a ship shown again stands at its full height.
    virtual void showShip(int index, bool afloat) = 0;
    /// Frame 1 to 48 of pirate index going down: its top 10 twips lower per frame and its
    /// height as much less, its bottom edge staying put.
    virtual void showSinkingFrame(int index, int frame) = 0;
    /// The fleet's background red while a shot hits the player, black otherwise.
    virtual void showHit(bool hit) = 0;

    /// A dated line in the main window's log.
    virtual void appendLogEntry(const QString &entry) = 0;
    /// Redraws the main window from the record.
    virtual void redrawMainWindow() = 0;
    /// The window the battle's message boxes are modal over; none without windows.
    virtual QObject *messageParent() { return nullptr; }
};

} // namespace Sardek
