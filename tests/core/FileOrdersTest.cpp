#include "CoreTestSupport.h"
#include "MainWindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

namespace Sardek
{

using Testing::leeWith;
using Testing::readBytes;
using Testing::writeBytes;

namespace
{

// Counts the modal windows that open while action runs, closing each as it opens.
int modalWindowsDuring(const std::function<void()> &action)
{
    int count = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            ++count;
            modal->close();
        }
    });
    closer.start(5);
    action();
    return count;
}

} // namespace

class FileOrders : public MainWindowTest
{
  protected:
    QString path(const char *name) const { return QDir(folder.path()).filePath(name); }
    void saveAs(const QString &file)
    {
        runtime.queueFileDialogAnswer(file);
        main.mnuSaveItem->trigger();
    }
    void loadFrom(const QString &file)
    {
        runtime.queueFileDialogAnswer(file);
        main.mnuLoadItem->trigger();
    }
    void loadBytes(const QByteArray &bytes)
    {
        writeBytes(path("game.srd"), bytes);
        loadFrom(path("game.srd"));
    }
    QTemporaryDir folder;
};

TEST_F(FileOrders, SavingAFreshGame_WritesTheFileByteForByte_AndLogsIt)
{
    startGame(true);
    main.state().GameSaved = false;
    saveAs(path("lee")); // no extension is added
    EXPECT_EQ(readBytes(path("lee")), leeWith());
    EXPECT_TRUE(main.state().GameSaved);
    EXPECT_EQ(main.log().text(),
              "Jan 15, 1860 - Welcome Captain\r\nJan 15, 1860 - Game Saved Successfully");
    ASSERT_EQ(runtime.fileDialogs().size(), 1u);
    EXPECT_TRUE(runtime.fileDialogs()[0].save);
    EXPECT_EQ(runtime.fileDialogs()[0].filter, "Saved Game Files (*.srd);;All Files (*.*)");
}

TEST_F(FileOrders, LoadingAwayFromHongKong_RestartsTheLogAndLeavesTheLenderClosed)
{
    startGame(true);
    main.state().Cash = 77;
    loadBytes(leeWith({{1, "#1861-07-15#"}, {3, "\"Batavia\""}}));
    EXPECT_EQ(main.state().Cash, 400);
    EXPECT_TRUE(main.state().GameSaved);
    EXPECT_EQ(main.log().text(), "Jul 15, 1861 - Game Loaded Successfully");
    EXPECT_EQ(main.fraHouse->title(), "House of Lee, Hong Kong ");
    EXPECT_FALSE(main.cmdMoney->isEnabled());
}

TEST_F(FileOrders, LoadingInHongKong_OpensMoneyLender_ClosesPurchases)
{
    main.cmdCannon->setEnabled(true);
    loadBytes(leeWith());
    EXPECT_TRUE(main.cmdMoney->isEnabled());
    EXPECT_FALSE(main.cmdCannon->isEnabled());
    EXPECT_TRUE(main.mnuStatsItem->isEnabled());
    EXPECT_EQ(main.windowTitle(), "Sardek - Galley Hand [-$4,600]");
    EXPECT_TRUE(runtime.messageBoxes().empty()); // nothing in progress: no question
}

// The gauge's maximum is set before its value, or 100 of 110 would be refused as above 60.
TEST_F(FileOrders, LoadingAFullerHoldThanTheGaugeShowed_ShowsItWhole)
{
    startGame(true);
    loadBytes(leeWith({{6, "100"}, {7, "110"}}));
    EXPECT_EQ(main.prgHold->maxValue(), 110);
    EXPECT_EQ(main.prgHold->value(), 100);
}

TEST_F(FileOrders, LoadingAMillionaireSavedAsSuch_ShowsNoMillionaireWindow)
{
    EXPECT_EQ(modalWindowsDuring([&] {
                  loadBytes(leeWith({{22, "2000000"}, {26, "#TRUE#"}}));
              }),
              0);
    EXPECT_EQ(main.state().NetWorth, 2'000'000 - 5000);
}

TEST_F(FileOrders, LoadingADebtOfATrillion_DeclaresBankruptcyAtOnce)
{
    runtime.queueMsgBoxResults({MsgBoxResult::No});
    loadBytes(leeWith({{21, "1000000000000"}}));
    ASSERT_EQ(runtime.messageBoxes().size(), 1u);
    EXPECT_EQ(runtime.messageBoxes()[0].title, "Game Over");
    EXPECT_EQ(runtime.programEnds(), 1);
}

// Score and rank are reckoned from the first month boundary on; before it they stay.
TEST_F(FileOrders, LoadingAGameOfJanuary1860_KeepsScoreAndRankInMemory)
{
    main.state().Score = 4321;
    main.state().Rank = QStringLiteral("Sardek");
    loadBytes(leeWith({{22, "90000"}}));
    EXPECT_EQ(main.state().Score, 4321);
    EXPECT_EQ(main.state().Rank, "Sardek");
    EXPECT_EQ(main.windowTitle(), "Sardek - Sardek [$85,000]");
}

// A bad file, of whatever fault, leaves the game exactly as it was.
TEST_F(FileOrders, BadFiles_AreRefusedAndChangeNothing)
{
    startGame(true);
    main.LogAppend(QStringLiteral(" - Bought 10 Opium"));
    const GameState before = main.state();
    const QString log = main.log().text();
    loadBytes(leeWith({{2, "Lee \"Sons\""}}));
    loadBytes(leeWith({{16, "abc"}}));
    loadFrom(path("absent.srd"));
    ASSERT_EQ(runtime.messageBoxes().size(), 3u);
    for (const auto &box : runtime.messageBoxes()) {
        EXPECT_EQ(box.prompt, "Error Opening File   ");
        EXPECT_EQ(box.style, MsgBoxStyle::CriticalOk);
    }
    EXPECT_EQ(runtime.messageBoxes()[2].title, "File not found");
    EXPECT_EQ(main.state(), before);
    EXPECT_EQ(main.log().text(), log);
}

