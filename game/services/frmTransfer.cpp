#include "services/frmTransfer.h"

#include "runtime/FillAmountList.h"
#include "runtime/Formats.h"
#include "services/ShowServiceOutcome.h"
#include "services/Transfer.h"
#include "ui/AmountComboBox.h"
#include "ui/AmountKeyFilter.h"
#include "ui/MainWindow.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Sardek
{

namespace
{

Good selectedGood(const QComboBox *goods)
{
    return AllGoods[static_cast<std::size_t>(std::max(goods->currentIndex(), 0))];
}

void fillAmountBox(AmountComboBox *box, Currency maximum)
{
    QStringList entries;
    for (Currency entry : FillAmountList(maximum))
        entries << PlainNumber(entry);
    box->setEntries(entries);
}

} // namespace

frmTransfer::frmTransfer(MainWindow &main) : QDialog(&main.window()), m_main(main)
{
    setObjectName(QStringLiteral("frmTransfer"));
    setWindowTitle(QStringLiteral("Transfer Cargo"));
    Frame1 = buildSide("Frame1", QStringLiteral("Warehouse --> Ship "), cboWarehouse, cboWAmount,
                       "cboWarehouse", "cboWAmount");
    Frame2 = buildSide("Frame2", QStringLiteral("Ship --> Warehouse "), cboShip, cboSAmount,
                       "cboShip", "cboSAmount");
    buildButtons();
    auto *frames = new QVBoxLayout;
    frames->addWidget(Frame2);
    frames->addWidget(Frame1);
    auto *layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(frames);
    layout->addLayout(m_buttons);

    auto *keys = new AmountKeyFilter(cmdTransfer, cmdCancel, this);
    for (QWidget *control : std::initializer_list<QWidget *>{cboShip, cboSAmount, cboWarehouse,
                                                             cboWAmount, cmdTransfer, cmdCancel})
        keys->watch(control);
    connect(keys, &AmountKeyFilter::keyReleased, this, &frmTransfer::UpdateTransferButton);
    connect(cboSAmount, &AmountComboBox::dropDown, this, &frmTransfer::cboSAmount_DropDown);
    connect(cboWAmount, &AmountComboBox::dropDown, this, &frmTransfer::cboWAmount_DropDown);
    placeAtTwips(*this, main.window(), 3300, 2960);
}

void frmTransfer::buildButtons()
{
    cmdTransfer = new QPushButton(QStringLiteral("Transfer"), this);
    cmdTransfer->setObjectName(QStringLiteral("cmdTransfer"));
    cmdTransfer->setDefault(true);
    cmdTransfer->setEnabled(false);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdTransfer, &QPushButton::clicked, this, &frmTransfer::cmdTransfer_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    m_buttons = new QVBoxLayout;
    m_buttons->addWidget(cmdTransfer);
    m_buttons->addWidget(cmdCancel);
    m_buttons->addStretch(1);
}

QGroupBox *frmTransfer::buildSide(const char *frame, const QString &caption, QComboBox *&goods,
                                  AmountComboBox *&amount, const char *goodsName,
                                  const char *amountName)
{
    auto *box = new QGroupBox(caption, this);
    box->setObjectName(QLatin1String(frame));
    goods = new QComboBox(box);
    goods->setObjectName(QLatin1String(goodsName));
    for (Good good : AllGoods)
        goods->addItem(goodName(good));
    goods->setCurrentIndex(0);
    amount = new AmountComboBox(box);
    amount->setObjectName(QLatin1String(amountName));
    amount->setMinimumContentsLength(8);
    auto *row = new QHBoxLayout(box);
    row->addWidget(goods);
    row->addWidget(amount);
    // Any change of an amount, a list choice or a paste included, sets the button.
    connect(amount, &QComboBox::editTextChanged, this, &frmTransfer::UpdateTransferButton);
    return box;
}

TransferOrder frmTransfer::order() const
{
    return {selectedGood(cboShip), TypedAmount(cboSAmount->currentText()),
            selectedGood(cboWarehouse), TypedAmount(cboWAmount->currentText())};
}

void frmTransfer::cboSAmount_DropDown()
{
    fillAmountBox(cboSAmount, toWarehouseMaximum(m_main.state(), selectedGood(cboShip)));
}

void frmTransfer::cboWAmount_DropDown()
{
    fillAmountBox(cboWAmount, toShipMaximum(m_main.state(), selectedGood(cboWarehouse)));
}

void frmTransfer::UpdateTransferButton()
{
    const TransferOrder amounts = order();
    cmdTransfer->setEnabled(amounts.toWarehouse.isPositive() || amounts.toShip.isPositive());
}

void frmTransfer::cmdTransfer_Click()
{
    finishService(m_main, *this, transferCargo(m_main.state(), order()));
}

void frmTransfer::done(int result)
{
    QDialog::done(result);
    m_main.UpdateMainForm();
}

} // namespace Sardek
