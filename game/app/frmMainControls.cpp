// The main window's controls, their design-time texts and the menus.
#include "app/frmMain.h"
#include "ui/WindowAccess.h"

#include <Velgauge/ControlFactory.h>
#include <Velgauge/ProgressBar.h>
#include <Velgauge/PropertyBag.h>

#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>

namespace Sardek
{

namespace
{

// The client area draws an etched rule under the menu bar: white one pixel down, then the
// button shadow along the very top.
class EtchedClientArea : public QWidget
{
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(Qt::white);
        painter.drawLine(0, 1, width() - 1, 1);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(0, 0, width() - 1, 0);
    }
};

QFont comicFont()
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSize(9);
    return font;
}

// A read-only value box: a sunken white panel showing its value on the right. A plain
// panel draws in a fraction of the time of a styled line edit, and the window shows 25.
QLabel *valueBox(const char *name, QWidget *parent)
{
    auto *box = new QLabel(parent);
    box->setObjectName(QLatin1String(name));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAutoFillBackground(true);
    box->setBackgroundRole(QPalette::Base);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->setFont(comicFont());
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setMargin(2);
    box->setMinimumWidth(90);
    box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    readAsValue(*box);
    return box;
}

QLabel *valueLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(comicFont());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// Adds "label [box]" at row, column pair column. A screen reader names the box by its label
// in its column or frame: spoken "Ship %1" with the label "Opium:" reads "Ship Opium".
QLabel *addValue(QGridLayout *grid, int row, int column, const QString &label, const char *name,
                 const QString &spoken = QStringLiteral("%1"))
{
    QWidget *parent = grid->parentWidget();
    QLabel *box = valueBox(name, parent);
    box->setAccessibleName(spoken.arg(QString(label).remove(QLatin1Char(':'))));
    grid->addWidget(valueLabel(label, parent), row, column);
    grid->addWidget(box, row, column + 1);
    return box;
}

CaptionFrame *frame(const char *name, const QString &caption, QWidget *parent)
{
    auto *box = new CaptionFrame(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// The stored forms of the two gauges; the entries left out are at their defaults.
Velgauge::PropertyBag gaugeForm(quint32 fillColor)
{
    return Velgauge::PropertyBag{
        {QStringLiteral("caption"), QString()},
        {QStringLiteral("backcolor"), qint32(0x80000007)},
        {QStringLiteral("fillcolor"), qint32(fillColor)},
        {QStringLiteral("fillcolorgradient"), qint32(65280)},
        {QStringLiteral("fillmode"), qint32(2)},
        {QStringLiteral("inverttext"), false},
        {QStringLiteral("value"), 0.0},
        {QStringLiteral("font"), QFont(QStringLiteral("MS Sans Serif"), 8)}};
}

Velgauge::ProgressBar *createGauge(const char *name, const Velgauge::PropertyBag &form,
                                   QWidget *parent)
{
    QWidget *control = Velgauge::createControl(QLatin1String(Velgauge::ProgressBarId),
                                               QLatin1String(name), parent);
    auto *gauge = qobject_cast<Velgauge::ProgressBar *>(control);
    Q_ASSERT(gauge);
    gauge->readProperties(form);
    gauge->setFixedHeight(22);
    return gauge;
}

QPushButton *orderButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setEnabled(false);
    button->setMinimumWidth(120);
    return button;
}

} // namespace

void frmMain::buildControls()
{
    auto *client = new EtchedClientArea(this);
    setCentralWidget(client);
    buildHouseFrame(client);
    buildPricesFrame(client);
    QLayout *dateRow = buildDateRow(client);
    buildGaugeFrames(client);
    buildOrdersFrame(client);
    buildLogFrame(client);

    auto *right = new QGridLayout;
    right->addWidget(fraPrices, 0, 0);
    right->addLayout(dateRow, 1, 0);
    right->addWidget(fraStatus, 2, 0);
    right->addWidget(fraHold, 3, 0);
    auto *grid = new QGridLayout(client);
    grid->setContentsMargins(8, 10, 8, 8);
    grid->addWidget(fraHouse, 0, 0);
    grid->addLayout(right, 0, 1, 2, 1);
    grid->addWidget(fraOrders, 1, 0);
    grid->addWidget(fraLog, 2, 0, 1, 2);
    grid->setRowStretch(2, 1);
}

