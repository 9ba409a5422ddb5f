// The main window, the New Game dialog and the end-of-game windows.
#include "MainWindowFixture.h"

#include "app/frmNew.h"
#include "runtime/GameDate.h"
#include "ui/Twips.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>

namespace Sardek
{

using namespace Testing;

TEST_F(MainWindowTest, BeforeAndAfterAStart_ShowsItsTexts_OrdersFollowThePort_LogKeepsALimit)
{
    EXPECT_EQ(QStringList({main.windowTitle(), main.objectName(), main.fraHouse->title(),
                           main.fraStatus->title(), main.fraHold->title(), main.txtDate->text()}),
              QStringList({"Sardek", "frmMain", "House of Sardek, Hong Kong",
                           "Ship's Status - 100%", "Ship's Hold - 0 of 60", "Jan 15, 1860"}));
    EXPECT_EQ(orders(), std::vector<bool>({0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(std::tuple(main.mnuSaveItem->isEnabled(), main.mnuStatsItem->isEnabled(),
                         main.mnuNewItem->isEnabled(), main.mnuMoneyItem->isChecked()),
              std::tuple(false, false, true, false));
    EXPECT_EQ(runtime.seeds().size(), 1u);
    EXPECT_EQ(main.prgHold->maxValue(), 60);
    EXPECT_EQ(main.prgStatus->fillMode(), Velgauge::ProgressBar::fm3DBlocks);
    EXPECT_EQ(main.prgStatus->caption(), "");
    QStringList menus;
    for (QAction *menu : main.menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Options", "&Help"}));
    EXPECT_EQ(main.mnuLoadItem->shortcut(), QKeySequence("Ctrl+L"));

    main.mnuItemUpdates->trigger(); // opens the home page
    ASSERT_EQ(runtime.openedLinks().size(), 1u);
    EXPECT_EQ(runtime.openedLinks()[0].scheme(), "https");

    // The cash scenario's first screen; then the orders follow the port, the ship and the turn.
    startGame(true, QStringLiteral("  lee & sons "));
    EXPECT_EQ(QStringList({main.windowTitle(), main.fraHouse->title(), main.txtCash->text(),
                           main.txtBank->text(), main.txtDebt->text(), main.txtCannons->text(),
                           main.fraHold->title(), main.fraStatus->title(), main.fraPrices->title(),
                           main.txtPOpium->text(), main.txtPGeneral->text(),
                           main.txtWGeneral->text(), main.txtLog->toPlainText()}),
              QStringList({"Sardek - Galley Hand [-$4,600]", "House of Lee & sons, Hong Kong ",
                           "$400", "$0", "$5,000", "0", "Ship's Hold - 0 of 60 ",
                           "Ship's Status - 100% ", "Prices at Hong Kong ", "$12,000", "$9", "0",
                           "Jan 15, 1860 - Welcome Captain"}));
    // Buy, Sell, Leave, Bank, Money Lender, Transfer; no repair, cannon or ship.
    EXPECT_EQ(orders(), std::vector<bool>({1, 1, 1, 1, 1, 1, 0, 0, 0}));
    EXPECT_TRUE(main.mnuSaveItem->isEnabled() && main.mnuStatsItem->isEnabled());
    EXPECT_TRUE(main.state().GameSaved);
    EXPECT_TRUE(runtime.messageBoxes().empty());

    // The Hong Kong services follow the port; repairs also need a damaged ship.
    GameState &state = main.state();
    state.ShipStatus = 99;
    state.CurrentPort = QStringLiteral("Shanghai");
    main.UpdateMainForm();
    EXPECT_EQ(orders(), std::vector<bool>({1, 1, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(main.fraPrices->title(), "Prices at Shanghai ");
    // Back home: bank, transfer and repair at once; the money lender waits for its own rule.
    state.CurrentPort = HongKong;
    main.UpdateMainForm();
    EXPECT_EQ(orders(), std::vector<bool>({1, 1, 1, 1, 0, 1, 1, 0, 0}));

    // Nothing may act on a half-finished turn: every order and menu item is held, even one the
    // turn itself enables, until it ends.
    main.setTurnRunning(true);
    main.setOrderEnabled(Order::Cannon, true);
    EXPECT_EQ(orders(), std::vector<bool>({0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(main.mnuSaveItem->isEnabled());
    main.setTurnRunning(false);
    EXPECT_TRUE(main.isOrderEnabled(Order::Cannon) && main.mnuSaveItem->isEnabled());

    // The log keeps its last 20,000 characters at each redraw, even when the cut splits a CR LF,
    // and its box shows the same with the caret at the end. Each entry is 2 + 12 + 38 characters:
    // the cut falls inside a line.
    for (int i = 0; i < 400; ++i)
        main.LogAppend(QStringLiteral(" - Arrived at Nagasaki with 10 chests"));
    const QString before = main.log().text();
    ASSERT_GT(before.size(), 20000);
    main.UpdateMainForm();
    EXPECT_EQ(main.log().text(), before.right(20000));
    EXPECT_EQ(main.txtLog->textCursor().position(), main.txtLog->document()->characterCount() - 1);

    // An entry of 14 + n characters that makes the next cut fall just after a CR.
    const qsizetype excess = main.log().text().indexOf(QLatin1Char('\r'), 100) + 1;
    main.LogAppend(QString(excess - 14, QLatin1Char('y')));
    ASSERT_EQ(main.log().text().size() - 20000, excess);
    main.UpdateMainForm();
    EXPECT_TRUE(main.log().text().startsWith(QLatin1Char('\n')));
    QString shown = main.log().text();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(main.txtLog->toPlainText(), shown);
}

// The dialog opens on the cannon scenario with an empty name; the name box takes at most 24
// characters and no double quotation mark, typed or pasted; Esc cancels, changing nothing.
TEST_F(MainWindowTest, NewGameDialog_OpensOnCannons_NameBoxRefusesQuotes_EscapeCancels)
{
    frmNew dialog(main);
    EXPECT_EQ(
        QStringList({dialog.windowTitle(), dialog.fraSelectScenario->title(),
                     dialog.fraFirm->title(), dialog.optCash->text(), dialog.txtFirm->text()}),
        QStringList({"New Game", "Select Scenario ", "Type Name of Firm ",
                     "Begin with cash and debt (No Cannons)", ""}));
    EXPECT_EQ(std::tuple(dialog.optDebt->isChecked(), dialog.cmdStart->isDefault(),
                         dialog.cmdCancel->isEnabled()),
              std::tuple(true, true, true));
    QTest::keyClicks(dialog.txtFirm, QStringLiteral("Golden \"Lotus\" Harbour Trading Company"));
    EXPECT_EQ(dialog.txtFirm->text(), "Golden Lotus Harbour Tra");
    dialog.txtFirm->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("A \"quoted\" name"));
    dialog.txtFirm->paste();
    EXPECT_FALSE(dialog.txtFirm->text().contains(QLatin1Char('"')));

    const GameState before = main.state();
    dialog.show();
    QTest::keyClick(dialog.txtFirm, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(main.state(), before);
}

class EndOfGame : public MainWindowTest
{
  protected:
    void SetUp() override { startGame(false); }
    GameState &state() { return main.state(); }
};

// A debt just short of a trillion is no bankruptcy. A worth of a million opens the
// millionaire's window once a game; a trillion opens the trillionaire's at every redraw, with
// OK disabled and a Retire that ends the program without asking. A second game keeps the first
// one's score and rank until its first month boundary.
TEST_F(EndOfGame, AMillion_ShowsItsWindowOncePerGame_ATrillionAtEveryRedraw)
{
    // The cannon scenario's first screen.
    EXPECT_EQ(QStringList({main.windowTitle(), main.txtCannons->text(), main.fraHold->title()}),
              QStringList({"Sardek - Galley Hand [$0]", "5", "Ship's Hold - 50 of 60 "}));
    EXPECT_EQ(main.prgHold->value(), 50);
    state().Debt = Currency(1'000'000'000'000) - Currency::fromRaw(1);
    main.UpdateMainForm();
    state().Debt = 0;
    state().Cash = 1'000'000;
    // Notes the window's title and enabled buttons, then leaves it by the close box, or by
    // Retire (the only way out when OK is disabled), which the scripted runtime survives.
    QStringList seen;
    const auto watchStatistics = [&seen] {
        whenDialogOpens([&seen](QDialog &dialog) {
            QPushButton *retire = control<QPushButton>(dialog, "cmdRetire");
            seen << dialog.windowTitle() + (retire->isEnabled() ? " Retire" : "") +
                        (control<QPushButton>(dialog, "cmdOK")->isEnabled() ? " OK" : "");
            dialog.close();
            if (dialog.isVisible())
                QTest::mouseClick(retire, Qt::LeftButton);
        });
    };
    watchStatistics();
    main.UpdateMainForm();
    EXPECT_TRUE(state().MillionaireShown);
    main.UpdateMainForm(); // no second window; a dialog here would block the test
    EXPECT_EQ(runtime.programEnds(), 0);
    state().Bank = 1'000'000'000'000;
    for (int redraw = 0; redraw < 2; ++redraw) {
        watchStatistics();
        main.UpdateMainForm();
    }
    EXPECT_EQ(seen,
              (QStringList{"You are a Millionaire! Retire OK", "You are a Trillionaire! Retire",
                           "You are a Trillionaire! Retire"}));
    EXPECT_EQ(runtime.programEnds(), 2); // the close box did nothing; Retire ended it
    EXPECT_TRUE(runtime.messageBoxes().empty());

    state().GameDate = *GameDate::fromYmd(1860, 3, 15);
    watchStatistics();
    main.UpdateMainForm();
    runtime.queueMsgBoxResults({MsgBoxResult::No}); // not saving the game in progress
    startGame(false);
    EXPECT_EQ(main.windowTitle(), "Sardek - Ma Tsu [$0]");
}

// No ends the program; Yes opens a New Game that cannot be cancelled, by button, Esc or
// close box.
TEST_F(EndOfGame, DebtOfATrillion_IsBankruptcy_NoEndsTheProgram_YesPlaysAgain)
{
    state().Debt = 1'000'000'000'000;
    runtime.queueMsgBoxResults({MsgBoxResult::No, MsgBoxResult::Yes});
    main.UpdateMainForm();
    EXPECT_EQ(runtime.programEnds(), 1);
    runtime.queueRnd({0.f, 0.f, 0.f, 0.f});
    bool cancelEnabled = true, stayedOpen = false;
    whenDialogOpens([&](QDialog &dialog) {
        cancelEnabled = control<QPushButton>(dialog, "cmdCancel")->isEnabled();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        stayedOpen = dialog.isVisible();
        QTest::mouseClick(control<QPushButton>(dialog, "cmdStart"), Qt::LeftButton);
    });
    main.UpdateMainForm();
    const ScriptedRuntime::MessageBoxCall bankrupt{
        "Sardek, you are Bankrupt.  Would you like to play again?   ",
        MsgBoxStyle::ExclamationYesNo, "Game Over"};
    Testing::expectBoxes(runtime, {bankrupt, bankrupt});
    EXPECT_TRUE(!cancelEnabled && stayedOpen);
    EXPECT_EQ(std::tuple(state().GameOver, state().GameInProgress, state().Debt),
              std::tuple(false, true, Currency(0)));
    EXPECT_EQ(main.log().text(), "Jan 15, 1860 - Welcome Captain");
    EXPECT_EQ(runtime.programEnds(), 1);
}

TEST_F(EndOfGame, CurrentStatistics_ShowsTheFigures_RetireOnlyFromAMillionAndAsksFirst)
{
    state().GameDate = *GameDate::fromYmd(1862, 4, 1); // 27 months
    state().Cash = 999'999;
    main.UpdateMainForm();
    QStringList values, frames, legend;
    QPoint offset;
    whenDialogOpens([&](QDialog &dialog) {
        offset = dialog.pos() - main.frameGeometry().topLeft();
        for (auto *frame : dialog.findChildren<QGroupBox *>())
            frames << frame->title();
        for (auto *label : dialog.findChildren<QGroupBox *>().last()->findChildren<QLabel *>())
            legend << label->text();
        values << dialog.windowTitle();
        for (const char *name : {"lblTimeValue", "lblNetValue", "lblShipValue", "lblCannonsValue",
                                 "lblTotalValue", "lblRankValue"})
            values << control<QLabel>(dialog, name)->text();
        values << (control<QPushButton>(dialog, "cmdRetire")->isEnabled() ? "Retire" : "");
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    main.mnuStatsItem->trigger();
    EXPECT_EQ(offset, QPoint(twipsToPixels(2800, main.logicalDpiX()),
                             twipsToPixels(1030, main.logicalDpiY())));
    EXPECT_EQ(frames, (QStringList{"Statistics ", "Legend"}));
    EXPECT_EQ(legend, (QStringList{"Ma Tsu", "50,000 +", "Master Sardek", "  8,000 - 49,999",
                                   "Sardek", "  1,000 - 7,999", "Compradore", "     500 - 999",
                                   "Galley Hand", "         0 - 500"}));
    // The score is 999,999 / 100 / 27 months, rounded down; no Retire under a million.
    EXPECT_EQ(values, (QStringList{"Current Statistics", "27 Months", "$999,999", "60", "5", "370",
                                   "Galley Hand", ""}));

    // From a million on, Retire asks first: No stays in the window, Yes ends the program.
    state().Cash = 1'000'000;
    state().MillionaireShown = true;
    main.UpdateMainForm();
    runtime.queueMsgBoxResults({MsgBoxResult::No, MsgBoxResult::Yes});
    bool openAfterNo = false;
    whenDialogOpens([&](QDialog &dialog) {
        QPushButton *retire = control<QPushButton>(dialog, "cmdRetire");
        QTest::mouseClick(retire, Qt::LeftButton);
        openAfterNo = dialog.isVisible();
        QTest::mouseClick(retire, Qt::LeftButton);
    });
    main.mnuStatsItem->trigger();
    EXPECT_TRUE(openAfterNo);
    const ScriptedRuntime::MessageBoxCall question{"Do you really want to quit this game?   ",
                                                   MsgBoxStyle::QuestionYesNo, "Sardek"};
    Testing::expectBoxes(runtime, {question, question});
    EXPECT_EQ(runtime.programEnds(), 1);
}

} // namespace Sardek
