#pragma once

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace Sardek
{

class AmountComboBox;
class Currency;
class MainWindow;

/**
 * What the bank and the money lender share: a frame "Select Amount " with two sides, each a
 * label and an amount box, and the OK (default, Enter) and Cancel (Esc) buttons.
 *
 * Only digits and Backspace can be typed into the boxes. The two sides exclude each other:
 * dropping a box's list down, or any change of its text (typing, pasting, dropping, an entry
 * reached by arrow keys, Page Up/Down, Home/End or the wheel) locks the other side (its label
 * and box greyed, its text kept); choosing an entry of amount 0 ("$0"), from the list or by
 * those keys or the wheel, unlocks it again, typing "0" does not. Each list is made anew, in
 * "$#,##0", from listMaximum() whenever it drops down. However the dialog closes, the main window
 * is redrawn.
 */
class AmountPairDialog : public QDialog
{
    Q_OBJECT

  public:
    QGroupBox *fraSelect = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

    void done(int result) override;

  protected:
    struct Captions {
        const char *objectName; ///< "frmVisit"
        QString title;          ///< "Visit Bank"
        const char *sides[2];   ///< "Deposit", "Withdraw": lblDeposit, cboDeposit, "Deposit:"
        QString okCaption;      ///< "Ok"
        int xTwips;             ///< placement right of the main window's left edge
        int yTwips;             ///< and below its top
    };

    AmountPairDialog(MainWindow &main, const Captions &captions);

    QLabel *label(int side) const { return m_labels[side]; }
    AmountComboBox *box(int side) const { return m_boxes[side]; }
    /// The largest amount side's list offers.
    virtual Currency listMaximum(int side) const = 0;
    virtual void cmdOK_Click() = 0;

    MainWindow &m_main;

  private:
    void buildSide(int side, const char *name);
    void buildButtons(const QString &okCaption);
    void watchKeys();
    void setOtherSideLocked(int side, bool locked);
    void box_DropDown(int side);
    void box_Activated(int side);

    std::array<QLabel *, 2> m_labels{};
    std::array<AmountComboBox *, 2> m_boxes{};
    QVBoxLayout *m_buttons = nullptr;
};

} // namespace Sardek
