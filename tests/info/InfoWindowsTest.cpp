// The help pages, and the Help and About windows opened over a stand-in for the main window.
#include "info/HelpPages.h"
#include "info/Links.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "ui/Twips.h"

#include "ModalDialogs.h"
#include "ScriptedRuntime.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>

namespace Sardek
{

using namespace Testing;

// The Instructions page is shown in fixed pitch, unwrapped: its columns must line up exactly.
// The other pages are prose, wrapped by the window: one line per paragraph.
TEST(HelpPages, InstructionsAreFortyColumnsOfUpperCaseAscii_ProseIsOneLineParagraphs)
{
    const QString text = helpPageText(HelpPage::Instructions);
    ASSERT_TRUE(text.endsWith('\n')) << "the last line needs its line break too";
    const QStringList lines = text.chopped(1).split('\n');
    ASSERT_GE(lines.size(), 240);
    // Printable ASCII but lower case: a tab or any other character would shift the columns.
    const QRegularExpression upperCaseAscii(
        QStringLiteral("^[\\x20-\\x60\\x7B-\\x7E]{%1}$").arg(InstructionColumns));
    for (const QString &line : lines)
        EXPECT_TRUE(upperCaseAscii.match(line).hasMatch()) << line.toStdString();
    EXPECT_EQ(lines.at(0), "I>" + QString(36, '=') + "<I");
    EXPECT_EQ(lines.at(6), lines.at(0));
    EXPECT_TRUE(lines.at(2).contains("S   A   R   D   E   K"));
    EXPECT_TRUE(lines.at(4).contains("(INSTUCTIONS)"));

    const QString hints = helpPageText(HelpPage::Hints);
    ASSERT_TRUE(hints.endsWith("\n\n")) << "each tip is followed by a blank line";
    QStringList paragraphs = hints.chopped(2).split("\n\n");
    EXPECT_EQ(paragraphs.size(), 6);
    const QStringList bug = helpPageText(HelpPage::MoneyLenderBug).trimmed().split("\n\n");
    ASSERT_EQ(bug.size(), 2);
    EXPECT_TRUE(bug.at(1).contains("\"Enable Money Lender Bug\""))
        << "the option is named as the Options menu shows it";
    paragraphs << bug << helpPageText(HelpPage::Introduction).trimmed();
    for (const QString &paragraph : paragraphs)
        EXPECT_TRUE(!paragraph.trimmed().isEmpty() && !paragraph.contains('\n'))
            << "not one paragraph: " << paragraph.toStdString();
}

class InfoWindowTest : public testing::Test
{
  protected:
    // The windows place themselves over their owner as they are made.
    static QWidget *placed(QWidget &owner)
    {
        owner.setGeometry(150, 90, 700, 560);
        owner.show();
        return &owner;
    }
    QString labelText(const char *name) { return control<QLabel>(about, name)->text(); }

