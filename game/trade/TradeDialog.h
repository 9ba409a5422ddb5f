#pragma once

#include "core/Goods.h"

#include <QDialog>

#include <array>
#include <initializer_list>

class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace Sardek
{

class AmountComboBox;
class Currency;
class TradeOrder;
class MainWindow;
struct Outcome;

/**
 * What the Buy and Sell dialogs share: a goods frame with a label, an amount box and a button
 * for each good, a frame choosing the ship or the warehouse (open only in Hong Kong), and the
 * trade button, default for Enter and enabled while any amount is above 0.
 *
 * Only digits and Backspace can be typed into the amount boxes; each box's list is made anew,
 * from listMaximum(), whenever it drops down. Choosing the other place sets every box to "0".
 * Closing the window leaves without trading; however the dialog closes, the main window is
 * redrawn.
 */
class TradeDialog : public QDialog
{
    Q_OBJECT

  public:
    QGroupBox *fraGoods = nullptr;
    QLabel *lblOpium = nullptr, *lblSilk = nullptr, *lblArms = nullptr, *lblGeneral = nullptr;
    AmountComboBox *cboOpium = nullptr, *cboSilk = nullptr, *cboArms = nullptr,
                   *cboGeneral = nullptr;
    QPushButton *cmdMaxOpium = nullptr, *cmdMaxSilk = nullptr, *cmdMaxArms = nullptr,
                *cmdMaxGeneral = nullptr;
    QRadioButton *optShip = nullptr;
    QRadioButton *optWarehouse = nullptr;

    AmountComboBox *amountBox(Good good) const;
    /// The good's Max (or All) button.
    QPushButton *maxButton(Good good) const;
    /// The checked option: where goods go to or come from.
    Place place() const;
    /// The four boxes' texts.
    TradeOrder order() const;

    void done(int result) override;

  protected:
    struct Captions {
        const char *objectName; ///< "frmBuy"
        QString title;          ///< "Buy Merchandise"
        QString maxButton;      ///< "Max"
        const char *placeFrame; ///< "fraDestination"
        QString placeCaption;   ///< "Destination "
    };

    TradeDialog(MainWindow &main, const Captions &captions);

    /// Lays the dialog out with buttons under the place frame; the last of them is the trade
    /// button. Derived constructors call it once their buttons exist.
    void finishLayout(std::initializer_list<QPushButton *> buttons);
    /// The largest amount good's list offers.
    virtual Currency listMaximum(Good good) const = 0;
    virtual void cmdMax_Click(Good good) = 0;
    /// A refusal shows its message and keeps the dialog open; a done trade is logged and
    /// closes it.
    void finishTrade(const Outcome &outcome);

    QGroupBox *placeFrame() const { return m_placeFrame; }
    MainWindow &m_main;

  private:
    void buildGoodsFrame(const QString &maxCaption);
    /// The good's label, amount box and button on row good of grid; returns the label.
    QLabel *addGoodRow(QGridLayout *grid, Good good, const QString &maxCaption);
    void buildPlaceFrame(const char *name, const QString &caption);
    void cboAmount_DropDown(Good good);
    void optShip_Toggled();
    void UpdateTradeButton();

    std::array<AmountComboBox *, 4> m_boxes{};
    std::array<QPushButton *, 4> m_maxButtons{};
    QGroupBox *m_placeFrame = nullptr;
    QPushButton *m_tradeButton = nullptr;
};

} // namespace Sardek
