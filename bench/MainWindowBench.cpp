// The main window's costs against plain Qt references measured in the same run: a log entry
// with the redraw that trims the log and refreshes every field and gauge; start-up to a
// shown, painted window; and the pacing Delay's accuracy and processor use.
#include "RatioReporter.h"

#include "app/frmMain.h"
#include "ui/QtRuntime.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTextCursor>
#include <ctime>
#include <memory>

namespace
{

using Sardek::frmMain;
using Sardek::QtRuntime;

const QString Entry = QStringLiteral(" - Arrived at Nagasaki: prices have risen sharply");

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// Lets the shown windows repaint what the step changed, as they would on screen.
void paintPending()
{
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

void fillLog(frmMain &window)
{
    Sardek::GameState &state = window.state();
    state.GameInProgress = true;
    state.CurrentPort = Sardek::HongKong;
    state.HoldCapacity = 60;
    state.ShipStatus = 100;
    state.MillionaireShown = true;
    while (window.log().text().size() < 21000)
        window.LogAppend(Entry);
    window.UpdateMainForm();
}

void LogAppendAndUpdateMainForm(benchmark::State &bench)
{
    QtRuntime runtime;
    frmMain window(runtime);
    window.show();
    fillLog(window);
    settle();
    for (auto _ : bench) {
        window.LogAppend(Entry);
        window.UpdateMainForm();
        paintPending();
    }
}

// Appending one line to a bare shown text box of 20,000 characters and cutting its oldest
// text through a cursor, the cheapest way Qt offers. The box looks like the game's log (its
// size, font, colours and scroll bar), so that both paint the same; and like any log it keeps
// its newest line in view, without which it would paint nothing of what is appended.
void PlainTextAppendAndTrim(benchmark::State &bench)
{
    QtRuntime runtime;
    frmMain window(runtime);
    window.show();
    settle();
    const std::unique_ptr<QStyle> classic(QStyleFactory::create(QStringLiteral("Windows")));
    QPlainTextEdit box;
    box.setFont(window.txtLog->font());
    box.setPalette(window.txtLog->palette());
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box.verticalScrollBar()->setStyle(classic.get());
    box.resize(window.txtLog->size());
    window.hide();
    box.show();
    QString text;
    while (text.size() < 20000)
        text += QStringLiteral("\nJan 15, 1860") + Entry;
    box.setPlainText(text.right(20000));
    box.moveCursor(QTextCursor::End);
    settle();
    for (auto _ : bench) {
        QTextCursor end(box.document());
        end.movePosition(QTextCursor::End);
        end.insertText(QStringLiteral("\nJan 15, 1860") + Entry);
        QTextCursor start(box.document());
        start.setPosition(int(Entry.size()) + 13, QTextCursor::KeepAnchor);
        start.removeSelectedText();
        box.ensureCursorVisible();
        paintPending();
    }
}

void StartUpToPaintedMainWindow(benchmark::State &bench)
{
    QtRuntime runtime;
    for (auto _ : bench) {
        auto window = std::make_unique<frmMain>(runtime);
        window->show();
        settle();
        window->repaint();
    }
}

// The main window's size when shown: the reference gets the same area, so that both pay
// alike for their backing store and the comparison is of the widgets.
QSize mainWindowSize()
{
    QtRuntime runtime;
    frmMain window(runtime);
    window.show();
    settle();
    return window.size();
}

// A plain main window with what any window of this design has: a menu bar of three menus
// and nine items, about forty ordinary widgets in a grid (labels, boxes and buttons) and a
// read-only text box with a vertical scroll bar in the classic look the log has. With argument 1 at
// the main window's size, with 0 at its own.
void StartUpToPaintedPlainWindow(benchmark::State &bench)
{
    const QSize size = bench.range(0) ? mainWindowSize() : QSize();
    const std::unique_ptr<QStyle> classic(QStyleFactory::create(QStringLiteral("Windows")));
    for (auto _ : bench) {
        auto window = std::make_unique<QMainWindow>();
        for (const char *title : {"&File", "&Options", "&Help"}) {
            QMenu *menu = window->menuBar()->addMenu(QLatin1String(title));
            for (int i = 0; i < 3; ++i)
                menu->addAction(QStringLiteral("Item %1").arg(i));
        }
        auto *client = new QWidget;
        auto *grid = new QGridLayout(client);
        for (int i = 0; i < 14; ++i) {
            grid->addWidget(new QLabel(QStringLiteral("Label %1:").arg(i)), i, 0);
            grid->addWidget(new QLineEdit(QStringLiteral("$1,234")), i, 1);
            grid->addWidget(new QPushButton(QStringLiteral("Button %1").arg(i)), i, 2);
        }
        auto *log = new QPlainTextEdit(QStringLiteral("Jan 15, 1860 - Welcome Captain"));
        log->setReadOnly(true);
        log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        log->verticalScrollBar()->setStyle(classic.get());
        grid->addWidget(log, 14, 0, 1, 3);
        window->setCentralWidget(client);
        if (size.isValid())
            window->resize(size);
        window->show();
        settle();
        window->repaint();
    }
}

// Counters: how far the wait was from the time asked, and the share of it spent on the CPU.
void Delay2250(benchmark::State &bench)
{
    QtRuntime runtime;
    for (auto _ : bench) {
        QElapsedTimer wall;
        const std::clock_t cpuBefore = std::clock();
        wall.start();
        runtime.Delay(2250);
        const double waitedMs = double(wall.nsecsElapsed()) / 1e6;
        const double cpuMs = double(std::clock() - cpuBefore) * 1000.0 / CLOCKS_PER_SEC;
        bench.counters["error_ms"] = waitedMs - 2250.0;
        bench.counters["cpu_share"] = cpuMs / waitedMs;
    }
}

} // namespace

BENCHMARK(LogAppendAndUpdateMainForm)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainTextAppendAndTrim)->Unit(benchmark::kMicrosecond);
BENCHMARK(StartUpToPaintedMainWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(StartUpToPaintedPlainWindow)->Unit(benchmark::kMillisecond)->Arg(1)->Arg(0);
BENCHMARK(Delay2250)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    return runWithRatios(
        argc, argv,
        {{"LogAppendAndUpdateMainForm", "PlainTextAppendAndTrim", 2.0},
         {"StartUpToPaintedMainWindow", "StartUpToPaintedPlainWindow/1", 1.5},
         // A smaller window paints less; shown for comparison only.
         {"StartUpToPaintedMainWindow", "StartUpToPaintedPlainWindow/0", RatioReporter::NoBudget}});
}
