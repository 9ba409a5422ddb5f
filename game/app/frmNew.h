#pragma once

#include "ui/GuardedDialog.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace Sardek
{

class frmMain;

/**
 * The New Game dialog: the scenario, the firm's name, and Start Game, which fills the whole
 * record afresh. After a lost game (GameOver) it cannot be left without starting one: Cancel
 * is disabled and Esc and the close box do nothing.
 */
class frmNew : public GuardedDialog
{
    Q_OBJECT

  public:
    explicit frmNew(frmMain &main);

    QGroupBox *fraSelectScenario = nullptr;
    QRadioButton *optCash = nullptr;
    QRadioButton *optDebt = nullptr;
    QGroupBox *fraFirm = nullptr;
    QLineEdit *txtFirm = nullptr;
    QPushButton *cmdStart = nullptr;
    QPushButton *cmdCancel = nullptr;

  protected:
    bool mayLeave() const override;

  private:
    void cmdStart_Click();

    frmMain &m_main;
};

} // namespace Sardek
