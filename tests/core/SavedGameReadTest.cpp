#include "core/SavedGame.h"

#include "core/GameState.h"

#include "CoreTestSupport.h"
#include "QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Sardek;
using Sardek::Testing::writeBytes;

namespace
{

using Testing::joined;
using Testing::leeWith;

const QList<QByteArray> &ExampleLines = Testing::LeeLines;

SavedValues exampleValues()
{
    SavedValues v;
    v.GameDate = GameDate::fromYmd(1860, 1, 15).value();
    v.FirmName = QStringLiteral("Lee");
    v.CurrentPort = QStringLiteral("Hong Kong");
    v.ShipStatus = 100;
    v.HoldCapacity = 60;
    v.PriceOpium = 12000;
    v.PriceSilk = 1500;
    v.PriceArms = 120;
    v.PriceGeneral = 9;
    v.Debt = 5000;
    v.Cash = 400;
    return v;
}

LoadResult loadBytes(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("game.srd"));
    writeBytes(path, bytes);
    return loadGame(path);
}

struct FileCase {
    const char *name;
    QByteArray bytes;
    const char *error; ///< a part of the expected description; null when the file is good
};

void PrintTo(const FileCase &c, std::ostream *out)
{
    *out << c.name;
}

} // namespace

class LenientFile : public testing::TestWithParam<FileCase>
{
};

TEST_P(LenientFile, ReadsTheSameValues)
{
    const LoadResult loaded = loadBytes(GetParam().bytes);
    ASSERT_TRUE(loaded.values) << loaded.error.toStdString();
    EXPECT_EQ(*loaded.values, exampleValues());
}

// clang-format off
const FileCase Layouts[] = {
    {"canonical", joined(ExampleLines), nullptr},
    {"commas", "#1860-01-15#,\"Lee\" , \"Hong Kong\"\r\n0,100,0,60,0,0,0,0,0,0,0,0\r\n"
               "12000,1500,120,9\r\n0,5000,400,0,0,0,#FALSE#\r\n", nullptr},
    {"leading blanks", leeWith({{4, "  \t 0"}}), nullptr},
    {"LF only", joined(ExampleLines, "\n"), nullptr},
    {"CR only", joined(ExampleLines, "\r"), nullptr},
    {"blank lines", leeWith({{5, "\r\n  \r\n100"}}), nullptr},
    {"no final line end", joined(ExampleLines).chopped(2), nullptr},
    {"extra lines", joined(ExampleLines) + "garbage, \"unclosed\r\n#x\r\n", nullptr},
    {"bare strings and lower case", leeWith({{26, "#false#"}}).replace("\"", ""), nullptr},
    {"byte order mark", "\xEF\xBB\xBF" + joined(ExampleLines), nullptr}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Layouts, LenientFile, testing::ValuesIn(Layouts));

class BadFile : public testing::TestWithParam<FileCase>
{
};

TEST_P(BadFile, IsRefusedWholeWithADescription)
{
    const LoadResult loaded = loadBytes(GetParam().bytes);
    EXPECT_FALSE(loaded.values);
    EXPECT_TRUE(loaded.error.contains(QLatin1String(GetParam().error)))
        << loaded.error.toStdString();
}

// clang-format off
const FileCase Faults[] = {
    {"empty", "", "ends after 0 of 26 values"},
    {"25 values", joined(ExampleLines.mid(0, 25)), "ends after 25 of 26 values"},
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
INSTANTIATE_TEST_SUITE_P(Faults, BadFile, testing::ValuesIn(Faults));

// A named pipe or a device would block the window for ever once opened.
TEST(LoadGame, AnythingButARegularFile_IsRefusedBeforeOpening)
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
        const LoadResult loaded = loadGame(path);
        EXPECT_FALSE(loaded.values) << qPrintable(path);
        EXPECT_EQ(loaded.error, error);
    }
}

TEST(LoadGame, TextThatIsNotUtf8_IsReadAsLatin1)
{
    const LoadResult loaded = loadBytes(leeWith({{2, "\"M\xFCller\""}}));
    ASSERT_TRUE(loaded.values) << loaded.error.toStdString();
    EXPECT_EQ(loaded.values->FirmName, QString::fromUtf8("Müller"));
}

TEST(LoadGame, HugeFile_ReadsItsFirstValuesOnly)
{
    QByteArray bytes = joined(ExampleLines);
    const QByteArray filler(1000, 'x');
    while (bytes.size() <= 2 * MaxReadBytes)
        bytes += filler + "\r\n";
    const LoadResult loaded = loadBytes(bytes);
    ASSERT_TRUE(loaded.values) << loaded.error.toStdString();
    EXPECT_EQ(*loaded.values, exampleValues());
}
