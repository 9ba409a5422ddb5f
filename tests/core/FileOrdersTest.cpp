#include "CoreTestSupport.h"
#include "MainWindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace Sardek
{

namespace
{

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray LeeAtStart = "#1860-01-15#\r\n\"Lee\"\r\n\"Hong Kong\"\r\n0\r\n100\r\n0\r\n60\r\n"
                              "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
                              "12000\r\n1500\r\n120\r\n9\r\n0\r\n5000\r\n400\r\n0\r\n0\r\n0\r\n"
                              "#FALSE#\r\n";

// The Lee game with some of its 26 lines (numbered from 1) replaced.
QByteArray leeWith(std::initializer_list<std::pair<int, QByteArray>> replaced)
{
    QList<QByteArray> lines = LeeAtStart.split('\n');
    for (const auto &[line, text] : replaced)
        lines[line - 1] = text + '\r';
    return lines.join('\n');
}

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
    QTemporaryDir folder;
};

TEST_F(FileOrders, SavingAFreshGame_WritesTheFileByteForByte_AndLogsIt)
{
    startGame(true);
    main.state().GameSaved = false;
    saveAs(path("lee")); // no extension is added
    EXPECT_EQ(readAll(path("lee")), LeeAtStart);
    EXPECT_TRUE(main.state().GameSaved);
    EXPECT_EQ(main.log().text(),
              "Jan 15, 1860 - Welcome Captain\r\nJan 15, 1860 - Game Saved Successfully");
    ASSERT_EQ(runtime.fileDialogs().size(), 1u);
    EXPECT_TRUE(runtime.fileDialogs()[0].save);
    EXPECT_EQ(runtime.fileDialogs()[0].filter, "Saved Game Files (*.srd);;All Files (*.*)");
}

TEST_F(FileOrders, SaveThenLoad_GivesBackEverySavedValue)
{
    startGame(true);
    GameState &state = main.state();
    state.CurrentPort = QStringLiteral("Batavia");
    state.Cash = Currency::fromRaw(125000); // 12.5
    state.Debt = Currency::fromRaw(-1);
    state.WarehouseSilk = 9'990;
    state.CannonPrice = 1'234;
    state.TributeCounter = 11;
    state.MillionaireShown = true;
    state.GameDate = *GameDate::fromYmd(1861, 7, 15);
    const GameState saved = state;
    saveAs(path("round.srd"));
    runtime.queueMsgBoxResults({MsgBoxResult::No});
    startGame(false, QStringLiteral("Other"));
    loadFrom(path("round.srd"));
    for (auto field :
         {&GameState::Cash, &GameState::Debt, &GameState::WarehouseSilk, &GameState::CannonPrice,
          &GameState::TributeCounter, &GameState::PriceGeneral, &GameState::HoldUsed})
        EXPECT_EQ(state.*field, saved.*field);
    EXPECT_EQ(state.CurrentPort, "Batavia");
    EXPECT_EQ(state.FirmName, "Lee");
    EXPECT_EQ(state.GameDate, saved.GameDate);
    EXPECT_TRUE(state.MillionaireShown);
    EXPECT_TRUE(state.GameSaved);
    EXPECT_EQ(main.log().text(), "Jul 15, 1861 - Game Loaded Successfully");
    EXPECT_EQ(main.fraHouse->title(), "House of Lee, Hong Kong ");
    EXPECT_FALSE(main.cmdMoney->isEnabled()); // saved away from Hong Kong
}

TEST_F(FileOrders, LoadingInHongKong_OpensMoneyLender_ClosesPurchases)
{
    writeAll(path("hk.srd"), LeeAtStart);
    main.cmdCannon->setEnabled(true);
    loadFrom(path("hk.srd"));
    EXPECT_TRUE(main.cmdMoney->isEnabled());
    EXPECT_FALSE(main.cmdCannon->isEnabled());
    EXPECT_TRUE(main.mnuSaveItem->isEnabled());
    EXPECT_TRUE(main.mnuStatsItem->isEnabled());
    EXPECT_EQ(main.windowTitle(), "Sardek - Galley Hand [-$4,600]");
    EXPECT_TRUE(runtime.messageBoxes().empty()); // nothing in progress: no question
}

// The gauge's maximum is set before its value, or 100 of 110 would be refused as above 60.
TEST_F(FileOrders, LoadingAFullerHoldThanTheGaugeShowed_ShowsItWhole)
{
    startGame(true);
    writeAll(path("big.srd"), leeWith({{6, "100"}, {7, "110"}}));
    loadFrom(path("big.srd"));
    EXPECT_EQ(main.prgHold->maxValue(), 110);
    EXPECT_EQ(main.prgHold->value(), 100);
}

TEST_F(FileOrders, LoadingAMillionaireSavedAsSuch_ShowsNoMillionaireWindow)
{
    writeAll(path("rich.srd"), leeWith({{22, "2000000"}, {26, "#TRUE#"}}));
    EXPECT_EQ(modalWindowsDuring([&] { loadFrom(path("rich.srd")); }), 0);
    EXPECT_EQ(main.state().NetWorth, 2'000'000 - 5000);
}

TEST_F(FileOrders, LoadingADebtOfATrillion_DeclaresBankruptcyAtOnce)
{
    writeAll(path("broke.srd"), leeWith({{21, "1000000000000"}}));
    runtime.queueMsgBoxResults({MsgBoxResult::No});
    loadFrom(path("broke.srd"));
    ASSERT_EQ(runtime.messageBoxes().size(), 1u);
    EXPECT_EQ(runtime.messageBoxes()[0].title, "Game Over");
    EXPECT_EQ(runtime.programEnds(), 1);
}

// Score and rank are reckoned from the first month boundary on; before it they stay.
TEST_F(FileOrders, LoadingAGameOfJanuary1860_KeepsScoreAndRankInMemory)
{
    main.state().Score = 4321;
    main.state().Rank = QStringLiteral("Sardek");
    writeAll(path("jan.srd"), leeWith({{22, "90000"}}));
    loadFrom(path("jan.srd"));
    EXPECT_EQ(main.state().Score, 4321);
    EXPECT_EQ(main.state().Rank, "Sardek");
    EXPECT_EQ(main.windowTitle(), "Sardek - Sardek [$85,000]");
}

struct BadFileCase {
    const char *name;
    QByteArray bytes;
};

class BadFile : public FileOrders, public ::testing::WithParamInterface<BadFileCase>
{
};

TEST_P(BadFile, IsRefusedAndChangesNothing)
{
    startGame(true);
    main.LogAppend(QStringLiteral(" - Bought 10 Opium"));
    const GameState before = main.state();
    const QString log = main.log().text();
    const QString title = main.windowTitle();
    writeAll(path("bad.srd"), GetParam().bytes);
    loadFrom(path("bad.srd"));
    ASSERT_EQ(runtime.messageBoxes().size(), 1u);
    EXPECT_EQ(runtime.messageBoxes()[0].prompt, "Error Opening File   ");
    EXPECT_EQ(runtime.messageBoxes()[0].style, MsgBoxStyle::CriticalOk);
    EXPECT_FALSE(runtime.messageBoxes()[0].title.isEmpty());
    EXPECT_EQ(main.state(), before);
    EXPECT_EQ(main.log().text(), log);
    EXPECT_EQ(main.windowTitle(), title);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BadFile,
    ::testing::Values(
        BadFileCase{"Empty", QByteArray()},
        BadFileCase{"TwentyFiveValues", LeeAtStart.left(LeeAtStart.lastIndexOf("#FALSE#"))},
        BadFileCase{"WordForNumber", QByteArray(LeeAtStart).replace("12000", "abc")},
        BadFileCase{"QuotationMarkInTheName", leeWith({{2, "Lee \"Sons\""}})},
        BadFileCase{"UnknownPort", QByteArray(LeeAtStart).replace("\"Hong Kong\"", "\"Atlantis\"")},
        BadFileCase{"NoSuchDate", QByteArray(LeeAtStart).replace("#1860-01-15#", "#1860-02-30#")},
        BadFileCase{"NumberTooLarge",
                    QByteArray(LeeAtStart).replace("400", "99999999999999999999")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(FileOrders, MissingFile_IsRefusedToo)
{
    startGame(false);
    const GameState before = main.state();
    loadFrom(path("absent.srd"));
    ASSERT_EQ(runtime.messageBoxes().size(), 1u);
    EXPECT_EQ(runtime.messageBoxes()[0].prompt, "Error Opening File   ");
    EXPECT_EQ(main.state(), before);
}

// A file-size limit makes the write fail part way, as a full disk does, whoever runs the test.
TEST_F(FileOrders, SaveFailingPartWay_GivesTheSystemsReasonAndKeepsTheEarlierFile)
{
    startGame(true);
    saveAs(path("keep.srd"));
    const QByteArray earlier = readAll(path("keep.srd"));
    main.state().Cash = 7;
    main.state().GameSaved = false;
    const QString log = main.log().text();
    {
        const Testing::FileSizeLimit limit(40);
        saveAs(path("keep.srd"));
    }
    ASSERT_EQ(runtime.messageBoxes().size(), 1u);
    EXPECT_EQ(runtime.messageBoxes()[0].prompt, "Error Saving File   ");
    EXPECT_EQ(runtime.messageBoxes()[0].style, MsgBoxStyle::CriticalOk);
    EXPECT_EQ(runtime.messageBoxes()[0].title, "File too large");
    EXPECT_EQ(readAll(path("keep.srd")), earlier);
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

TEST_F(FileOrders, NewGameAsksEvenRightAfterASave_CancelStops)
{
    startGame(true);
    ASSERT_TRUE(main.state().GameSaved);
    runtime.queueMsgBoxResults({MsgBoxResult::Cancel});
    main.mnuNewItem->trigger();
    ASSERT_EQ(runtime.messageBoxes().size(), 1u);
    EXPECT_EQ(runtime.messageBoxes()[0].prompt, "Do you want to save the current game?   ");
    EXPECT_EQ(runtime.messageBoxes()[0].style, MsgBoxStyle::ExclamationYesNoCancel);
    EXPECT_EQ(runtime.messageBoxes()[0].title, "Sardek");
}

TEST_F(FileOrders, YesThenCancelledSaveDialog_StillGoesOnToNewGame)
{
    startGame(true);
    runtime.queueMsgBoxResults({MsgBoxResult::Yes});
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
    writeAll(path("g.srd"), LeeAtStart);
    loadFrom(path("g.srd"));
    EXPECT_TRUE(runtime.messageBoxes().empty());
    main.show();
    EXPECT_TRUE(main.close());
    EXPECT_TRUE(runtime.messageBoxes().empty());
}

TEST_F(FileOrders, LoadingUnsaved_YesSavesFirstThenLoads)
{
    startGame(true);
    writeAll(path("other.srd"), leeWith({{22, "123"}}));
    main.state().Cash = 77;
    main.state().GameSaved = false;
    runtime.queueMsgBoxResults({MsgBoxResult::Yes});
    runtime.queueFileDialogAnswer(path("mine.srd"));
    loadFrom(path("other.srd"));
    ASSERT_EQ(runtime.fileDialogs().size(), 2u);
    EXPECT_TRUE(runtime.fileDialogs()[0].save);
    EXPECT_FALSE(runtime.fileDialogs()[1].save);
    EXPECT_TRUE(readAll(path("mine.srd")).contains("\r\n77\r\n"));
    EXPECT_EQ(main.state().Cash, 123);
}

TEST_F(FileOrders, ClosingUnsaved_NoClosesWithoutAFileDialog)
{
    startGame(true);
    main.state().GameSaved = false;
    main.show();
    runtime.queueMsgBoxResults({MsgBoxResult::No});
    EXPECT_TRUE(main.close());
    EXPECT_TRUE(runtime.fileDialogs().empty());
}

TEST_F(FileOrders, ClosingUnsaved_CancelKeepsTheWindow_YesSavesThenCloses)
{
    startGame(true);
    main.state().GameSaved = false;
    main.show();
    runtime.queueMsgBoxResults({MsgBoxResult::Cancel});
    EXPECT_FALSE(main.close());
    EXPECT_TRUE(main.isVisible());
    runtime.queueMsgBoxResults({MsgBoxResult::Yes});
    runtime.queueFileDialogAnswer(std::nullopt); // a cancelled save still closes
    EXPECT_TRUE(main.close());
    EXPECT_EQ(runtime.messageBoxes().size(), 2u);
}

} // namespace Sardek
