#pragma once

#include "info/HelpPages.h"

#include <QDialog>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;

namespace Sardek
{

/**
 * The help window, "Sardek Help": four page buttons down the left, the current page on the
 * right in the frame fraContent, whose caption names it. Opens on the Introduction page,
 * centred on its parent (the main window). Esc closes it from any control: the window looks at
 * keys before its controls do. Reads and changes no game state.
 */
class frmHelp final : public QDialog
{
    Q_OBJECT

  public:
    explicit frmHelp(QWidget *parent = nullptr);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void buildControls();
    void buildContent();
    void ShowPage(HelpPage page);

    void cmdIntroduction_Click();
    void cmdIntructions_Click();
    void cmdHints_Click();
    void cmdMoney_Click();

    QPushButton *cmdIntroduction = nullptr;
    QPushButton *cmdIntructions = nullptr;
    QPushButton *cmdHints = nullptr;
    QPushButton *cmdMoney = nullptr;
    QGroupBox *fraContent = nullptr;
    QPlainTextEdit *txtDisplay = nullptr;
};

} // namespace Sardek
