#include "ui/LogTextBox.h"

#include "runtime/GameDate.h"

#include "PaintWatch.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

namespace Sardek
{

namespace
{

// A shown, read-only box in the log's font (which kerns), narrow enough for a departure line
// and its dots to wrap and low enough to scroll.
class LogTextBoxTest : public testing::Test
{
  protected:
    LogTextBoxTest()
    {
        box.setReadOnly(true);
        QFont font(QStringLiteral("Comic Sans MS"));
        font.setPointSize(9);
        box.setFont(font);
        box.resize(220, 80);
        box.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&box));
        box.viewport()->installEventFilter(&watch);
        log.reset(QStringLiteral("Jan 15, 1860 - Welcome"));
    }

    void depart() { log.append(GameDate(), QStringLiteral(" - Departing Hong Kong")); }

    // One dot, shown as a voyage shows it; returns the part of the page repainted for it.
    QRegion dot()
    {
        QCoreApplication::processEvents();
        watch.painted = QRegion();
        log.appendRaw(QStringLiteral("."));
        QCoreApplication::processEvents();
        return watch.painted;
    }

    // Whether the page on the screen is what a repaint of all of it draws.
    bool screenIsWhole()
    {
        QWidget &page = *box.viewport();
        const QPoint at = page.mapTo(&box, QPoint());
        const QImage screen =
            QGuiApplication::primaryScreen()
                ->grabWindow(box.winId(), at.x(), at.y(), page.width(), page.height())
                .toImage();
        return screen == page.grab().toImage();
    }

    // The box shows the log's text with its caret at the end, in view.
    void expectShowsTheLogToTheEnd() const
    {
        EXPECT_EQ(box.toPlainText(), QString(log.text()).replace("\r\n", "\n"));
        EXPECT_TRUE(box.textCursor().atEnd());
        EXPECT_TRUE(box.viewport()->rect().contains(box.cursorRect()));
    }

    QPlainTextEdit box;
    LogTextBox display{box};
    CompradorLog log{&display};
    Testing::PaintWatch watch;
};

// Each dot repaints only the end of its line, yet the page shows what a whole repaint would:
// the kerned dots, the line wrapping (a whole repaint) and the page scrolling to the end.
TEST_F(LogTextBoxTest, Dots_RepaintOnlyTheLinesEnd_PageShowsWhatAWholeRepaintShows)
{
    int wrapped = 0;
    for (int voyage = 0; voyage < 4; ++voyage) {
        depart();
        for (int step = 1; step <= 25; ++step) {
            const QRegion repainted = dot();
            const QRect end = box.cursorRect();
            const QRect newDot(end.left() - 2, end.top(), end.width() + 2, end.height());
            EXPECT_TRUE((QRegion(newDot) - repainted).isEmpty()) << voyage << " " << step;
            if (repainted.boundingRect().height() == box.viewport()->height())
                ++wrapped;
            else
                EXPECT_LE(repainted.boundingRect().width(), 4 * end.height()) << step;
            ASSERT_TRUE(screenIsWhole()) << voyage << " " << step;
        }
        expectShowsTheLogToTheEnd();
    }
    EXPECT_EQ(wrapped, 4);
    EXPECT_GT(box.verticalScrollBar()->maximum(), 0);
}

// A player who scrolled up or put the caret elsewhere is brought back to the end by the next
// dot; cutting the log's front and starting it anew keep the dots coming.
TEST_F(LogTextBoxTest, Dots_BringTheCaretBackToTheEnd_AfterScrollingATrimAndAReset)
{
    for (int line = 0; line < 8; ++line)
        depart();
    box.verticalScrollBar()->setValue(0);
    dot();
    expectShowsTheLogToTheEnd();
    QTextCursor elsewhere = box.textCursor();
    elsewhere.setPosition(3);
    box.setTextCursor(elsewhere);
    dot();
    expectShowsTheLogToTheEnd();

    log.appendRaw(QString(CompradorLog::Limit, QLatin1Char('x'))); // the cut takes all before
    ASSERT_TRUE(log.trim());
    dot();
    expectShowsTheLogToTheEnd();
    log.reset(QStringLiteral("Feb 15, 1860 - Welcome"));
    dot();
    expectShowsTheLogToTheEnd();
    EXPECT_TRUE(screenIsWhole());
}

} // namespace

} // namespace Sardek
