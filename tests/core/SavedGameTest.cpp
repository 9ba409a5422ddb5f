#include "core/SavedGame.h"
#include "core/GameState.h"
#include "core/SavedValueText.h"
#include "runtime/Formats.h"

#include "CoreTestSupport.h"
#include "GameStates.h"
#include "QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <span>
#include <tuple>

using namespace Sardek;
using namespace Sardek::Testing;

namespace
{

// The cash scenario's opening values with the prices 12,000 / 1,500 / 120 / 9.
SavedValues leeValues()
{
    GameState lee = portState();
    std::tie(lee.PriceOpium, lee.PriceSilk, lee.PriceArms, lee.PriceGeneral) =
        std::tuple(Currency(12000), Currency(1500), Currency(120), Currency(9));
    lee.Debt = 5000;
    lee.Cash = 400;
    return savedValuesOf(lee);
}

struct FileCase {
    const char *name;
    QByteArray bytes;
    const char *error; ///< a part of the expected description; null when the file is good
    const char *firm = "Lee";
};

} // namespace

// Every saved value comes back whatever the firm's name; applying them touches nothing else.
TEST(SavedGameRoundTrip, GivesBackEverySavedValueAndTouchesNothingElse)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("game.srd"));
    for (const char16_t *firm : {u"Lee, Sons, & Co.", u"  leading and trailing  ", u"", u"#1#, 2",
                                 u"Ünïcödé 香港 \U00010400", u"Tab\there"}) {
        const GameState saved = clutteredState(QString::fromUtf16(firm));
        ASSERT_TRUE(writeSavedGame(saved, path).ok);
        const LoadResult loaded = readSavedGame(path);
        ASSERT_TRUE(loaded.values) << loaded.error.toStdString();
        EXPECT_EQ(*loaded.values, savedValuesOf(saved)) << saved.FirmName.toStdString();
    }

    const GameState saved = clutteredState();
    GameState target;
    target.GameInProgress = target.GameOver = true;
    std::tie(target.NetWorth, target.Score, target.Rank) =
        std::tuple(Currency(77), Currency(88), QStringLiteral("Sardek"));
    GameState expected = saved;
    std::tie(expected.GameInProgress, expected.GameSaved, expected.GameOver, expected.NetWorth,
             expected.Score, expected.Rank) =
        std::tie(target.GameInProgress, target.GameSaved, target.GameOver, target.NetWorth,
                 target.Score, target.Rank);
    applySavedValues(savedValuesOf(saved), target);
    EXPECT_EQ(target, expected);
}

// A quotation mark or line end in a name is written as an apostrophe or a blank, so the file
// still reads; the new file replaces the old one whole and leaves nothing beside it.
TEST(SavedGameFile, SavingOverAnOldFile_ReplacesItWhole_WritingQuotesAndLineEndsSafely)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("game.srd"));
    writeBytes(path, QByteArray(4000, 'x'));
    ASSERT_TRUE(writeSavedGame(clutteredState(QStringLiteral("Lee\"s\r\nFirm")), path).ok);
    EXPECT_EQ(readSavedGame(path).values,
              savedValuesOf(clutteredState(QStringLiteral("Lee's  Firm"))));
    const QByteArray bytes = readBytes(path);
    EXPECT_EQ(bytes.count("\r\n"), 26);
    EXPECT_FALSE(bytes.contains('x'));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("game.srd")});
}

// clang-format off
const FileCase Layouts[] = {
    {"canonical", leeWith(), nullptr},
    {"commas", "#1860-01-15#,\"Lee\" , \"Hong Kong\"\r\n0,100,0,60,0,0,0,0,0,0,0,0\r\n"
               "12000,1500,120,9\r\n0,5000,400,0,0,0,#FALSE#\r\n", nullptr},
    {"leading blanks", leeWith({{4, "  \t 0"}}), nullptr},
    {"LF only", LeeLines.join("\n") + "\n", nullptr},
    {"CR only", LeeLines.join("\r") + "\r", nullptr},
    {"blank lines", leeWith({{5, "\r\n  \r\n100"}}), nullptr},
    {"no final line end", LeeLines.join("\r\n"), nullptr},
    {"extra lines", leeWith() + "garbage, \"unclosed\r\n#x\r\n", nullptr},
    {"bare strings and lower case", leeWith({{26, "#false#"}}).replace("\"", ""), nullptr},
    {"byte order mark", "\xEF\xBB\xBF" + leeWith(), nullptr},
    {"text not UTF-8, read as Latin-1", leeWith({{2, "\"M\xFCller\""}}), nullptr, "Müller"},
    {"huge, read in part", leeWith() +
        (QByteArray(1000, 'x') + "\r\n").repeated(2 * MaxReadBytes / 1000), nullptr}};
