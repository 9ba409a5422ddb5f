#include "MainWindowFixture.h"

#include "info/frmStats.h"
#include "runtime/GameDate.h"
#include "runtime/Twips.h"

#include <QLabel>

namespace Sardek
{

namespace
{

struct StatsSeen {
    int count = 0;
    QString title;
    bool retire = false;
    bool ok = false;
};

// Notes what the statistics window showed, then leaves it by OK when OK is enabled, and
// otherwise by Retire (the only way out), which the scripted runtime survives.
void watchStatistics(StatsSeen &seen)
{
    whenDialogOpens([&seen](QDialog &dialog) {
        ++seen.count;
        seen.title = dialog.windowTitle();
        seen.retire = control<QPushButton>(dialog, "cmdRetire")->isEnabled();
        seen.ok = control<QPushButton>(dialog, "cmdOK")->isEnabled();
        dialog.close();
        if (dialog.isVisible())
            QTest::mouseClick(control<QPushButton>(dialog, "cmdRetire"), Qt::LeftButton);
    });
}

} // namespace

class EndOfGame : public MainWindowTest
{
  protected:
    void SetUp() override { startGame(false); }
    GameState &state() { return main.state(); }
};

TEST_F(EndOfGame, JustUnderAMillionAndATrillionOfDebt_ShowNothing)
{
    state().Cash = 999'999;
    state().Debt = Currency(1'000'000'000'000) - Currency::fromRaw(1);
    main.UpdateMainForm();
    EXPECT_FALSE(state().MillionaireShown);
    EXPECT_TRUE(runtime.messageBoxes().empty());
}

TEST_F(EndOfGame, ExactlyAMillion_ShowsMillionaireWindowOncePerGame)
{
    state().Cash = 1'000'000;
    StatsSeen seen;
    watchStatistics(seen);
    main.UpdateMainForm();
    EXPECT_EQ(seen.count, 1);
    EXPECT_EQ(seen.title, "You are a Millionaire!");
    EXPECT_TRUE(seen.retire);
    EXPECT_TRUE(seen.ok);
    EXPECT_TRUE(state().MillionaireShown);
    main.UpdateMainForm(); // no second window; a dialog here would block the test
    EXPECT_EQ(runtime.programEnds(), 0);
}

TEST_F(EndOfGame, TrillionaireWindow_EveryRedrawWithOkDisabled_RetireEndsAtOnce)
{
    state().Bank = 1'000'000'000'000;
    state().MillionaireShown = true;
    StatsSeen seen;
    watchStatistics(seen);
    main.UpdateMainForm();
    EXPECT_EQ(seen.title, "You are a Trillionaire!");
    EXPECT_TRUE(seen.retire);
    EXPECT_FALSE(seen.ok);
    EXPECT_EQ(runtime.programEnds(), 1); // the close box did nothing; Retire ended it
    EXPECT_TRUE(runtime.messageBoxes().empty());
    watchStatistics(seen);
    main.UpdateMainForm();
    EXPECT_EQ(seen.count, 2);
}

TEST_F(EndOfGame, DebtOfATrillion_IsBankruptcy_NoEndsTheProgram)
{
    state().Debt = 1'000'000'000'000;
    runtime.queueMsgBoxResults({MsgBoxResult::No});
    main.UpdateMainForm();
    Testing::expectBoxes(runtime, {{"Sardek, you are Bankrupt.  Would you like to play again?   ",
                                    MsgBoxStyle::ExclamationYesNo, "Game Over"}});
    EXPECT_EQ(runtime.programEnds(), 1);
}

TEST_F(EndOfGame, BankruptcyPlayAgain_OpensNewGameThatCannotBeCancelled)
{
    state().Debt = 1'000'000'000'000;
    runtime.queueMsgBoxResults({MsgBoxResult::Yes});
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
    EXPECT_FALSE(cancelEnabled);
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(state().GameOver);
    EXPECT_TRUE(state().GameInProgress);
    EXPECT_EQ(state().Debt, 0);
    EXPECT_EQ(main.log().text(), "Jan 15, 1860 - Welcome Captain");
}

TEST_F(EndOfGame, CurrentStatistics_ShowsTheFigures_RetireOnlyFromAMillion)
{
    state().GameDate = *GameDate::fromYmd(1862, 4, 1); // 27 months
    state().Cash = 999'999;
    main.UpdateMainForm();
    QStringList values, frames, legend;
    QPoint offset;
    bool retire = true;
    whenDialogOpens([&](QDialog &dialog) {
        offset = dialog.pos() - main.frameGeometry().topLeft();
        for (auto *frame : dialog.findChildren<QGroupBox *>())
            frames << frame->title();
        for (auto *label : dialog.findChildren<QGroupBox *>().last()->findChildren<QLabel *>())
            legend << label->text();
        for (const char *name : {"lblTimeValue", "lblNetValue", "lblShipValue", "lblCannonsValue",
                                 "lblTotalValue", "lblRankValue"})
            values << control<QLabel>(dialog, name)->text();
        retire = control<QPushButton>(dialog, "cmdRetire")->isEnabled();
        EXPECT_EQ(dialog.windowTitle(), "Current Statistics");
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    main.mnuStatsItem->trigger();
    EXPECT_EQ(offset, QPoint(twipsToPixels(2800, main.logicalDpiX()),
                             twipsToPixels(1030, main.logicalDpiY())));
    EXPECT_EQ(frames, (QStringList{"Statistics ", "Legend"}));
    EXPECT_EQ(legend, (QStringList{"Ma Tsu", "50,000 +", "Master Sardek", "  8,000 - 49,999",
                                   "Sardek", "  1,000 - 7,999", "Compradore", "     500 - 999",
                                   "Galley Hand", "         0 - 500"}));
    // The score is 999,999 / 100 / 27 months, rounded down.
    EXPECT_EQ(values, (QStringList{"27 Months", "$999,999", "60", "5", "370", "Galley Hand"}));
    EXPECT_FALSE(retire);
}

TEST_F(EndOfGame, RetireQuestion_NoStaysInTheWindow_YesEndsTheProgram)
{
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
