#include "core/SavedGame.h"

#include "CoreTestSupport.h"
#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Sardek;
using namespace Sardek::Testing;

namespace
{

// Every saved value distinct from the others, with fractions and both ends of the range.
GameState oddState(const QString &firm)
{
    GameState s = clutteredState();
    s.GameDate = GameDate::fromYmd(1861, 2, 28).value();
    s.FirmName = firm;
    s.CurrentPort = QStringLiteral("Batavia");
    s.ShipStatus = Currency::fromRaw(125000);
    s.ShipSilk = Currency::fromRaw(-1);
    s.PriceArms = Currency::max();
    s.Debt = Currency::min();
    s.Cash = Currency::fromRaw(12345678901);
    s.TributeCounter = -3;
    return s;
}

class SavedGameFile : public testing::Test
{
  protected:
    QString pathOf(const QString &name) const { return dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir dir;
};

} // namespace

class SavedGameRoundTrip : public testing::TestWithParam<const char16_t *>
{
};

TEST_P(SavedGameRoundTrip, GivesBackEverySavedValueAndTouchesNothingElse)
{
    QTemporaryDir dir;
    const GameState saved = oddState(QString::fromUtf16(GetParam()));
    const QString path = dir.filePath(QStringLiteral("game.srd"));
    ASSERT_TRUE(saveGame(saved, path).ok);
    const LoadResult loaded = loadGame(path);
    ASSERT_TRUE(loaded.values) << loaded.error.toStdString();
    EXPECT_EQ(*loaded.values, savedValuesOf(saved));

    GameState target;
    target.GameInProgress = target.GameOver = true;
    target.NetWorth = 77;
    target.Score = 88;
    target.Rank = QStringLiteral("Sardek");
    GameState expected = saved;
    for (bool GameState::*flag :
         {&GameState::GameInProgress, &GameState::GameSaved, &GameState::GameOver})
        expected.*flag = target.*flag;
    expected.NetWorth = target.NetWorth;
    expected.Score = target.Score;
    expected.Rank = target.Rank;
    applySavedValues(*loaded.values, target);
    EXPECT_EQ(target, expected);
}

INSTANTIATE_TEST_SUITE_P(FirmNames, SavedGameRoundTrip,
                         testing::Values(u"Lee, Sons, & Co.", u"  leading and trailing  ", u"",
                                         u"#1#, 2", u"Ünïcödé 香港 \U00010400", u"Tab\there"));

TEST_F(SavedGameFile, QuotesAndLineEndsInStrings_AreWrittenSoTheFileStillReads)
{
    const QString path = pathOf(QStringLiteral("quote.srd"));
    ASSERT_TRUE(saveGame(oddState(QStringLiteral("Lee\"s\r\nFirm")), path).ok);
    const LoadResult loaded = loadGame(path);
    ASSERT_TRUE(loaded.values) << loaded.error.toStdString();
    EXPECT_EQ(loaded.values->FirmName, "Lee's  Firm");
    EXPECT_EQ(readBytes(path).count("\r\n"), 26);
}

TEST_F(SavedGameFile, SavingAgain_ReplacesTheFileWhole)
{
    const QString path = pathOf(QStringLiteral("game.srd"));
    writeBytes(path, QByteArray(4000, 'x'));
    ASSERT_TRUE(saveGame(oddState(QStringLiteral("Lee")), path).ok);
    EXPECT_EQ(loadGame(path).values, savedValuesOf(oddState(QStringLiteral("Lee"))));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("game.srd")});
}