void frmMain::buildHouseFrame(QWidget *client)
{
    fraHouse = frame("fraHouse", QStringLiteral("House of Sardek, Hong Kong"), client);
    auto *house = new QGridLayout(fraHouse);
    lblShip = new QLabel(QStringLiteral("- Ship -"), fraHouse);
    lblShip->setObjectName(QStringLiteral("lblShip"));
    lblWarehouse = new QLabel(QStringLiteral("- Warehouse -"), fraHouse);
    lblWarehouse->setObjectName(QStringLiteral("lblWarehouse"));
    const QString ship = QStringLiteral("Ship %1"), warehouse = QStringLiteral("Warehouse %1");
    for (QLabel *head : {lblShip, lblWarehouse}) {
        head->setFont(comicFont());
        head->setAlignment(Qt::AlignCenter);
    }
    house->addWidget(lblShip, 0, 1);
    house->addWidget(lblWarehouse, 0, 3);
    txtSOpium = addValue(house, 1, 0, QStringLiteral("Opium:"), "txtSOpium", ship);
    txtSSilk = addValue(house, 2, 0, QStringLiteral("Silk:"), "txtSSilk", ship);
    txtSArms = addValue(house, 3, 0, QStringLiteral("Arms:"), "txtSArms", ship);
    txtSGeneral = addValue(house, 4, 0, QStringLiteral("General:"), "txtSGeneral", ship);
    txtWOpium = addValue(house, 1, 2, QStringLiteral("Opium:"), "txtWOpium", warehouse);
    txtWSilk = addValue(house, 2, 2, QStringLiteral("Silk:"), "txtWSilk", warehouse);
    txtWArms = addValue(house, 3, 2, QStringLiteral("Arms:"), "txtWArms", warehouse);
    txtWGeneral = addValue(house, 4, 2, QStringLiteral("General:"), "txtWGeneral", warehouse);
    txtCannons = addValue(house, 5, 0, QStringLiteral("Cannons:"), "txtCannons");
    txtCash = addValue(house, 5, 2, QStringLiteral("Cash:"), "txtCash");
    txtBank = addValue(house, 6, 2, QStringLiteral("Bank:"), "txtBank");
    txtDebt = addValue(house, 7, 2, QStringLiteral("Debt:"), "txtDebt");
}

void frmMain::buildPricesFrame(QWidget *client)
{
    fraPrices = frame("fraPrices", QStringLiteral("Prices at Hong Kong "), client);
    auto *prices = new QGridLayout(fraPrices);
    const QString price = QStringLiteral("%1 Price");
    txtPOpium = addValue(prices, 0, 0, QStringLiteral("Opium:"), "txtPOpium", price);
    txtPSilk = addValue(prices, 1, 0, QStringLiteral("Silk:"), "txtPSilk", price);
    txtPArms = addValue(prices, 2, 0, QStringLiteral("Arms:"), "txtPArms", price);
    txtPGeneral = addValue(prices, 3, 0, QStringLiteral("General:"), "txtPGeneral", price);
}

QLayout *frmMain::buildDateRow(QWidget *client)
{
    auto *dateRow = new QGridLayout;
    txtDate = valueBox("txtDate", client);
    txtDate->setText(QStringLiteral("Jan 15, 1860"));
    txtDate->setAccessibleName(QStringLiteral("Date"));
    dateRow->addWidget(valueLabel(QStringLiteral("Date:"), client), 0, 0);
    dateRow->addWidget(txtDate, 0, 1);
    return dateRow;
}

void frmMain::buildGaugeFrames(QWidget *client)
{
    fraStatus = frame("fraStatus", QStringLiteral("Ship's Status - 100%"), client);
    prgStatus = createGauge("prgStatus", gaugeForm(255), fraStatus);
    prgStatus->setAccessibleName(QStringLiteral("Ship's Status"));
    (new QGridLayout(fraStatus))->addWidget(prgStatus);
    fraHold = frame("fraHold", QStringLiteral("Ship's Hold - 0 of 60"), client);
    Velgauge::PropertyBag holdForm = gaugeForm(0x808080);
    holdForm.write(QStringLiteral("gradientfill"), false);
    holdForm.write(QStringLiteral("maxvalue"), 60.0);
    prgHold = createGauge("prgHold", holdForm, fraHold);
    prgHold->setAccessibleName(QStringLiteral("Ship's Hold"));
    (new QGridLayout(fraHold))->addWidget(prgHold);
}

