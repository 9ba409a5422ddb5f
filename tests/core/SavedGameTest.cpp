#include "core/SavedGame.h"

#include "CoreTestSupport.h"
#include "QtPrinters.h"

#include <QDir>
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
    std::tie(expected.GameInProgress, expected.GameSaved, expected.GameOver, expected.NetWorth,
             expected.Score, expected.Rank) =
        std::tie(target.GameInProgress, target.GameSaved, target.GameOver, target.NetWorth,
                 target.Score, target.Rank);
    applySavedValues(*loaded.values, target);
    EXPECT_EQ(target, expected);
}

INSTANTIATE_TEST_SUITE_P(FirmNames, SavedGameRoundTrip,
                         testing::Values(u"Lee, Sons, & Co.", u"  leading and trailing  ", u"",
                                         u"#1#, 2", u"Ünïcödé 香港 \U00010400", u"Tab\there"));

// A quotation mark or line end in a name is written as an apostrophe or a blank, so the file
// still reads; the new file replaces the old one whole and leaves nothing beside it.
TEST(SavedGameFile, SavingOverAnOldFile_ReplacesItWhole_WritingQuotesAndLineEndsSafely)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("game.srd"));
    writeBytes(path, QByteArray(4000, 'x'));
    ASSERT_TRUE(saveGame(oddState(QStringLiteral("Lee\"s\r\nFirm")), path).ok);
    EXPECT_EQ(loadGame(path).values, savedValuesOf(oddState(QStringLiteral("Lee's  Firm"))));
    const QByteArray bytes = readBytes(path);
    EXPECT_EQ(bytes.count("\r\n"), 26);
    EXPECT_FALSE(bytes.contains('x'));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("game.srd")});
}
