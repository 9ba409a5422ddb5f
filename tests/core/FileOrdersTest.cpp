#include "CoreTestSupport.h"
#include "MainWindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

namespace Sardek
{

using namespace Testing;

class FileOrders : public MainWindowTest
{
  protected:
    QString path(const char *name) const { return QDir(folder.path()).filePath(name); }
    void fileOrder(QAction *order, const std::optional<QString> &file)
    {
        runtime.queueFileDialogAnswer(file);
        order->trigger();
    }
    void saveAs(const std::optional<QString> &file) { fileOrder(main.mnuSaveItem, file); }
    void loadFrom(const std::optional<QString> &file) { fileOrder(main.mnuLoadItem, file); }
    void loadBytes(const QByteArray &bytes)
    {
        writeBytes(path("game.srd"), bytes);
        loadFrom(path("game.srd"));
    }
    QTemporaryDir folder;
};

// Saving writes the file byte for byte under the very name given, and logs it. New Game asks
// even right after a save: Cancel stops, Yes goes on to the dialog even when the save dialog
// is cancelled. Loading an unsaved game, answered Yes, saves it first.
TEST_F(FileOrders, Saving_WritesTheFileByteForByte_NewGameAndLoadOfferItFirst)
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

    runtime.queueMsgBoxResults({MsgBoxResult::Cancel, MsgBoxResult::Yes});
    main.mnuNewItem->trigger();
    expectBoxes(runtime, {{"Do you want to save the current game?   ",
                           MsgBoxStyle::ExclamationYesNoCancel, "Sardek"}});
    runtime.queueFileDialogAnswer(std::nullopt);
    bool opened = false;
    whenDialogOpens([&](QDialog &dialog) {
        opened = dialog.objectName() == "frmNew";
        dialog.reject();
    });
    main.mnuNewItem->trigger();
    EXPECT_TRUE(opened);

    writeBytes(path("other.srd"), leeWith({{22, "123"}}));
    main.state().Cash = 77;
    main.state().GameSaved = false;
    runtime.queueMsgBoxResults({MsgBoxResult::Yes});
    runtime.queueFileDialogAnswer(path("mine.srd"));
    loadFrom(path("other.srd"));
    ASSERT_EQ(runtime.fileDialogs().size(), 4u);
    EXPECT_TRUE(runtime.fileDialogs()[2].save);
    EXPECT_FALSE(runtime.fileDialogs()[3].save);
    EXPECT_TRUE(readBytes(path("mine.srd")).contains("\r\n77\r\n"));
    EXPECT_EQ(main.state().Cash, 123);
}

// With no game in progress nothing is asked. Loading in Hong Kong opens the money lender and
// closes the purchases. The hold gauge takes its maximum before its value (100 of 110 is above
// 60); a millionaire's saved game opens no millionaire window again; score and rank, reckoned
// from the first month boundary on, keep their values in January 1860.
TEST_F(FileOrders, LoadedGame_IsShownAsSaved_ADebtOfATrillionBankruptsAtOnce)
{
    main.cmdCannon->setEnabled(true);
    main.state().Score = 4321;
    main.state().Rank = QStringLiteral("Sardek");
    int modalWindows = 0; // closed as they open
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            ++modalWindows;
            modal->close();
        }
    });
    closer.start(5);
    loadBytes(leeWith({{6, "100"}, {7, "110"}, {22, "2000000"}, {26, "#TRUE#"}}));
    closer.stop();
    EXPECT_EQ(modalWindows, 0);
    EXPECT_EQ(std::pair(main.prgHold->maxValue(), main.prgHold->value()), std::pair(110.0, 100.0));
    EXPECT_EQ(main.state().Score, 4321);
    EXPECT_EQ(main.windowTitle(), "Sardek - Sardek [$1,995,000]"); // the rank kept
    EXPECT_EQ(orders(), std::vector<bool>({1, 1, 1, 1, 1, 1, 0, 0, 0}));
    main.show();
    EXPECT_TRUE(main.close());
    EXPECT_TRUE(runtime.messageBoxes().empty());

    // A debt of a trillion is bankruptcy at once.
    runtime.queueMsgBoxResults({MsgBoxResult::No});
    loadBytes(leeWith({{21, "1000000000000"}}));
    ASSERT_EQ(runtime.messageBoxes().size(), 1u);
    EXPECT_EQ(runtime.messageBoxes()[0].title, "Game Over");
    EXPECT_EQ(runtime.programEnds(), 1);
}

