#pragma once

#include "core/MainForm.h"

class QString;
class QObject;

namespace Sardek
{

/**
 * What a voyage shows as it runs. The Leave Port window shows it on the main window; games
 * played without windows keep the log and the orders' states and show nothing.
 */
class VoyageView
{
  public:
    virtual ~VoyageView() = default;

    /// The Leave Port window steps aside while the voyage runs (it keeps its selection).
    virtual void hideLeavePort() = 0;
    /// Appends a line break, the record's game date and entry (which begins " - ").
    virtual void appendLogEntry(const QString &entry) = 0;
    /// Appends text on the last line of the log (a dot of the passing voyage).
    virtual void appendLogText(const QString &text) = 0;
    /// The main window's busy pointer, on while the ship is at sea.
    virtual void setBusyPointer(bool busy) = 0;
    /// The log's background: black, or red or cyan while news flashes.
    virtual void setLogBackground(LogColour colour) = 0;
    virtual void setOrderEnabled(Order order, bool enabled) = 0;
    /// The window a battle is modal over: the hidden Leave Port window; null without windows.
    virtual QObject *battleOwner() = 0;
};

} // namespace Sardek
