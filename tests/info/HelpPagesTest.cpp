#include "info/HelpPages.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QStringList>

using Sardek::HelpPage;
using Sardek::helpPageText;
using Sardek::InstructionColumns;

namespace
{

QStringList instructionLines()
{
    QString text = helpPageText(HelpPage::Instructions);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

} // namespace

TEST(InstructionsPage, EveryLine_IsFortyColumnsOfUpperCasePrintableText)
{
    const QString text = helpPageText(HelpPage::Instructions);
    ASSERT_TRUE(text.endsWith(QLatin1Char('\n'))) << "the last line needs its line break too";
    const QStringList lines = instructionLines();
    EXPECT_GE(lines.size(), 240);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        EXPECT_EQ(line.size(), InstructionColumns)
            << "line " << i + 1 << ": " << line.toStdString();
        EXPECT_EQ(line, line.toUpper()) << "line " << i + 1;
        // A tab or any character outside plain ASCII would shift the columns after it.
        for (const QChar c : line)
            EXPECT_TRUE(c.unicode() >= 0x20 && c.unicode() < 0x7F) << "line " << i + 1;
    }
}

TEST(InstructionsPage, OpensWithTheTitleBoxAroundNameAndHeading)
{
    const QStringList lines = instructionLines();
    ASSERT_GE(lines.size(), 7);
    const QString border = QStringLiteral("I>") + QString(36, QLatin1Char('=')) + "<I";
    EXPECT_EQ(lines.at(0), border);
    EXPECT_EQ(lines.at(6), border);
    EXPECT_TRUE(lines.at(2).contains("S   A   R   D   E   K"));
    EXPECT_TRUE(lines.at(4).contains("(INSTUCTIONS)"));
}

TEST(ProsePages, HintsAreSixTipsEachFollowedByABlankLine)
{
    const QString hints = helpPageText(HelpPage::Hints);
    ASSERT_TRUE(hints.endsWith("\n\n"));
    const QStringList tips = hints.chopped(2).split("\n\n");
    ASSERT_EQ(tips.size(), 6);
    for (const QString &tip : tips) {
        EXPECT_FALSE(tip.trimmed().isEmpty());
        EXPECT_FALSE(tip.contains(QLatin1Char('\n')))
            << "a tip is one paragraph: " << tip.toStdString();
    }
}

TEST(ProsePages, IntroductionIsOneParagraphAndTheBugPageTwo)
{
    const QString introduction = helpPageText(HelpPage::Introduction).trimmed();
    EXPECT_FALSE(introduction.isEmpty());
    EXPECT_FALSE(introduction.contains(QLatin1Char('\n')));

    const QStringList bug = helpPageText(HelpPage::MoneyLenderBug).trimmed().split("\n\n");
    ASSERT_EQ(bug.size(), 2);
    EXPECT_TRUE(bug.at(1).contains("\"Enable Money Lender Bug\""))
        << "the option is named as the Options menu shows it";
}
