#pragma once

#include "core/MainForm.h"

#include <QList>

#include <array>
#include <utility>

class QAction;
class QPushButton;

namespace Sardek
{

/**
 * Keeps the main window inert while a turn (a voyage with its battles) runs: a save, load or
 * new game would act on a half-finished turn, and an order would trade at sea or sail inside
 * the voyage. Turns nest (a battle inside a voyage); only the outermost end gives the window
 * back: the menus as they were, the orders as the turn set them.
 */
class TurnLock
{
  public:
    /// The menu items and the nine order buttons (in Order's order) it holds; not owned.
    TurnLock(QList<QAction *> menus, std::array<QPushButton *, 9> orders);

    void begin();
    void end();
    bool running() const { return m_depth > 0; }
    /// While a turn runs the button stays off and shows enabled when the turn ends.
    void setOrderEnabled(Order order, bool enabled);

  private:
    QList<QAction *> m_menus;
    std::array<QPushButton *, 9> m_orders;
    int m_depth = 0;
    /// The menu items' enabled states when the turn began.
    QList<bool> m_menusBefore;
    /// The orders' enabled states as the turn has set them.
    std::array<bool, 9> m_ordersAfter{};
};

} // namespace Sardek
