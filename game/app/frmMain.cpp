#include "app/frmMain.h"

#include "app/TurnLock.h"

#include "app/frmNew.h"
#include "core/EndOfGame.h"
#include "core/NewGame.h"
#include "core/PirateEncounter.h"
#include "core/Purchases.h"
#include "info/Links.h"
#include "info/ScoreRank.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "info/frmStats.h"
#include "runtime/Formats.h"
#include "runtime/Runtime.h"
#include "services/frmMoney.h"
#include "services/frmRepair.h"
#include "services/frmTransfer.h"
#include "services/frmVisit.h"
#include "trade/frmBuy.h"
#include "trade/frmSell.h"
#include "ui/QuitQuestion.h"
#include "ui/WindowAccess.h"

#include <Velgauge/ProgressBar.h>

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTime>

#include <algorithm>

namespace Sardek
{

frmMain::frmMain(Runtime &runtime, QWidget *parent)
    : QMainWindow(parent), m_runtime(runtime), m_log(nullptr)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Sardek"));
    m_runtime.Randomize(std::uint32_t(QTime::currentTime().msecsSinceStartOfDay() / 1000));
    buildControls();
    createMenus();
    m_logBox = std::make_unique<LogTextBox>(*txtLog);
    m_turn = std::make_unique<TurnLock>(QList<QAction *>{mnuNewItem, mnuLoadItem, mnuSaveItem,
                                                         mnuExitItem, mnuMoneyItem, mnuStatsItem,
                                                         mnuHelpItem, mnuItemUpdates, mnuAboutItem},
                                        std::array{cmdBuy, cmdSell, cmdLeave, cmdVisit, cmdMoney,
                                                   cmdTransfer, cmdRepair, cmdCannon, cmdShip});
    m_log = CompradorLog(m_logBox.get());
    m_encounter = createPirateEncounter();
    qApp->installEventFilter(new WindowAccessWatcher(this));

    connect(mnuNewItem, &QAction::triggered, this, &frmMain::mnuNewItem_Click);
    connect(mnuLoadItem, &QAction::triggered, this, &frmMain::mnuLoadItem_Click);
    connect(mnuSaveItem, &QAction::triggered, this, &frmMain::SaveGame);
    connect(mnuExitItem, &QAction::triggered, this, &QWidget::close);
    connect(mnuStatsItem, &QAction::triggered, this, &frmMain::mnuStatsItem_Click);
    connect(cmdBuy, &QPushButton::clicked, this, [this] { frmBuy(*this).exec(); });
    connect(cmdSell, &QPushButton::clicked, this, [this] { frmSell(*this).exec(); });
    connect(cmdLeave, &QPushButton::clicked, this, &frmMain::cmdLeave_Click);
    connect(cmdCannon, &QPushButton::clicked, this, [this] { BuyCannon(*this); });
    connect(cmdShip, &QPushButton::clicked, this, [this] { BuyShip(*this); });
    connect(cmdVisit, &QPushButton::clicked, this, [this] { frmVisit(*this).exec(); });
    connect(cmdMoney, &QPushButton::clicked, this, [this] { frmMoney(*this).exec(); });
    connect(cmdTransfer, &QPushButton::clicked, this, [this] { frmTransfer(*this).exec(); });
    connect(cmdRepair, &QPushButton::clicked, this, [this] { frmRepair(*this).exec(); });
    connect(mnuHelpItem, &QAction::triggered, this, [this] { frmHelp(this).exec(); });
    connect(mnuItemUpdates, &QAction::triggered, this, [this] { OpenHomePage(m_runtime); });
    connect(mnuAboutItem, &QAction::triggered, this, [this] { frmAbout(m_runtime, this).exec(); });
}

frmMain::~frmMain() = default;

void frmMain::LogAppend(const QString &entry)
{
    m_log.append(m_state.GameDate, entry);
}

void frmMain::LogAppendRaw(const QString &text)
{
    m_log.appendRaw(text);
}

void frmMain::moveLogCaretToEnd()
{
    m_log.moveCaretToEnd();
}

QPushButton *frmMain::buttonOf(Order order) const
{
    QPushButton *const buttons[] = {cmdBuy,      cmdSell,   cmdLeave,  cmdVisit, cmdMoney,
                                    cmdTransfer, cmdRepair, cmdCannon, cmdShip};
    return buttons[static_cast<int>(order)];
}

void frmMain::setOrderEnabled(Order order, bool enabled)
{
    m_turn->setOrderEnabled(order, enabled);
}

bool frmMain::isOrderEnabled(Order order) const
{
    return buttonOf(order)->isEnabled();
}

void frmMain::setLogBackground(LogColour colour)
{
    QPalette colours = txtLog->palette();
    colours.setColor(QPalette::Base, QColor(colour.red, colour.green, colour.blue));
    txtLog->setPalette(colours);
}

bool frmMain::turnRunning() const
{
    return m_turn->running();
}

void frmMain::setTurnRunning(bool running)
{
    if (running)
        m_turn->begin();
    else
        m_turn->end();
}

void frmMain::previewStatus(Currency status)
{
    fraStatus->setTitle(QStringLiteral("Ship's Status - ") + PlainNumber(status) +
                        QStringLiteral("% "));
    // A last hit can leave the record below 0 %; the gauge, which refuses such a value with a
    // beep, shows an empty bar instead.
    prgStatus->setValue(
        std::clamp(status.toDouble(), prgStatus->minValue(), prgStatus->maxValue()));
}

bool frmMain::moneyLenderBugEnabled() const
{
    return mnuMoneyItem->isChecked();
}

