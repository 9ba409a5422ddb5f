#pragma once

#include "ui/GuardedDialog.h"

class QLabel;
class QPushButton;

namespace Sardek
{

class MainWindow;

/**
 * The statistics window: time trading, worth, ship, cannons, score and rank with the legend
 * of ranks, and the only way to retire. The opener sets its title and which of Retire and OK
 * are enabled; while OK is disabled neither Esc nor the close box leaves it.
 */
class frmStats : public GuardedDialog
{
    Q_OBJECT

  public:
    /// Fills the values from the game as it was at the last redraw.
    explicit frmStats(MainWindow &main);

    QLabel *lblTimeValue = nullptr;
    QLabel *lblNetValue = nullptr;
    QLabel *lblShipValue = nullptr;
    QLabel *lblCannonsValue = nullptr;
    QLabel *lblTotalValue = nullptr;
    QLabel *lblRankValue = nullptr;
    QPushButton *cmdRetire = nullptr;
    QPushButton *cmdOK = nullptr;

  protected:
    /// Closing acts like OK, and so cannot get round a disabled OK.
    bool mayLeave() const override;

  private:
    QWidget *statisticsFrame();
    QWidget *legendFrame();
    void cmdRetire_Click();

    MainWindow &m_main;
};

} // namespace Sardek