const FileCase Faults[] = {
    {"empty", "", "ends after 0 of 26 values"},
    {"25 values", LeeLines.mid(0, 25).join("\r\n") + "\r\n", "ends after 25 of 26 values"},
    {"letters for a number", leeWith({{4, "abc"}}), "Line 4: \"abc\" is not a number"},
    {"empty field", leeWith({{8, ","}}), "Line 8: \"\" is not a number"},
    {"quoted number", leeWith({{9, "\"0\""}}), "Line 9: a number was expected"},
    {"beyond the range", leeWith({{22, "922337203685477.5808"}}),
     "Line 22: \"922337203685477.5808\" is out of range"},
    {"far beyond the range", leeWith({{21, QByteArray(40, '9')}}),
     "Line 21: \"999999999999999999999999...\" is out of range"},
    {"day the month lacks", leeWith({{1, "#1860-02-30#"}}), "Line 1:"},
    {"date without number signs", leeWith({{1, "1860-01-15"}}), "Line 1:"},
    {"unknown port", leeWith({{3, "\"Atlantis\""}}), "Line 3: \"Atlantis\" is not a port"},
    {"unterminated string", leeWith({{2, "\"Lee"}}), "Line 2: no closing quotation mark"},
    {"unterminated date", leeWith({{1, "#1860-01-15"}}), "Line 1: no closing number sign"},
    {"text after a string", leeWith({{2, "\"Lee\" & Co"}}), "Line 2: unexpected text after a value"},
    {"truth value without signs", leeWith({{26, "TRUE"}}), "Line 26:"},
    {"truth value of another word", leeWith({{26, "#YES#"}}), "Line 26:"},
    {"date for a name", leeWith({{2, "#1860-01-15#"}}), "Line 2: text was expected"},
    {"quotation mark in the name", leeWith({{2, "Lee \"Sons\""}}),
     "Line 2: a firm name cannot hold a double quotation mark"}};
// clang-format on

// A lenient layout reads the Lee game's values; a fault refuses the whole file, saying why.
TEST(SavedGameFileRead, GivesEveryValueOrRefusesTheWholeFileWithADescription)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("game.srd"));
    const std::span<const FileCase> tables[] = {Layouts, Faults};
    for (const std::span<const FileCase> cases : tables)
        for (const FileCase &c : cases) {
            SCOPED_TRACE(c.name);
            writeBytes(path, c.bytes);
            const LoadResult loaded = readSavedGame(path);
            if (c.error) {
                EXPECT_FALSE(loaded.values);
                EXPECT_TRUE(loaded.error.contains(QLatin1String(c.error)))
                    << loaded.error.toStdString();
            } else {
                ASSERT_TRUE(loaded.values) << loaded.error.toStdString();
                SavedValues expected = leeValues();
                expected.FirmName = QString::fromUtf8(c.firm);
                EXPECT_EQ(*loaded.values, expected);
            }
        }
}

// A named pipe or a device would block the window for ever once opened.
TEST(SavedGameFileRead, AnythingButARegularFile_IsRefusedBeforeOpening)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.srd"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const std::pair<QString, const char *> cases[] = {
        {dir.filePath(QStringLiteral("none.srd")), "File not found"},
        {dir.path(), "The path is a folder"},
        {pipe, "Not a regular file"},
        {QStringLiteral("/dev/zero"), "Not a regular file"}};
    for (const auto &[path, error] : cases) {
        const LoadResult loaded = readSavedGame(path);
        EXPECT_FALSE(loaded.values) << qPrintable(path);
        EXPECT_EQ(loaded.error, error);
    }
}

// A written number (true in the table) has its sign, whole part and significant decimals
// only. Beyond four decimals a number reads as the nearest ten-thousandth, halves to even; a
// refused one leaves the target as it was.
TEST(SavedNumber, IsWrittenPlainly_ReadsBackAndInLooseForms_RefusingTheRest)
{
    constexpr auto Ok = NumberReading::Ok;
    constexpr auto Bad = NumberReading::NotANumber;
    constexpr auto Big = NumberReading::OutOfRange;
    // clang-format off
    const std::tuple<const char *, NumberReading, Currency::Raw, bool> cases[] = {
        {"0", Ok, 0, true}, {"-4600", Ok, -46000000, true}, {"12.5", Ok, 125000, true},
        {"-0.0001", Ok, -1, true}, {"1.0001", Ok, 10001, true},
        {"922337203685477.5807", Ok, INT64_MAX, true},
        {"-922337203685477.5808", Ok, INT64_MIN, true},
        {"+5", Ok, 50000, false}, {"-.5", Ok, -5000, false}, {"7.", Ok, 70000, false},
        {"1.00005", Ok, 10000, false}, {"1.00015", Ok, 10002, false},
        {"1.000050001", Ok, 10001, false}, {"-922337203685477.58084", Ok, INT64_MIN, false},
        {"922337203685477.58075", Big, 42, false}, {"-922337203685477.5809", Big, 42, false},
        {"000000000000000000000000000001", Ok, 10000, false},
        {"", Bad, 42, false}, {"-", Bad, 42, false}, {".", Bad, 42, false},
        {"1.2.3", Bad, 42, false}, {"1e5", Bad, 42, false}, {"1,000", Bad, 42, false},
        {"--1", Bad, 42, false}, {"\u0663", Bad, 42, false}};
    // clang-format on
    for (const auto &[text, reading, raw, written] : cases) {
        Currency read = Currency::fromRaw(42);
        EXPECT_EQ(readSavedNumber(QString::fromUtf8(text), read), reading) << text;
        EXPECT_EQ(read.raw(), raw) << text;
        if (written) {
            EXPECT_EQ(PlainNumber(read), text);
        }
    }
}

TEST(SavedDate, IsWrittenYearMonthDayAndReadLoosely)
{
    EXPECT_EQ(savedDateText(GameDate::fromYmd(1860, 1, 15).value()), "1860-01-15");
    EXPECT_EQ(savedDateText(GameDate::fromYmd(100, 3, 1).value()), "0100-03-01");
    EXPECT_EQ(readSavedDate(u"1861-2-5"), GameDate::fromYmd(1861, 2, 5));
    EXPECT_EQ(readSavedDate(u"9999-12-31"), GameDate::fromYmd(9999, 12, 31));
    for (const char16_t *bad : {u"1861-02-29", u"99-01-01", u"10000-01-01", u"1860-001-01",
                                u"1860-01", u"1860-01-15-1", u"1860/01/15", u"", u"-1860-01-15"})
        EXPECT_FALSE(readSavedDate(bad)) << QString::fromUtf16(bad).toStdString();
}
