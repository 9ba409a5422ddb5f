#include "ui/LogTextBox.h"

#include "runtime/GameDate.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

using Sardek::CompradorLog;
using Sardek::GameDate;
using Sardek::LogTextBox;

namespace
{

// Collects the regions the box's page is repainted in.
class PaintWatch : public QObject
{
  public:
    QRegion painted;

  protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

// A shown box dressed as the game's log (its font kerns), narrow enough for a departure line
// and its dots to wrap, and low enough to scroll.
class LogTextBoxTest : public testing::Test
{
  protected:
    LogTextBoxTest()
    {
        box.setReadOnly(true);
        box.setUndoRedoEnabled(false);
        QFont font(QStringLiteral("Comic Sans MS"));
        font.setPointSize(9);
        box.setFont(font);
        QPalette colours = box.palette();
        colours.setColor(QPalette::Base, Qt::black);
        colours.setColor(QPalette::Text, QColor(255, 192, 128));
        box.setPalette(colours);
        box.resize(220, 80);
        box.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&box));
        box.viewport()->installEventFilter(&watch);
    }

    void depart()
    {
        log.append(date, QStringLiteral(" - Departing Hong Kong"));
        QCoreApplication::processEvents();
    }

    // One dot, shown as the voyage shows it; returns the part of the page repainted for it.
    QRegion dot()
    {
        watch.painted = QRegion();
        log.appendRaw(QStringLiteral("."));
        QCoreApplication::processEvents();
        return watch.painted;
    }

    // The page as it stands on the screen, and as a repaint of all of it draws it.
    QImage onScreen() const
    {
        const QPoint at = box.viewport()->mapTo(&box, QPoint());
        return QGuiApplication::primaryScreen()
            ->grabWindow(box.winId(), at.x(), at.y(), box.viewport()->width(),
                         box.viewport()->height())
            .toImage();
    }
    QImage repaintedWhole() const { return box.viewport()->grab().toImage(); }

    // The box shows the log's text, and its caret is at the end and in view.
    void expectShowsTheLogToTheEnd() const
    {
        QString shown = log.text();
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        EXPECT_EQ(box.toPlainText(), shown);
        EXPECT_TRUE(box.textCursor().atEnd());
        EXPECT_TRUE(box.viewport()->rect().contains(box.cursorRect()));
    }

    QPlainTextEdit box;
    LogTextBox display{box};
    CompradorLog log{&display};
    PaintWatch watch;
    const GameDate date = GameDate::fromYmd(1860, 1, 15).value();
};

// Each dot repaints only the end of its line, yet the page shows what a whole repaint would:
// the kerned dots, the line wrapping and the page scrolling to keep the end in view.
TEST_F(LogTextBoxTest, Dots_RepaintOnlyTheLinesEnd_PageShowsWhatAWholeRepaintShows)
{
    log.reset(QStringLiteral("Jan 15, 1860 - Welcome"));
    int wholePages = 0;
    for (int voyage = 0; voyage < 4; ++voyage) {
        depart();
        for (int step = 1; step <= 25; ++step) {
            const QRegion repainted = dot();
            const QRect end = box.cursorRect();
            const QRect newDot(end.left() - 2, end.top(), end.width() + 2, end.height());
            EXPECT_TRUE((QRegion(newDot) - repainted).isEmpty()) << voyage << " " << step;
            if (repainted.boundingRect().height() < box.viewport()->height())
                EXPECT_LE(repainted.boundingRect().width(), 4 * end.height()) << step;
            else
                ++wholePages; // the line wrapped
            ASSERT_EQ(onScreen(), repaintedWhole()) << voyage << " " << step;
        }
        expectShowsTheLogToTheEnd();
    }
    EXPECT_EQ(wholePages, 4);
    EXPECT_GT(box.verticalScrollBar()->maximum(), 0);
}

// A player who scrolled up or put the caret elsewhere is brought back to the end by the next
// dot; cutting the log's front and starting it anew keep the dots coming.
TEST_F(LogTextBoxTest, Dots_BringTheCaretBackToTheEnd_AfterScrollingATrimAndAReset)
{
    log.reset(QStringLiteral("Jan 15, 1860 - Welcome"));
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
    EXPECT_EQ(onScreen(), repaintedWhole());
}

} // namespace
