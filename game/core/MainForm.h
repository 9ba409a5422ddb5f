#pragma once

#include "core/GameState.h"

class QString;
class QObject;

namespace Sardek
{

class Runtime;

/// The nine order buttons of the main window, in their order on screen.
enum class Order { Buy, Sell, Leave, Visit, Money, Transfer, Repair, Cannon, Ship };

/// A colour of the log's background, red, green and blue from 0 to 255.
struct LogColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const LogColour &) const = default;
};
/// The log's own background; bad news flashes it red, good news cyan.
inline constexpr LogColour LogBlack{0, 0, 0};
inline constexpr LogColour LogRed{255, 0, 0};
inline constexpr LogColour LogCyan{0, 255, 255};

inline constexpr Order AllOrders[] = {Order::Buy,    Order::Sell,   Order::Leave,
                                      Order::Visit,  Order::Money,  Order::Transfer,
                                      Order::Repair, Order::Cannon, Order::Ship};

/**
 * What the rules may reach of the main window: the one game record, the runtime, the log, the
 * redraw, the order buttons, the log's colour and the status preview. The main window
 * implements it through ui/MainWindow, which adds the window itself for the forms; neither
 * rules nor forms include the main window's own header.
 */
class MainForm
{
  public:
    virtual ~MainForm() = default;

    virtual GameState &state() = 0;
    virtual Runtime &runtime() = 0;
    /// The main window, as the owner of the messages the rules show over it.
    virtual QObject &messageOwner() = 0;

    /// Appends a line break, the game date and entry (which begins " - ") to the log.
    virtual void LogAppend(const QString &entry) = 0;
    /// Appends text to the end of the log without a line break or date (the voyage's dots).
    virtual void LogAppendRaw(const QString &text) = 0;
    /// Puts the log's caret at the end, as every order does first thing, refused or not.
    virtual void moveLogCaretToEnd() = 0;
    /// Recomputes worth, score and rank, redraws every field and gauge, and runs the
    /// millionaire, trillionaire and bankruptcy checks, in that order.
    virtual void UpdateMainForm() = 0;

    /// While a turn runs the button stays disabled and the state set here (an offer made on
    /// arrival, say) shows when the turn ends.
    virtual void setOrderEnabled(Order order, bool enabled) = 0;
    virtual bool isOrderEnabled(Order order) const = 0;
    /// The check mark of Options > Enable Money Lender Bug.
    virtual bool moneyLenderBugEnabled() const = 0;

    /// The log's background colour: black normally, red or cyan for a moment when news comes.
    virtual void setLogBackground(LogColour colour) = 0;
    /// While a turn (a voyage with its battles) runs, the menus and the order buttons are
    /// inert whatever a redraw says, and a close request asks before ending the program.
    /// Ending the turn restores the menus and shows the orders as the turn set them; the next
    /// redraw enables the orders by their rules. Turns nest (a battle inside a voyage): only
    /// the end of the outermost gives the window back.
    virtual void setTurnRunning(bool running) = 0;

    /// Shows status on the status gauge and its frame caption without touching the record;
    /// the next UpdateMainForm shows the record again.
    virtual void previewStatus(Currency status) = 0;
};

} // namespace Sardek
