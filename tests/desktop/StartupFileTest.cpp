// A saved game named on the command line is loaded as Load loads it.
#include "MainWindowFixture.h"

#include <QFile>
#include <QTemporaryDir>

namespace Sardek
{

namespace
{

const QByteArray SavedInShanghai =
    "#1861-07-15#\r\n\"Lee\"\r\n\"Shanghai\"\r\n2\r\n90\r\n30\r\n60\r\n"
    "10\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
    "12000\r\n1500\r\n120\r\n9\r\n0\r\n0\r\n900\r\n0\r\n0\r\n3\r\n"
    "#FALSE#\r\n";

} // namespace

class StartupFile : public MainWindowTest
{
  protected:
    QString write(const QByteArray &bytes)
    {
        const QString path = folder.filePath(QStringLiteral("start.srd"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir folder;
};

TEST_F(StartupFile, AGoodFile_StartsTheGameItHolds)
{
    main.LoadGameFile(write(SavedInShanghai));

    EXPECT_TRUE(main.state().GameInProgress);
    EXPECT_EQ(main.state().CurrentPort, "Shanghai");
    EXPECT_EQ(main.log().text(), "Jul 15, 1861 - Game Loaded Successfully");
    EXPECT_TRUE(main.cmdLeave->isEnabled());
    EXPECT_TRUE(runtime.messageBoxes().empty());
}

TEST_F(StartupFile, ABadFile_GetsLoadsErrorBox_AndTheWindowWaitsForAGame)
{
    main.LoadGameFile(write("not a saved game\r\n"));

    ASSERT_EQ(runtime.messageBoxes().size(), 1u);
    EXPECT_EQ(runtime.messageBoxes()[0].prompt, "Error Opening File   ");
    EXPECT_EQ(runtime.messageBoxes()[0].style, MsgBoxStyle::CriticalOk);
    EXPECT_FALSE(main.state().GameInProgress);
    EXPECT_FALSE(main.cmdLeave->isEnabled());
    EXPECT_TRUE(main.mnuNewItem->isEnabled());
}

} // namespace Sardek
