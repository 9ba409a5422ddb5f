#include "voyage/WindowVoyageView.h"

#include "ui/MainWindow.h"

#include <QWidget>

namespace Sardek
{

WindowVoyageView::WindowVoyageView(MainWindow &main, QWidget *leavePort)
    : m_main(main), m_leavePort(leavePort)
{
}

void WindowVoyageView::hideLeavePort()
{
    if (m_leavePort)
        m_leavePort->hide();
}

void WindowVoyageView::appendLogEntry(const QString &entry)
{
    m_main.LogAppend(entry);
}

void WindowVoyageView::appendLogText(const QString &text)
{
    m_main.LogAppendRaw(text);
}

void WindowVoyageView::setBusyPointer(bool busy)
{
    if (busy)
        m_main.window().setCursor(Qt::BusyCursor);
    else
        m_main.window().unsetCursor();
}

void WindowVoyageView::setLogBackground(LogColour colour)
{
    m_main.setLogBackground(colour);
}

void WindowVoyageView::setOrderEnabled(Order order, bool enabled)
{
    m_main.setOrderEnabled(order, enabled);
}

} // namespace Sardek