void frmMain::buildOrdersFrame(QWidget *client)
{
    fraOrders = frame("fraOrders", QStringLiteral("Orders"), client);
    auto *orders = new QGridLayout(fraOrders);
    cmdBuy = orderButton("cmdBuy", QStringLiteral("Buy Merchandice"), fraOrders);
    cmdSell = orderButton("cmdSell", QStringLiteral("Sell Merchandice"), fraOrders);
    cmdLeave = orderButton("cmdLeave", QStringLiteral("Leave Port"), fraOrders);
    cmdVisit = orderButton("cmdVisit", QStringLiteral("Visit Bank"), fraOrders);
    cmdMoney = orderButton("cmdMoney", QStringLiteral("Money Lender"), fraOrders);
    cmdTransfer = orderButton("cmdTransfer", QStringLiteral("Transfer Cargo"), fraOrders);
    cmdRepair = orderButton("cmdRepair", QStringLiteral("Repair Ship"), fraOrders);
    cmdCannon = orderButton("cmdCannon", QStringLiteral("Buy Cannon"), fraOrders);
    cmdShip = orderButton("cmdShip", QStringLiteral("Buy Ship"), fraOrders);
    QPushButton *const order[] = {cmdBuy,      cmdSell,   cmdLeave,  cmdVisit, cmdMoney,
                                  cmdTransfer, cmdRepair, cmdCannon, cmdShip};
    for (int i = 0; i < 9; ++i)
        orders->addWidget(order[i], i / 3, i % 3);
}

void frmMain::buildLogFrame(QWidget *client)
{
    fraLog = frame("fraLog", QStringLiteral("Comprador's Report"), client);
    txtLog = new QPlainTextEdit(fraLog);
    txtLog->setObjectName(QStringLiteral("txtLog"));
    txtLog->setReadOnly(true);
    // Nothing is ever undone in the log; an undo history would keep every line ever trimmed.
    txtLog->setUndoRedoEnabled(false);
    txtLog->setFont(comicFont());
    txtLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The classic scroll bar draws with plain fills: a fraction of the cost of the gradients
    // of the default look, paid at every repaint of the log.
    if (QStyle *classic = QStyleFactory::create(QStringLiteral("Windows"))) {
        classic->setParent(txtLog);
        txtLog->verticalScrollBar()->setStyle(classic);
    }
    txtLog->setMinimumHeight(150);
    QPalette logColours = txtLog->palette();
    logColours.setColor(QPalette::Base, Qt::black);
    logColours.setColor(QPalette::Text, QColor(255, 192, 128));
    txtLog->setPalette(logColours);
    (new QGridLayout(fraLog))->addWidget(txtLog);
}

void frmMain::createMenus()
{
    auto action = [this](QMenu *menu, const char *name, const QString &text) {
        QAction *item = menu->addAction(text);
        item->setObjectName(QLatin1String(name));
        return item;
    };
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    mnuNewItem = action(file, "mnuNewItem", QStringLiteral("&New Game"));
    mnuNewItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuLoadItem = action(file, "mnuLoadItem", QStringLiteral("&Load Game..."));
    mnuLoadItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuSaveItem = action(file, "mnuSaveItem", QStringLiteral("&Save Game..."));
    mnuSaveItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSaveItem->setEnabled(false);
    file->addSeparator();
    mnuExitItem = action(file, "mnuExitItem", QStringLiteral("E&xit"));

    QMenu *options = menuBar()->addMenu(QStringLiteral("&Options"));
    mnuMoneyItem = action(options, "mnuMoneyItem", QStringLiteral("Enable Money Lender Bug"));
    mnuMoneyItem->setCheckable(true);
    mnuStatsItem = action(options, "mnuStatsItem", QStringLiteral("Display Statistics"));
    mnuStatsItem->setEnabled(false);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelpItem = action(help, "mnuHelpItem", QStringLiteral("&Help"));
    mnuHelpItem->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    mnuItemUpdates = action(help, "mnuItemUpdates", QStringLiteral("&Check for Updates"));
    mnuAboutItem = action(help, "mnuAboutItem", QStringLiteral("&About Sardek"));
}

} // namespace Sardek