void frmMain::UpdateMainForm()
{
    // Trimmed first, so the caret goes to the end of the log and into view once.
    m_log.trim();
    m_log.moveCaretToEnd();
    enableOrders();
    updateNetWorthScoreRank(m_state);
    setWindowTitle(QStringLiteral("Sardek - ") + m_state.Rank + QStringLiteral(" [") +
                   FormatNumber(m_state.NetWorth, NumberFormat::Dollars) + QStringLiteral("]"));
    showFields();
    showGauges();
    runEndOfGameChecks();
}

// Buy, Sell and Leave Port are always open; the Hong Kong services only in Hong Kong, where
// the money lender keeps whatever state its own rules gave it.
void frmMain::enableOrders()
{
    if (turnRunning())
        return;
    cmdBuy->setEnabled(true);
    cmdSell->setEnabled(true);
    cmdLeave->setEnabled(true);
    const bool home = m_state.CurrentPort == HongKong;
    cmdVisit->setEnabled(home);
    cmdTransfer->setEnabled(home);
    cmdRepair->setEnabled(home && m_state.ShipStatus < 100);
    if (!home)
        cmdMoney->setEnabled(false);
}

void frmMain::showFields()
{
    const std::pair<QLabel *, Currency> counts[] = {
        {txtSOpium, m_state.ShipOpium},      {txtSSilk, m_state.ShipSilk},
        {txtSArms, m_state.ShipArms},        {txtSGeneral, m_state.ShipGeneral},
        {txtWOpium, m_state.WarehouseOpium}, {txtWSilk, m_state.WarehouseSilk},
        {txtWArms, m_state.WarehouseArms},   {txtWGeneral, m_state.WarehouseGeneral},
        {txtCannons, m_state.Cannons}};
    for (const auto &[box, value] : counts)
        box->setText(PlainNumber(value));
    const std::pair<QLabel *, Currency> money[] = {{txtCash, m_state.Cash},
                                                   {txtBank, m_state.Bank},
                                                   {txtDebt, m_state.Debt},
                                                   {txtPOpium, m_state.PriceOpium},
                                                   {txtPSilk, m_state.PriceSilk},
                                                   {txtPArms, m_state.PriceArms},
                                                   {txtPGeneral, m_state.PriceGeneral}};
    for (const auto &[box, value] : money)
        box->setText(FormatNumber(value, NumberFormat::Dollars));
    txtDate->setText(m_state.GameDate.toString());
    fraPrices->setTitle(QStringLiteral("Prices at ") + m_state.CurrentPort + QStringLiteral(" "));
}

// The hold's maximum goes first: the gauge refuses a value beyond its range, and a loaded
// game may carry more than the previous maximum.
void frmMain::showGauges()
{
    previewStatus(m_state.ShipStatus);
    fraHold->setTitle(QStringLiteral("Ship's Hold - ") + PlainNumber(m_state.HoldUsed) +
                      QStringLiteral(" of ") + PlainNumber(m_state.HoldCapacity) +
                      QStringLiteral(" "));
    prgHold->setMaxValue(m_state.HoldCapacity.toDouble());
    prgHold->setValue(m_state.HoldUsed.toDouble());
}

void frmMain::runEndOfGameChecks()
{
    const EndOfGameDue due = endOfGameDue(m_state);
    if (due.millionaire) {
        showStatistics(QStringLiteral("You are a Millionaire!"), true);
        m_state.MillionaireShown = true;
    }
    if (due.trillionaire)
        showStatistics(QStringLiteral("You are a Trillionaire!"), true, false);
    if (due.bankrupt) {
        const MsgBoxResult answer = m_runtime.MsgBox(
            QStringLiteral("Sardek, you are Bankrupt.  Would you like to play again?   "),
            MsgBoxStyle::ExclamationYesNo, QStringLiteral("Game Over"), this);
        if (answer != MsgBoxResult::Yes) {
            m_runtime.EndProgram();
            return;
        }
        m_state.GameInProgress = false;
        m_state.GameOver = true;
        showNewGame();
    }
}

void frmMain::showStatistics(const QString &title, bool retireEnabled, bool okEnabled)
{
    frmStats stats(*this);
    stats.setWindowTitle(title);
    stats.cmdRetire->setEnabled(retireEnabled);
    stats.cmdOK->setEnabled(okEnabled);
    stats.exec();
}

void frmMain::mnuStatsItem_Click()
{
    showStatistics(QStringLiteral("Current Statistics"), m_state.NetWorth >= Million);
}

void frmMain::showNewGame()
{
    frmNew dialog(*this);
    dialog.exec();
}

void frmMain::beginGame(const QString &firstLogLine, bool moneyLenderOpen)
{
    fraHouse->setTitle(HouseCaption(m_state.FirmName));
    m_log.reset(firstLogLine);
    m_state.GameInProgress = true;
    mnuSaveItem->setEnabled(true);
    mnuStatsItem->setEnabled(true);
    if (moneyLenderOpen)
        cmdMoney->setEnabled(true);
    cmdCannon->setEnabled(false);
    cmdShip->setEnabled(false);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (turnRunning()) {
        event->ignore();
        if (AskToQuitGame(m_runtime, this))
            m_runtime.EndProgram();
        return;
    }
    if (m_state.GameInProgress && !m_state.GameSaved && !offerToSave()) {
        event->ignore();
        return;
    }
    event->accept();
    UnloadAllForms();
}

void frmMain::UnloadAllForms()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible())
            window->close();
}

} // namespace Sardek
