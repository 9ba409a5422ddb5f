#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QPushButton;
class QVBoxLayout;

namespace Sardek
{

class AmountComboBox;
class MainWindow;
struct TransferOrder;

/**
 * Transfer Cargo: in one press, one good from the ship into the Hong Kong warehouse and one
 * (the same or another) from the warehouse onto the ship. Each amount box's list is made anew
 * for the good beside it whenever it drops down; choosing another good keeps the amount.
 * Transfer is enabled while either amount is above 0.
 */
class frmTransfer : public QDialog
{
    Q_OBJECT

  public:
    explicit frmTransfer(MainWindow &main);

    QGroupBox *Frame2 = nullptr; ///< Ship --> Warehouse
    QComboBox *cboShip = nullptr;
    AmountComboBox *cboSAmount = nullptr;
    QGroupBox *Frame1 = nullptr; ///< Warehouse --> Ship
    QComboBox *cboWarehouse = nullptr;
    AmountComboBox *cboWAmount = nullptr;
    QPushButton *cmdTransfer = nullptr;
    QPushButton *cmdCancel = nullptr;

    /// The goods and amounts as the controls show them.
    TransferOrder order() const;

    void done(int result) override;

  private:
    QGroupBox *buildSide(const char *frame, const QString &caption, QComboBox *&goods,
                         AmountComboBox *&amount, const char *goodsName, const char *amountName);
    void buildButtons();
    void cboSAmount_DropDown();
    void cboWAmount_DropDown();
    void UpdateTransferButton();
    void cmdTransfer_Click();

    MainWindow &m_main;
    QVBoxLayout *m_buttons = nullptr;
};

} // namespace Sardek