// A file-size limit makes the write fail part way, as a full disk does, whoever runs the test.
TEST_F(FileOrders, SaveFailingPartWay_GivesTheSystemsReasonAndKeepsTheEarlierFile)
{
    startGame(true);
    saveAs(path("keep.srd"));
    const QByteArray earlier = readBytes(path("keep.srd"));
    main.state().Cash = 7;
    main.state().GameSaved = false;
    const QString log = main.log().text();
    {
        const Testing::FileSizeLimit limit(40);
        saveAs(path("keep.srd"));
    }
    Testing::expectBoxes(runtime,
                         {{"Error Saving File   ", MsgBoxStyle::CriticalOk, "File too large"}});
    EXPECT_EQ(readBytes(path("keep.srd")), earlier);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.srd"});
    EXPECT_FALSE(main.state().GameSaved);
    EXPECT_EQ(main.log().text(), log);
}

TEST_F(FileOrders, SavingOverAFolder_FailsWithoutHarm)
{
    startGame(true);
    QDir(folder.path()).mkdir(QStringLiteral("taken.srd"));
    saveAs(path("taken.srd"));
    ASSERT_EQ(runtime.messageBoxes().size(), 1u);
    EXPECT_EQ(runtime.messageBoxes()[0].prompt, "Error Saving File   ");
    EXPECT_TRUE(QFileInfo(path("taken.srd")).isDir());
}

TEST_F(FileOrders, CancelledDialogs_ChangeAndSayNothing)
{
    startGame(true);
    main.state().GameSaved = false;
    const GameState before = main.state();
    runtime.queueFileDialogAnswer(std::nullopt);
    main.mnuSaveItem->trigger();
    runtime.queueMsgBoxResults({MsgBoxResult::No});
    runtime.queueFileDialogAnswer(std::nullopt);
    main.mnuLoadItem->trigger();
    EXPECT_EQ(main.state(), before);
    EXPECT_EQ(runtime.messageBoxes().size(), 1u); // only the save question
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// New Game asks even right after a save; Cancel stops, and Yes goes on to the dialog even
// when the save dialog is cancelled.
TEST_F(FileOrders, NewGameAlwaysAsks_CancelStops_YesGoesOnWhateverTheSave)
{
    startGame(true);
    ASSERT_TRUE(main.state().GameSaved);
    runtime.queueMsgBoxResults({MsgBoxResult::Cancel, MsgBoxResult::Yes});
    main.mnuNewItem->trigger();
    Testing::expectBoxes(runtime, {{"Do you want to save the current game?   ",
                                    MsgBoxStyle::ExclamationYesNoCancel, "Sardek"}});
    runtime.queueFileDialogAnswer(std::nullopt);
    bool opened = false;
    whenDialogOpens([&](QDialog &dialog) {
        opened = dialog.objectName() == "frmNew";
        dialog.reject();
    });
    main.mnuNewItem->trigger();
    EXPECT_TRUE(opened);
}

TEST_F(FileOrders, LoadAndClose_AskOnlyWhenUnsaved)
{
    startGame(true);
    loadBytes(leeWith());
    EXPECT_TRUE(runtime.messageBoxes().empty());
    main.show();
    EXPECT_TRUE(main.close());
    EXPECT_TRUE(runtime.messageBoxes().empty());
}

TEST_F(FileOrders, LoadingUnsaved_YesSavesFirstThenLoads)
{
    startGame(true);
    writeBytes(path("other.srd"), leeWith({{22, "123"}}));
    main.state().Cash = 77;
    main.state().GameSaved = false;
    runtime.queueMsgBoxResults({MsgBoxResult::Yes});
    runtime.queueFileDialogAnswer(path("mine.srd"));
    loadFrom(path("other.srd"));
    ASSERT_EQ(runtime.fileDialogs().size(), 2u);
    EXPECT_TRUE(runtime.fileDialogs()[0].save);
    EXPECT_FALSE(runtime.fileDialogs()[1].save);
    EXPECT_TRUE(readBytes(path("mine.srd")).contains("\r\n77\r\n"));
    EXPECT_EQ(main.state().Cash, 123);
}

// Cancel keeps the window; No closes without a file dialog; Yes closes even when the save
// dialog is then cancelled.
TEST_F(FileOrders, ClosingUnsaved_AsksAndFollowsTheAnswer)
{
    startGame(true);
    main.state().GameSaved = false;
    main.show();
    runtime.queueMsgBoxResults({MsgBoxResult::Cancel});
    EXPECT_FALSE(main.close());
    EXPECT_TRUE(main.isVisible());
    runtime.queueMsgBoxResults({MsgBoxResult::No});
    EXPECT_TRUE(main.close());
    EXPECT_TRUE(runtime.fileDialogs().empty());
    main.show();
    runtime.queueMsgBoxResults({MsgBoxResult::Yes});
    runtime.queueFileDialogAnswer(std::nullopt);
    EXPECT_TRUE(main.close());
    EXPECT_EQ(runtime.messageBoxes().size(), 3u);
    EXPECT_EQ(runtime.fileDialogs().size(), 1u);
}

} // namespace Sardek
