#include "MainWindowFixture.h"

#include "info/frmStats.h"
#include "runtime/GameDate.h"
#include "runtime/Twips.h"

#include <QLabel>

namespace Sardek
{

namespace
{

// Notes the statistics window as its title and enabled buttons, then leaves it by the close
// box, or by Retire (the only way out when OK is disabled), which the scripted runtime survives.
void watchStatistics(QStringList &seen)
{
    whenDialogOpens([&seen](QDialog &dialog) {
        QPushButton *retire = control<QPushButton>(dialog, "cmdRetire");
        seen << dialog.windowTitle() + (retire->isEnabled() ? " Retire" : "") +
                    (control<QPushButton>(dialog, "cmdOK")->isEnabled() ? " OK" : "");
        dialog.close();
        if (dialog.isVisible())
            QTest::mouseClick(retire, Qt::LeftButton);
    });
}

} // namespace

class EndOfGame : public MainWindowTest
{
  protected:
    void SetUp() override { startGame(false); }
    GameState &state() { return main.state(); }
};

// A debt just short of a trillion is no bankruptcy. A worth of a million opens the
// millionaire's window once a game; a trillion opens the trillionaire's at every redraw, with
// OK disabled and a Retire that ends the program without asking.
TEST_F(EndOfGame, AMillion_ShowsItsWindowOncePerGame_ATrillionAtEveryRedraw)
{
    state().Debt = Currency(1'000'000'000'000) - Currency::fromRaw(1);
    main.UpdateMainForm();
    EXPECT_TRUE(runtime.messageBoxes().empty());
    state().Debt = 0;
    state().Cash = 1'000'000;
    QStringList seen;
    watchStatistics(seen);
    main.UpdateMainForm();
    EXPECT_TRUE(state().MillionaireShown);
    main.UpdateMainForm(); // no second window; a dialog here would block the test
    EXPECT_EQ(runtime.programEnds(), 0);
    state().Bank = 1'000'000'000'000;
    for (int redraw = 0; redraw < 2; ++redraw) {
        watchStatistics(seen);
        main.UpdateMainForm();
    }
    EXPECT_EQ(seen,
              (QStringList{"You are a Millionaire! Retire OK", "You are a Trillionaire! Retire",
                           "You are a Trillionaire! Retire"}));
    EXPECT_EQ(runtime.programEnds(), 2); // the close box did nothing; Retire ended it
    EXPECT_TRUE(runtime.messageBoxes().empty());
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
    EXPECT_FALSE(cancelEnabled);
    EXPECT_TRUE(stayedOpen);
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
