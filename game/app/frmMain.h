#pragma once

#include "core/CompradorLog.h"
#include "core/GameState.h"
#include "ui/CaptionFrame.h"
#include "ui/LogTextBox.h"
#include "ui/MainWindow.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QLabel;
class QLayout;
class QPlainTextEdit;
class QPushButton;

namespace Velgauge
{
class ProgressBar;
}

namespace Sardek
{

class PirateEncounter;
class TurnLock;
class Runtime;

/**
 * The main window: owner of the game record and the log for the program's life, showing the
 * whole firm, offering the orders and the menus. Dialogs reach it through MainWindow: they read
 * and write its record, log through LogAppend() and call UpdateMainForm() when they close.
 */
class frmMain : public QMainWindow, public MainWindow
{
    Q_OBJECT

  public:
    /// Seeds the random generator from the time of day and shows the design-time texts with
    /// every order disabled; no game runs until New Game or Load.
    explicit frmMain(Runtime &runtime, QWidget *parent = nullptr);
    ~frmMain() override;

    GameState &state() override { return m_state; }
    const GameState &state() const { return m_state; }
    Runtime &runtime() override { return m_runtime; }
    QWidget &window() override { return *this; }
    CompradorLog &log() { return m_log; }

    void LogAppend(const QString &entry) override;
    void LogAppendRaw(const QString &text) override;
    void moveLogCaretToEnd() override;
    void UpdateMainForm() override;
    void setOrderEnabled(Order order, bool enabled) override;
    bool isOrderEnabled(Order order) const override;
    bool moneyLenderBugEnabled() const override;
    void setLogBackground(LogColour colour) override;
    void setTurnRunning(bool running) override;
    void previewStatus(Currency status) override;
    bool turnRunning() const;

    /// The window-side steps of starting or loading a game: the house caption, the log's
    /// first line, the menus and the purchase buttons.
    void beginGame(const QString &firstLogLine, bool moneyLenderOpen);
    /// Opens the New Game dialog modally (it cannot be cancelled while GameOver is set).
    void showNewGame();
    /// Asks for a file and saves the game; true when it was written.
    bool SaveGame();
    /// Asks for a file and loads a game from it.
    void LoadGame();
    /// Loads the game in path as Load does: a bad file gets Load's error box and changes
    /// nothing. Also the way in for a saved game named on the command line.
    void LoadGameFile(const QString &path);
    /// Opens the statistics window with title; Retire enabled as given, OK unless disabled.
    void showStatistics(const QString &title, bool retireEnabled, bool okEnabled = true);
    /// Replaces what a voyage meets when it meets pirates.
    void setPirateEncounter(std::unique_ptr<PirateEncounter> encounter);

    // The controls, named as the game names them.
    CaptionFrame *fraHouse = nullptr;
    QLabel *lblShip = nullptr;
    QLabel *lblWarehouse = nullptr;
    // The read-only value boxes.
    QLabel *txtSOpium = nullptr, *txtSSilk = nullptr, *txtSArms = nullptr, *txtSGeneral = nullptr;
    QLabel *txtWOpium = nullptr, *txtWSilk = nullptr, *txtWArms = nullptr, *txtWGeneral = nullptr;
    QLabel *txtCannons = nullptr, *txtCash = nullptr, *txtBank = nullptr, *txtDebt = nullptr;
    CaptionFrame *fraPrices = nullptr;
    QLabel *txtPOpium = nullptr, *txtPSilk = nullptr, *txtPArms = nullptr, *txtPGeneral = nullptr;
    QLabel *txtDate = nullptr;
    CaptionFrame *fraStatus = nullptr;
    Velgauge::ProgressBar *prgStatus = nullptr;
    CaptionFrame *fraHold = nullptr;
    Velgauge::ProgressBar *prgHold = nullptr;
    CaptionFrame *fraOrders = nullptr;
    QPushButton *cmdBuy = nullptr, *cmdSell = nullptr, *cmdLeave = nullptr, *cmdVisit = nullptr,
                *cmdMoney = nullptr, *cmdTransfer = nullptr, *cmdRepair = nullptr,
                *cmdCannon = nullptr, *cmdShip = nullptr;
    CaptionFrame *fraLog = nullptr;
    QPlainTextEdit *txtLog = nullptr;

    QAction *mnuNewItem = nullptr, *mnuLoadItem = nullptr, *mnuSaveItem = nullptr,
            *mnuExitItem = nullptr;
    QAction *mnuMoneyItem = nullptr, *mnuStatsItem = nullptr;
    QAction *mnuHelpItem = nullptr, *mnuItemUpdates = nullptr, *mnuAboutItem = nullptr;

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    /// The controls are built a frame at a time, then laid out as the game shows them.
    void buildControls();
    void buildHouseFrame(QWidget *client);
    void buildPricesFrame(QWidget *client);
    QLayout *buildDateRow(QWidget *client);
    void buildGaugeFrames(QWidget *client);
    void buildOrdersFrame(QWidget *client);
    void buildLogFrame(QWidget *client);
    void createMenus();
    void mnuNewItem_Click();
    void mnuLoadItem_Click();
    void mnuStatsItem_Click();
    void cmdLeave_Click();
    std::unique_ptr<PirateEncounter> createPirateEncounter();
    /// Asks whether to save the game in progress and saves on Yes; false when the player
    /// cancels, and the order that asked goes no further.
    bool offerToSave();
    void enableOrders();
    void showFields();
    void showGauges();
    QPushButton *buttonOf(Order order) const;
    void runEndOfGameChecks();
    void UnloadAllForms();

    Runtime &m_runtime;
    GameState m_state;
    std::unique_ptr<LogTextBox> m_logBox;
    CompradorLog m_log;
    std::unique_ptr<TurnLock> m_turn;
    std::unique_ptr<PirateEncounter> m_encounter;
};

} // namespace Sardek
