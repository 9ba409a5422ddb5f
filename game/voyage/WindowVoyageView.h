#pragma once

#include "voyage/VoyageView.h"

#include <QPointer>

namespace Sardek
{

class MainWindow;

/// Shows a voyage on the main window, with leavePort as the window that steps aside and owns
/// the battles. A Leave Port window already gone is skipped.
class WindowVoyageView : public VoyageView
{
  public:
    WindowVoyageView(MainWindow &main, QWidget *leavePort);

    void hideLeavePort() override;
    void appendLogEntry(const QString &entry) override;
    void appendLogText(const QString &text) override;
    void setBusyPointer(bool busy) override;
    void setLogBackground(LogColour colour) override;
    void setOrderEnabled(Order order, bool enabled) override;
    QObject *battleOwner() override { return m_leavePort; }

  private:
    MainWindow &m_main;
    QPointer<QWidget> m_leavePort;
};

} // namespace Sardek
