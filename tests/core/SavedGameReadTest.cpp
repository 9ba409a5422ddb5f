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

INSTANTIATE_TEST_SUITE_P(
    Layouts, LenientFile,
    testing::Values(
        FileCase{"canonical", joined(ExampleLines), nullptr},
        FileCase{"commas",
                 "#1860-01-15#,\"Lee\" , \"Hong Kong\"\r\n0,100,0,60,0,0,0,0,0,0,0,0\r\n"
                 "12000,1500,120,9\r\n0,5000,400,0,0,0,#FALSE#\r\n",
                 nullptr},
        FileCase{"leading blanks", leeWith({{4, "  \t 0"}}), nullptr},
        FileCase{"LF only", joined(ExampleLines, "\n"), nullptr},
        FileCase{"CR only", joined(ExampleLines, "\r"), nullptr},
        FileCase{"blank lines", leeWith({{5, "\r\n  \r\n100"}}), nullptr},
        FileCase{"no final line end", joined(ExampleLines).chopped(2), nullptr},
        FileCase{"extra lines", joined(ExampleLines) + "garbage, \"unclosed\r\n#x\r\n", nullptr},
        FileCase{"bare strings and lower case", leeWith({{26, "#false#"}}).replace("\"", ""),
                 nullptr},
        FileCase{"byte order mark", "\xEF\xBB\xBF" + joined(ExampleLines), nullptr}));

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

INSTANTIATE_TEST_SUITE_P(
    Faults, BadFile,
    testing::Values(
        FileCase{"empty", "", "ends after 0 of 26 values"},
        FileCase{"25 values", joined(ExampleLines.mid(0, 25)), "ends after 25 of 26 values"},
        FileCase{"letters for a number", leeWith({{4, "abc"}}), "Line 4: \"abc\" is not a number"},
        FileCase{"empty field", leeWith({{8, ","}}), "Line 8: \"\" is not a number"},
        FileCase{"quoted number", leeWith({{9, "\"0\""}}), "Line 9: a number was expected"},
        FileCase{"beyond the range", leeWith({{22, "922337203685477.5808"}}),
                 "Line 22: \"922337203685477.5808\" is out of range"},
        FileCase{"far beyond the range", leeWith({{21, QByteArray(40, '9')}}),
                 "Line 21: \"999999999999999999999999...\" is out of range"},
        FileCase{"day the month lacks", leeWith({{1, "#1860-02-30#"}}), "Line 1:"},
        FileCase{"date without number signs", leeWith({{1, "1860-01-15"}}), "Line 1:"},
        FileCase{"unknown port", leeWith({{3, "\"Atlantis\""}}),
                 "Line 3: \"Atlantis\" is not a port"},
        FileCase{"unterminated string", leeWith({{2, "\"Lee"}}),
                 "Line 2: no closing quotation mark"},
        FileCase{"unterminated date", leeWith({{1, "#1860-01-15"}}),
                 "Line 1: no closing number sign"},
        FileCase{"text after a string", leeWith({{2, "\"Lee\" & Co"}}),
                 "Line 2: unexpected text after a value"},
        FileCase{"truth value without signs", leeWith({{26, "TRUE"}}), "Line 26:"},
        FileCase{"truth value of another word", leeWith({{26, "#YES#"}}), "Line 26:"},
        FileCase{"date for a name", leeWith({{2, "#1860-01-15#"}}), "Line 2: text was expected"},
        FileCase{"quotation mark in the name", leeWith({{2, "Lee \"Sons\""}}),
                 "Line 2: a firm name cannot hold a double quotation mark"}));

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
