#include "info/Links.h"
#include "info/frmAbout.h"

#include "QtPrinters.h"
#include "ScriptedRuntime.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>

using Sardek::frmAbout;
using Sardek::ScriptedRuntime;

namespace
{

QWidget *placedOwner(QWidget &owner)
{
    owner.setGeometry(200, 150, 700, 560);
    owner.show();
    return &owner;
}

int twipsToPixels(int twips, int dotsPerInch)
{
    return qRound(twips * dotsPerInch / 1440.0);
}

} // namespace

class AboutWindowTest : public testing::Test
{
  protected:
    void SetUp() override { about.show(); }

    template <typename T> T *control(const char *name)
    {
        T *found = about.findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << "no control " << name;
        return found;
    }
    QString labelText(const char *name) { return control<QLabel>(name)->text(); }
    // Clicks the middle of a link label, which is on its text: the labels fit their text.
    void clickLink(const char *name)
    {
        QLabel *label = control<QLabel>(name);
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    }

    ScriptedRuntime runtime;
    QWidget owner;
    frmAbout about{runtime, placedOwner(owner)};
};

TEST_F(AboutWindowTest, Opens_WithVersionCreditsAndLinks)
{
    EXPECT_EQ(about.windowTitle(), "About Sardek for Windows");
    const QStringList version = labelText("lblVersion").split(QLatin1Char('\n'));
    ASSERT_EQ(version.size(), 2);
    EXPECT_EQ(version.at(0), "Sardek for Windows v1.11");
    EXPECT_FALSE(version.at(1).trimmed().isEmpty()) << "the developer's credit line";

    const QStringList credit = labelText("lblCredit").split(QLatin1Char('\n'));
    ASSERT_EQ(credit.size(), 4);
    EXPECT_FALSE(credit.at(0).trimmed().isEmpty()) << "the first edition's credit line";
    EXPECT_EQ(credit.mid(1), (QStringList{"", "Web:", "Support:"}));

    EXPECT_TRUE(labelText("lblHomepage").contains("https://www.example.com/sardek"));
    EXPECT_TRUE(labelText("lblContact").contains("support@example.com"));
    for (const char *name : {"lblVersion", "lblCredit", "lblHomepage", "lblContact"})
        EXPECT_EQ(control<QLabel>(name)->font().family(), "MS Sans Serif") << name;
    EXPECT_EQ(control<QPushButton>("cmdOK")->text(), "Ok");
    EXPECT_TRUE(control<QPushButton>("cmdOK")->isDefault());
}

TEST_F(AboutWindowTest, Opens_AtTheTwipsOffsetFromTheMainWindowsCorner)
{
    const QPoint offset(twipsToPixels(2100, owner.logicalDpiX()),
                        twipsToPixels(1600, owner.logicalDpiY()));
    EXPECT_EQ(about.pos(), owner.pos() + offset);
}

// A refused link (no browser, say) is ignored without a message.
TEST_F(AboutWindowTest, Links_OpenTheHomePageAndAMailToSupport)
{
    runtime.linkAccepted = false;
    clickLink("lblHomepage");
    Sardek::OpenHomePage(runtime);
    clickLink("lblContact");

    ASSERT_EQ(runtime.openedLinks().size(), 3u);
    EXPECT_EQ(runtime.openedLinks().at(0), QUrl("https://www.example.com/sardek"));
    EXPECT_EQ(runtime.openedLinks().at(1), runtime.openedLinks().at(0));
    EXPECT_EQ(runtime.openedLinks().at(2).toString(QUrl::FullyEncoded),
              "mailto:support@example.com?subject=Sardek%20for%20Windows%20v1.10");
    EXPECT_TRUE(runtime.messageBoxes().empty());
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutWindowTest, Ok_ClickedOrEntered_ClosesTheWindow)
{
    QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());

    about.show();
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    ASSERT_EQ(QApplication::focusWidget(), control<QPushButton>("cmdOK"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
    about.show();
    QTest::keyClick(control<QPushButton>("cmdOK"), Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutWindowTest, ShipPicture_IsDrawn)
{
    const QImage picture = control<QWidget>("PicShip")->grab().toImage();
    ASSERT_FALSE(picture.isNull());
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y));
    // Sky, sea, hull, sails and their shading; an empty widget has one or two.
    EXPECT_GT(colours.size(), 20);
}