    ScriptedRuntime runtime;
    QWidget owner;
    frmHelp help{placed(owner)};
    frmAbout about{runtime, &owner};
};

// Each page is shown after one with the other kind of font, so that a caption, font or text
// left over from it shows up.
TEST_F(InfoWindowTest, Help_OpensCentredOnTheIntroduction_EachButtonSetsCaptionFontAndText)
{
    help.show();
    EXPECT_EQ(help.windowTitle(), "Sardek Help");
    const QPoint offCentre = help.frameGeometry().center() - owner.frameGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2) << offCentre.x() << ", " << offCentre.y();
    auto *display = control<QPlainTextEdit>(help, "txtDisplay");
    EXPECT_TRUE(display->isReadOnly());
    EXPECT_EQ(display->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    const struct {
        const char *before, *button; // none: as the window opens
        HelpPage page;
        const char *caption;
    } pages[] = {{nullptr, nullptr, HelpPage::Introduction, "Introduction "},
                 {"cmdIntructions", "cmdIntroduction", HelpPage::Introduction, "Introduction "},
                 {"cmdIntructions", "cmdHints", HelpPage::Hints, "Hints "},
                 {"cmdIntructions", "cmdMoney", HelpPage::MoneyLenderBug, "Money Lender Bug "},
                 {"cmdHints", "cmdIntructions", HelpPage::Instructions, "Original Instuctions "}};
    for (const auto &page : pages) {
        SCOPED_TRACE(page.caption);
        for (const char *button : {page.before, page.button})
            if (button)
                QTest::mouseClick(control<QPushButton>(help, button), Qt::LeftButton);
        EXPECT_EQ(control<QGroupBox>(help, "fraContent")->title(), page.caption);
        EXPECT_EQ(display->toPlainText(), helpPageText(page.page));
        const QFont font = display->font();
        EXPECT_EQ(std::tuple(font.pointSize(), font.bold(), font.italic()),
                  std::tuple(8, false, false));
        EXPECT_EQ(font.family() == "MS Sans Serif", page.page != HelpPage::Instructions)
            << font.family().toStdString();
    }
    // The Instructions page, shown last, lines up in columns and nothing is cut off.
    const QFontMetrics metrics(display->font());
    const QStringList lines = display->toPlainText().split('\n', Qt::SkipEmptyParts);
    for (const QString &line : lines)
        ASSERT_EQ(metrics.horizontalAdvance(line), metrics.horizontalAdvance(lines.first()))
            << "out of line: " << line.toStdString();
    EXPECT_EQ(display->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(display->horizontalScrollBar()->maximum(), 0) << "a line is wider than the box";

    // Escape closes it, whichever control has the focus.
    for (QWidget *focused : {control<QWidget>(help, "cmdMoney"), static_cast<QWidget *>(display)}) {
        help.show();
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_Escape);
        EXPECT_FALSE(help.isVisible()) << focused->objectName().toStdString();
    }
}

// A refused link (no browser, say) is ignored without a message and leaves the window open.
TEST_F(InfoWindowTest, About_AtTheTwipsOffset_WithPictureTextsAndLinks_OkClickedOrEnteredCloses)
{
    about.show();
    const QPoint offset(twipsToPixels(2100, owner.logicalDpiX()),
                        twipsToPixels(1600, owner.logicalDpiY()));
    EXPECT_EQ(about.pos(), owner.pos() + offset) << "from the main window's corner";
    EXPECT_EQ(about.windowTitle(), "About Sardek for Windows");
    // The version over the developer's credit; the first edition's credit over the links' names.
    const auto shows = [this](const char *label, const char *lines) {
        return QRegularExpression(lines).match(labelText(label)).hasMatch();
    };
    EXPECT_TRUE(shows("lblVersion", "^Sardek for Windows v1\\.11\n.*\\S.*$"));
    EXPECT_TRUE(shows("lblCredit", "^.*\\S.*\n\nWeb:\nSupport:$"));
    EXPECT_TRUE(labelText("lblHomepage").contains("https://www.example.com/sardek"));
    EXPECT_TRUE(labelText("lblContact").contains("support@example.com"));
    for (const char *name : {"lblVersion", "lblCredit", "lblHomepage", "lblContact"})
        EXPECT_EQ(control<QLabel>(about, name)->font().family(), "MS Sans Serif") << name;
    auto *ok = control<QPushButton>(about, "cmdOK");
    EXPECT_EQ(std::pair(ok->text(), ok->isDefault()), std::pair(QStringLiteral("Ok"), true));

    // Sky, sea, hull, sails and their shading; an empty widget has one or two colours.
    const QImage picture =
        control<QWidget>(about, "PicShip")->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto *pixels = reinterpret_cast<const QRgb *>(picture.constBits());
    EXPECT_GT(QSet<QRgb>(pixels, pixels + picture.width() * picture.height()).size(), 20);

    runtime.linkAccepted = false;
    // The middle of a link label is on its text: the labels fit their text.
    for (const char *name : {"lblHomepage", "lblContact"}) {
        QLabel *label = control<QLabel>(about, name);
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    }
    OpenHomePage(runtime);
    ASSERT_EQ(runtime.openedLinks().size(), 3u);
    EXPECT_EQ(runtime.openedLinks().at(0), QUrl("https://www.example.com/sardek"));
    EXPECT_EQ(runtime.openedLinks().at(1).toString(QUrl::FullyEncoded),
              "mailto:support@example.com?subject=Sardek%20for%20Windows%20v1.10");
    EXPECT_EQ(runtime.openedLinks().at(2), runtime.openedLinks().at(0));
    EXPECT_TRUE(runtime.messageBoxes().empty());
    EXPECT_TRUE(about.isVisible());

    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    about.show();
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    ASSERT_EQ(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
    about.show();
    QTest::keyClick(ok, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}

} // namespace Sardek
