#include "trade/TradeDialog.h"

#include "core/Refusals.h"
#include "runtime/FillAmountList.h"
#include "runtime/Formats.h"
#include "trade/Trade.h"
#include "trade/TradeOrder.h"
#include "ui/AmountComboBox.h"
#include "ui/AmountKeyFilter.h"
#include "ui/MainWindow.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <iterator>
#include <tuple>

namespace Sardek
{

namespace
{

template <typename Widget> Widget *named(Widget *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

TradeDialog::TradeDialog(MainWindow &main, const Captions &captions)
    : QDialog(&main.window()), m_main(main)
{
    setObjectName(QLatin1String(captions.objectName));
    setWindowTitle(captions.title);
    buildGoodsFrame(captions.maxButton);
    buildPlaceFrame(captions.placeFrame, captions.placeCaption);
}

void TradeDialog::buildGoodsFrame(const QString &maxCaption)
{
    fraGoods = named(new QGroupBox(QStringLiteral("Goods "), this), QStringLiteral("fraGoods"));
    auto *grid = new QGridLayout(fraGoods);
    std::array<QLabel *, 4> labels{};
    for (Good good : AllGoods)
        labels[static_cast<std::size_t>(good)] = addGoodRow(grid, good, maxCaption);
    std::tie(lblOpium, lblSilk, lblArms, lblGeneral) =
        std::tuple(labels[0], labels[1], labels[2], labels[3]);
    std::tie(cboOpium, cboSilk, cboArms, cboGeneral) =
        std::tuple(m_boxes[0], m_boxes[1], m_boxes[2], m_boxes[3]);
    std::tie(cmdMaxOpium, cmdMaxSilk, cmdMaxArms, cmdMaxGeneral) =
        std::tuple(m_maxButtons[0], m_maxButtons[1], m_maxButtons[2], m_maxButtons[3]);
}

QLabel *TradeDialog::addGoodRow(QGridLayout *grid, Good good, const QString &maxCaption)
{
    const auto i = static_cast<std::size_t>(good);
    const QString name = goodName(good);
    auto *label = named(new QLabel(name + QLatin1Char(':'), fraGoods), QLatin1String("lbl") + name);
    m_boxes[i] = named(new AmountComboBox(fraGoods), QLatin1String("cbo") + name);
    m_boxes[i]->setEditText(QStringLiteral("0"));
    m_boxes[i]->setMinimumContentsLength(9);
    m_maxButtons[i] = named(new QPushButton(maxCaption, fraGoods), QLatin1String("cmdMax") + name);
    const int row = static_cast<int>(i);
    grid->addWidget(label, row, 0);
    grid->addWidget(m_boxes[i], row, 1);
    grid->addWidget(m_maxButtons[i], row, 2);
    connect(m_boxes[i], &AmountComboBox::dropDown, this,
            [this, good] { cboAmount_DropDown(good); });
    // Every way an amount changes ends here: keys, pastes, list choices, Max, the switch.
    connect(m_boxes[i], &QComboBox::editTextChanged, this, &TradeDialog::UpdateTradeButton);
    connect(m_maxButtons[i], &QPushButton::clicked, this, [this, good] { cmdMax_Click(good); });
    return label;
}

void TradeDialog::buildPlaceFrame(const char *name, const QString &caption)
{
    m_placeFrame = named(new QGroupBox(caption, this), QLatin1String(name));
    optShip =
        named(new QRadioButton(QStringLiteral("Ship"), m_placeFrame), QStringLiteral("optShip"));
    optWarehouse = named(new QRadioButton(QStringLiteral("Warehouse"), m_placeFrame),
                         QStringLiteral("optWarehouse"));
    optShip->setChecked(true);
    optWarehouse->setEnabled(m_main.state().CurrentPort == HongKong);
    auto *options = new QVBoxLayout(m_placeFrame);
    options->addWidget(optShip);
    options->addWidget(optWarehouse);
    connect(optShip, &QRadioButton::toggled, this, &TradeDialog::optShip_Toggled);
}

void TradeDialog::finishLayout(std::initializer_list<QPushButton *> buttons)
{
    auto *side = new QVBoxLayout;
    side->addWidget(m_placeFrame);
    side->addStretch(1);
    for (QPushButton *button : buttons)
        side->addWidget(button);
    auto *layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(fraGoods);
    layout->addLayout(side);

    m_tradeButton = *std::rbegin(buttons);
    m_tradeButton->setDefault(true);
    m_tradeButton->setEnabled(false);
    auto *keys = new AmountKeyFilter(m_tradeButton, nullptr, this);
    for (QWidget *control : findChildren<QWidget *>())
        if (qobject_cast<QComboBox *>(control) || qobject_cast<QAbstractButton *>(control))
            keys->watch(control);

    cboOpium->setFocus();
    cboOpium->lineEdit()->selectAll();
    placeAtTwips(*this, m_main.window(), 3400, 2910);
}

AmountComboBox *TradeDialog::amountBox(Good good) const
{
    return m_boxes[static_cast<std::size_t>(good)];
}

QPushButton *TradeDialog::maxButton(Good good) const
{
    return m_maxButtons[static_cast<std::size_t>(good)];
}

Place TradeDialog::place() const
{
    return optShip->isChecked() ? Place::Ship : Place::Warehouse;
}

TradeOrder TradeDialog::order() const
{
    return TradeOrder({cboOpium->currentText(), cboSilk->currentText(), cboArms->currentText(),
                       cboGeneral->currentText()});
}

void TradeDialog::done(int result)
{
    QDialog::done(result);
    m_main.UpdateMainForm();
}

void TradeDialog::finishTrade(const Outcome &outcome)
{
    if (outcome.refusal) {
        showRefusal(m_main.runtime(), *outcome.refusal, this);
        return;
    }
    for (const QString &entry : outcome.logEntries)
        m_main.LogAppend(entry);
    accept();
}

void TradeDialog::cboAmount_DropDown(Good good)
{
    QStringList entries;
    for (Currency entry : FillAmountList(listMaximum(good)))
        entries << PlainNumber(entry);
    amountBox(good)->setEntries(entries);
}

// Amounts chosen for one place never carry over to the other.
void TradeDialog::optShip_Toggled()
{
    for (AmountComboBox *box : m_boxes)
        box->setEditText(QStringLiteral("0"));
}

void TradeDialog::UpdateTradeButton()
{
    if (m_tradeButton)
        m_tradeButton->setEnabled(order().anyAmount());
}

} // namespace Sardek
