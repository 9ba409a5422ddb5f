#include "app/TurnLock.h"

#include <QAction>
#include <QPushButton>

namespace Sardek
{

TurnLock::TurnLock(QList<QAction *> menus, std::array<QPushButton *, 9> orders)
    : m_menus(std::move(menus)), m_orders(orders)
{
}

void TurnLock::begin()
{
    if (m_depth++ > 0)
        return;
    m_menusBefore.clear();
    for (QAction *item : std::as_const(m_menus)) {
        m_menusBefore.append(item->isEnabled());
        item->setEnabled(false);
    }
    for (std::size_t i = 0; i < m_orders.size(); ++i) {
        m_ordersAfter[i] = m_orders[i]->isEnabled();
        m_orders[i]->setEnabled(false);
    }
}

void TurnLock::end()
{
    if (m_depth == 0 || --m_depth > 0)
        return;
    for (qsizetype i = 0; i < m_menus.size(); ++i)
        m_menus[i]->setEnabled(m_menusBefore[i]);
    for (std::size_t i = 0; i < m_orders.size(); ++i)
        m_orders[i]->setEnabled(m_ordersAfter[i]);
}

void TurnLock::setOrderEnabled(Order order, bool enabled)
{
    if (running())
        m_ordersAfter[std::size_t(order)] = enabled;
    else
        m_orders[std::size_t(order)]->setEnabled(enabled);
}

} // namespace Sardek
