// The Help and About windows, opened over a stand-in for the main window.
#include "info/Links.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "runtime/Twips.h"

#include "ModalDialogs.h"
#include "QtPrinters.h"
#include "ScriptedRuntime.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>

using Sardek::frmAbout;
using Sardek::frmHelp;
using Sardek::HelpPage;
using Sardek::helpPageText;
using Sardek::ScriptedRuntime;
using Sardek::twipsToPixels;

namespace
{

// Stands in for the main window the windows are opened from.
QWidget *placedOwner(QWidget &owner)
{
    owner.setGeometry(150, 90, 700, 560);
    owner.show();
    return &owner;
}

// Judged by the advances, as the font system's fixed-pitch flag misses some monospaced faces.
bool monospaced(const QFont &font)
{
    const QFontMetricsF metrics(font);
    return metrics.horizontalAdvance('I') == metrics.horizontalAdvance('M') &&
           metrics.horizontalAdvance('=') == metrics.horizontalAdvance('M');
}

} // namespace

class HelpWindowTest : public testing::Test
{
  protected:
    void SetUp() override { help.show(); }

    template <typename T> T *control(const char *name) { return Sardek::control<T>(help, name); }
    void click(const char *button)
    {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }
    QString caption() { return control<QGroupBox>("fraContent")->title(); }
    QPlainTextEdit *display() { return control<QPlainTextEdit>("txtDisplay"); }

    QWidget owner;
    frmHelp help{placedOwner(owner)};
};

TEST_F(HelpWindowTest, Opens_CentredOnItsOwner_ShowingTheIntroduction)
{
    EXPECT_EQ(help.windowTitle(), "Sardek Help");
    EXPECT_EQ(caption(), "Introduction ");
    EXPECT_EQ(display()->toPlainText(), helpPageText(HelpPage::Introduction));
    EXPECT_TRUE(display()->isReadOnly());
    EXPECT_EQ(display()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const QPoint offCentre = help.frameGeometry().center() - owner.frameGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2) << offCentre.x() << ", " << offCentre.y();
}

TEST_F(HelpWindowTest, Instructions_LineUpInColumnsWithoutScrollingSideways)
{
    click("cmdIntructions");
    QFontMetrics metrics(display()->font());
    const QStringList lines = display()->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    const int width = metrics.horizontalAdvance(lines.first());
    for (const QString &line : lines)
        ASSERT_EQ(metrics.horizontalAdvance(line), width) << "out of line: " << line.toStdString();
    EXPECT_EQ(display()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(display()->horizontalScrollBar()->maximum(), 0) << "a line is wider than the box";
}

// Each page is shown after one with the other kind of font, so a caption, font or text left
// over from it shows up.
TEST_F(HelpWindowTest, EachButton_SetsCaptionFontAndText)
{
    const struct {
        const char *button, *before;
        HelpPage page;
        const char *caption;
        bool fixedPitch;
    } pages[] = {
        {"cmdIntroduction", "cmdIntructions", HelpPage::Introduction, "Introduction ", false},
        {"cmdIntructions", "cmdHints", HelpPage::Instructions, "Original Instuctions ", true},
        {"cmdHints", "cmdIntructions", HelpPage::Hints, "Hints ", false},
        {"cmdMoney", "cmdIntructions", HelpPage::MoneyLenderBug, "Money Lender Bug ", false}};
    for (const auto &page : pages) {
        click(page.before);
        click(page.button);
        EXPECT_EQ(caption(), QLatin1String(page.caption));
        EXPECT_EQ(display()->toPlainText(), helpPageText(page.page));
        const QFont font = display()->font();
        EXPECT_EQ(font.pointSize(), 8);
        EXPECT_FALSE(font.bold() || font.italic());
        EXPECT_EQ(monospaced(font), page.fixedPitch) << page.button;
        if (!page.fixedPitch) {
            EXPECT_EQ(font.family(), "MS Sans Serif");
        }
    }
}

TEST_F(HelpWindowTest, Escape_ClosesTheWindowWhicheverControlHasFocus)
{
    for (const char *name : {"cmdMoney", "txtDisplay"}) {
        help.show();
        QWidget *focused = control<QWidget>(name);
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_Escape);
        EXPECT_FALSE(help.isVisible()) << name;
    }
}

class AboutWindowTest : public testing::Test
{
  protected:
    void SetUp() override { about.show(); }

    template <typename T> T *control(const char *name) { return Sardek::control<T>(about, name); }
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