// A bad file, of whatever fault, leaves the game exactly as it was; a good one loaded away from
// Hong Kong restarts the log and leaves the money lender closed.
TEST_F(FileOrders, BadFilesAreRefusedChangingNothing_AGoodOneAwayFromHongKongLoads)
{
    startGame(true);
    main.state().Cash = 77;
    main.LogAppend(QStringLiteral(" - Bought 10 Opium"));
    const GameState before = main.state();
    const QString log = main.log().text();
    loadBytes(leeWith({{2, "Lee \"Sons\""}}));
    loadFrom(path("absent.srd"));
    ASSERT_EQ(runtime.messageBoxes().size(), 2u);
    for (const auto &box : runtime.messageBoxes())
        EXPECT_EQ(std::pair(box.prompt, box.style),
                  std::pair(QStringLiteral("Error Opening File   "), MsgBoxStyle::CriticalOk));
    EXPECT_EQ(runtime.messageBoxes()[1].title, "File not found");
    EXPECT_EQ(main.state(), before);
    EXPECT_EQ(main.log().text(), log);

    loadBytes(leeWith({{1, "#1861-07-15#"}, {3, "\"Batavia\""}}));
    EXPECT_EQ(main.state().Cash, 400);
    EXPECT_EQ(main.log().text(), "Jul 15, 1861 - Game Loaded Successfully");
    EXPECT_EQ(main.fraHouse->title(), "House of Lee, Hong Kong ");
    EXPECT_EQ(orders(), std::vector<bool>({1, 1, 1, 0, 0, 0, 0, 0, 0}));
}

// A file-size limit makes the write fail part way, as a full disk does, whoever runs the test;
// a folder in the way fails the save as harmlessly.
TEST_F(FileOrders, SaveFailing_GivesTheSystemsReasonAndKeepsTheEarlierFile)
{
    startGame(true);
    saveAs(path("keep.srd"));
    const QByteArray earlier = readBytes(path("keep.srd"));
    main.state().Cash = 7;
    main.state().GameSaved = false;
    const QString log = main.log().text();
    {
        const auto limit = limitFileSize(40);
        saveAs(path("keep.srd"));
    }
    expectBoxes(runtime, {{"Error Saving File   ", MsgBoxStyle::CriticalOk, "File too large"}});
    EXPECT_EQ(readBytes(path("keep.srd")), earlier);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.srd"});
    EXPECT_FALSE(main.state().GameSaved);
    EXPECT_EQ(main.log().text(), log);

    QDir(folder.path()).mkdir(QStringLiteral("taken.srd"));
    saveAs(path("taken.srd"));
    ASSERT_EQ(runtime.messageBoxes().size(), 2u);
    EXPECT_EQ(runtime.messageBoxes()[1].prompt, "Error Saving File   ");
    EXPECT_TRUE(QFileInfo(path("taken.srd")).isDir());
}

// A cancelled load changes and says nothing. Closing asks: Cancel keeps the window, No
// closes without a file dialog, Yes closes even when the save dialog is then cancelled.
TEST_F(FileOrders, UnsavedGame_CancelledDialogsChangeNothing_ClosingFollowsTheAnswer)
{
    startGame(true);
    main.state().GameSaved = false;
    const GameState before = main.state();
    runtime.queueMsgBoxResults({MsgBoxResult::No});
    loadFrom(std::nullopt);
    EXPECT_EQ(main.state(), before);
    EXPECT_EQ(runtime.messageBoxes().size(), 1u); // only the save question
    EXPECT_TRUE(QDir(folder.path()).isEmpty());

    main.show();
    runtime.queueMsgBoxResults({MsgBoxResult::Cancel});
    EXPECT_FALSE(main.close());
    runtime.queueMsgBoxResults({MsgBoxResult::No});
    EXPECT_TRUE(main.close());
    EXPECT_EQ(runtime.fileDialogs().size(), 1u);
    main.show();
    runtime.queueMsgBoxResults({MsgBoxResult::Yes});
    runtime.queueFileDialogAnswer(std::nullopt);
    EXPECT_TRUE(main.close());
    EXPECT_EQ(runtime.messageBoxes().size(), 4u);
    EXPECT_EQ(runtime.fileDialogs().size(), 2u);
}

} // namespace Sardek
