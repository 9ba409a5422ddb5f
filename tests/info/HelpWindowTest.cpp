#include "info/frmHelp.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using Sardek::frmHelp;
using Sardek::HelpPage;
using Sardek::helpPageText;

namespace
{

// Stands in for the main window the help window is opened from.
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

    template <typename T> T *control(const char *name)
    {
        T *found = help.findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << "no control " << name;
        return found;
    }
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
