#pragma once

#include "battle/Battle.h"
#include "battle/BattleView.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Sardek
{

class CaptionFrame;
class MainWindow;
class PirateFleet;

/**
 * The sea battle window, "Pirates" ("Mok Sai's Pirates" for the pirate lord's fleet): the
 * captain's report, the four orders and the pirate fleet. Opening it meets the pirates; each
 * order plays out with its buttons disabled, and the window closes itself as soon as the
 * battle is decided. Its close box asks whether to quit the game (Yes ends the program at
 * once); Esc does nothing. However it closes, the main window is redrawn.
 */
class frmPirate : public QDialog, private BattleView
{
    Q_OBJECT

  public:
    /// owner: the window the battle is modal over (null: the main window).
    frmPirate(MainWindow &main, QWidget *owner = nullptr);

    const Battle &battle() const { return m_battle; }

    CaptionFrame *fraReport = nullptr;
    QLabel *lblEnemy = nullptr, *lblStatus = nullptr, *lblCannons = nullptr;
    QLineEdit *txtEnemy = nullptr, *txtStatus = nullptr, *txtCannons = nullptr;
    QLineEdit *txtReport = nullptr;
    CaptionFrame *fraOrders = nullptr;
    QPushButton *cmdFight = nullptr, *cmdDeath = nullptr, *cmdRun = nullptr, *cmdDump = nullptr;
    CaptionFrame *FraEnemy = nullptr;
    PirateFleet *picShips = nullptr;

    void done(int result) override;

  public Q_SLOTS:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    void buildReportFrame();
    void buildOrdersFrame();
    void buildEnemyFrame();
    QLineEdit *addReportRow(const char *name, const QString &caption, int topTwips, QLabel *&label);
    QPushButton *addOrder(const char *name, const QString &caption, int leftTwips, int topTwips);
    /// Sets geometry in twips within widget's parent.
    void placeTwips(QWidget &widget, int left, int top, int width, int height) const;
    void giveOrder(void (Battle::*order)());

    // BattleView
    void showReport(const QString &text) override;
    void showEnemyShips(int count) override;
    void showStatus(Currency status) override;
    void showCannons(Currency cannons) override;
    void enableOrders(UsableOrders orders) override;
    void showShip(int index, bool afloat) override;
    void showSinkingFrame(int index, int frame) override;
    void showHit(bool hit) override;
    void appendLogEntry(const QString &entry) override;
    void redrawMainWindow() override;
    QObject *messageParent() override { return this; }

    MainWindow &m_main;
    Battle m_battle;
    bool m_closingByProgram = false;
};

} // namespace Sardek
