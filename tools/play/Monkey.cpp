// The monkey at the windows: random input to the real main window and its dialogs.
#include "Play.h"

#include "app/frmMain.h"
#include "runtime/HeadlessRuntime.h"
#include "runtime/MakeNumber.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace Sardek::Play
{

namespace
{

// Keys typed; pasted text may also hold letters and digits from beyond ASCII.
const QString Typed = QStringLiteral("0123456789000999-$,. xK");
const QString Pasted = Typed + QStringLiteral("\u00e9\u0663\uff15");

class Monkey : public QObject
{
  public:
    Monkey(std::uint32_t seed, long steps, MonkeyTally &tally)
        : m_seed(seed), m_choices(seed ^ 0x6d6f6e6bU), m_runtime(seed), m_limit(steps),
          m_tally(tally)
    {
        m_runtime.setAnswerer(
            [this](const QString &, MsgBoxStyle style) { return randomAnswer(m_choices, style); });
        m_runtime.setFileChooser([this](bool saving) { return chooseFile(saving); });
        QFile other(m_folder.filePath(QStringLiteral("other")));
        if (other.open(QIODevice::WriteOnly))
            other.write("#1860-01-15#\r\nnot a saved game\r\n");
    }

    std::optional<QString> run()
    {
        startMainWindow();
        QTimer::singleShot(0, this, [this] { step(); });
        m_loop.exec();
        m_main.reset();
        return m_problem;
    }

  private:
    int pick(int count) { return int(m_choices() % std::uint32_t(count)); }
    template <typename T> T *anyOf(const QList<T *> &list)
    {
        return list.isEmpty() ? nullptr : list[pick(int(list.size()))];
    }

    // Window's own enabled, visible widgets of type T (none of its dialogs').
    template <typename T> static QList<T *> usable(QWidget &window)
    {
        QList<T *> found;
        for (T *widget : window.findChildren<T *>())
            if (widget->isEnabled() && widget->isVisibleTo(&window) && widget->window() == &window)
                found.append(widget);
        return found;
    }

    void startMainWindow()
    {
        m_main.reset();
        m_endsBefore = m_runtime.programEnds();
        m_main = std::make_unique<frmMain>(m_runtime);
        m_log.clear();
        m_loansThisStay = 0;
        m_main->show();
        QTimer::singleShot(0, m_main.get(), [this] {
            ++m_depth;
            m_main->mnuNewItem->trigger();
            --m_depth;
        });
    }

    // Whether this main window's game asked to end the program.
    bool ended() const { return m_runtime.programEnds() > m_endsBefore; }

    // Cancels now and then; else a saved game, a file never written or one that is no saved
    // game, and saving now and then into a folder's own name.
    std::optional<QString> chooseFile(bool saving)
    {
        static const char *const Names[] = {"game.srd", "missing.srd", "game.srd", "other"};
        if (pick(4) == 0)
            return std::nullopt;
        if (saving)
            return pick(8) ? m_folder.filePath(QStringLiteral("game.srd")) : m_folder.path();
        return m_folder.filePath(QLatin1String(Names[pick(4)]));
    }

    // The next step is scheduled first, so that it runs inside any dialog this one opens; so
    // a step is counted before it acts.
    void step()
    {
        QTimer::singleShot(0, this, [this] { step(); });
        const bool over = m_problem || m_steps >= m_limit;
        if (over || ended() || !m_main->isVisible())
            return windDown(over);
        const long number = ++m_steps;
        ++m_tally.steps;
        QWidget *modal = QApplication::activeModalWidget();
        QString problem = modal ? pairedAmountsProblem(*modal) : QString();
        ++m_depth;
        act(modal ? *modal : *m_main);
        --m_depth;
        const GameState &state = m_main->state();
        if (!ended() && state.GameInProgress && !m_problem) {
            if (problem.isEmpty())
                problem = recordProblem(state, overpaymentAllowed());
            if (problem.isEmpty())
                problem = logProblem();
            if (problem.isEmpty() && m_depth == 0 && !QApplication::activeModalWidget())
                problem = ordersProblem(state);
            if (!problem.isEmpty())
                m_problem =
                    QStringLiteral("seed %1 step %2: %3").arg(m_seed).arg(number).arg(problem);
        }
    }

    // Whatever OK is about to be pressed on, the bank or the lender holds an amount on one
    // side at most: the other side locks as soon as one is chosen, however it came.
    static bool isPairedDialog(const QWidget &window)
    {
        return window.objectName() == QLatin1String("frmVisit") ||
               window.objectName() == QLatin1String("frmMoney");
    }

    static QString pairedAmountsProblem(QWidget &dialog)
    {
        if (!isPairedDialog(dialog))
            return {};
        int amounts = 0;
        for (const QComboBox *box : dialog.findChildren<QComboBox *>())
            amounts += MakeNumber(box->currentText()) != 0;
        return amounts <= 1 ? QString()
                            : QStringLiteral("amounts on both sides of ") + dialog.objectName();
    }

    // What the log gained in the last step, tallied: games begun, trades, voyages and loans, of
    // which a stay in port allows one.
    QString logProblem()
    {
        const QString &log = m_main->log().text();
        const QString gained = logGained(log);
        m_log = log;
        const auto count = [&](const char *line) { return gained.count(QLatin1String(line)); };
        m_tally.games += count(" - Welcome Captain") + count(" - Game Loaded Successfully");
        m_tally.trades += count(" - Bought ") + count(" - Sold ");
        m_tally.voyages += count(" - Arriving at ");
        if (count(" - Welcome Captain") + count(" - Game Loaded Successfully") +
            count(" - Arriving at "))
            m_loansThisStay = 0;
        m_loansThisStay += count(" - Borrowed ");
        m_tally.loans += count(" - Borrowed ");
        if (m_loansThisStay > 1)
            return QStringLiteral("a second loan in one stay");
        if (m_loansThisStay > 0 && m_depth == 0 && !QApplication::activeModalWidget() &&
            m_main->cmdMoney->isEnabled())
            return QStringLiteral("the lender open again after a loan");
        return {};
    }

    // The log's text after what it held before the step; the log may have dropped its oldest
    // lines meanwhile, or begun anew.
    QString logGained(const QString &log) const
    {
        if (log.startsWith(m_log))
            return log.mid(m_log.size());
        const QString tail = m_log.right(200);
        const qsizetype at = tail.isEmpty() ? -1 : log.lastIndexOf(tail);
        return at < 0 ? log : log.mid(at + tail.size());
    }

    // A debt overpaid while the option was on stays below zero once it is off again, in this
    // game and in the files saved from it, which later windows load: so for the whole run.
    bool overpaymentAllowed()
    {
        m_overpaymentAllowed = m_overpaymentAllowed || m_main->moneyLenderBugEnabled();
        return m_overpaymentAllowed;
    }

    // Between turns, with no dialog open, the orders are those the port offers.
    QString ordersProblem(const GameState &state) const
    {
        const bool home = state.CurrentPort == HongKong;
        const frmMain &main = *m_main;
        const bool kept = main.cmdBuy->isEnabled() && main.cmdSell->isEnabled() &&
                          main.cmdLeave->isEnabled() && main.cmdVisit->isEnabled() == home &&
                          main.cmdTransfer->isEnabled() == home &&
                          main.cmdRepair->isEnabled() == (home && state.ShipStatus < 100) &&
                          (home || !main.cmdMoney->isEnabled());
        return kept ? QString() : QStringLiteral("the orders do not match the port");
    }

    // Closes the innermost dialog; once none is left, ends the run or starts the program anew.
    void windDown(bool over)
    {
        if (QWidget *modal = QApplication::activeModalWidget())
            return modal->hide();
        if (m_depth > 0)
            return; // a dialog just closed; its caller finishes first
        if (over)
            return m_loop.quit();
        ++m_tally.programEnds;
        startMainWindow();
    }

    void act(QWidget &window)
    {
        switch (pick(16)) {
        case 0:
        case 1:
        case 2:
            return clickButton(window);
        case 3:
            return focusBox(window);
        case 4:
        case 5:
            return QTest::keyClicks(focused(window), randomText(Typed));
        case 6:
            QApplication::clipboard()->setText(randomText(Pasted));
            return QTest::keySequence(focused(window), QKeySequence::Paste);
        case 7:
            return dragSlider(window);
        case 8:
            return chooseMenuItem(window);
        case 9:
            return QTest::keyClick(focused(window), Qt::Key_Escape);
        case 10:
            return QTest::keyClick(focused(window), Qt::Key_Return);
        case 11:
        case 12:
            return navigate(window);
        case 13:
            return turnWheel(window);
        case 14:
            return chooseEntry(window);
        default:
            // Closing the main window mostly ends the program: rarer, so games get played.
            if (pick(&window == m_main.get() ? 16 : 4) == 0)
                window.close();
        }
    }

    // The bank and the lender stay open longer, so that their two sides meet several inputs
    // before OK or Cancel.
    void clickButton(QWidget &window)
    {
        if (isPairedDialog(window) && pick(4))
            return focusBox(window);
        if (QAbstractButton *button = anyOf(usable<QAbstractButton>(window)))
            QTest::mouseClick(button, Qt::LeftButton);
    }

    QWidget *focused(QWidget &window)
    {
        QWidget *focus = QApplication::focusWidget();
        return focus && focus->window() == &window ? focus : &window;
    }

    QString randomText(const QString &characters)
    {
        QString text;
        for (int n = pick(pick(8) ? 6 : 40); n >= 0; --n)
            text += characters[pick(int(characters.size()))];
        return text;
    }

    // Clicks into an amount box, opening and closing its list now and then.
    void focusBox(QWidget &window)
    {
        QComboBox *box = anyOf(usable<QComboBox>(window));
        if (!box)
            return;
        QTest::mouseClick(box->lineEdit() ? static_cast<QWidget *>(box->lineEdit()) : box,
                          Qt::LeftButton);
        if (pick(3) == 0) {
            box->showPopup();
            box->hidePopup();
        }
    }

    // Drops a box's list down and clicks an entry, the first ("$0", "0") as often as the rest.
    void chooseEntry(QWidget &window)
    {
        QComboBox *box = anyOf(usable<QComboBox>(window));
        if (!box)
            return;
        box->showPopup();
        if (box->count() == 0)
            return box->hidePopup();
        const int row = pick(2) ? 0 : pick(box->count());
        QAbstractItemView *list = box->view();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(box->model()->index(row, 0)).center());
    }

    // A box or slider to move by keys or the wheel.
    QWidget *anyMovable(QWidget &window)
    {
        QList<QWidget *> movable;
        for (QComboBox *box : usable<QComboBox>(window))
            movable.append(box);
        for (QSlider *slider : usable<QSlider>(window))
            movable.append(slider);
        return anyOf(movable);
    }

    // Arrows, Page Up/Down, Home or End: into the focused control or a box or slider clicked
    // first, or into a box's list dropped down for them and closed by Enter or Esc.
    void navigate(QWidget &window)
    {
        static const Qt::Key Keys[] = {Qt::Key_Up,       Qt::Key_Down, Qt::Key_PageUp,
                                       Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        const Qt::Key key = Keys[pick(6)];
        QWidget *target = pick(3) ? focused(window) : anyMovable(window);
        if (!target)
            return;
        if (target != QApplication::focusWidget())
            target->setFocus(Qt::MouseFocusReason);
        auto *box = qobject_cast<QComboBox *>(target);
        if (!box || pick(2))
            return QTest::keyClick(target, key);
        box->showPopup();
        QTest::keyClick(box->view(), key);
        QTest::keyClick(box->view(), pick(2) ? Qt::Key_Return : Qt::Key_Escape);
    }

    // A notch of the wheel, up or down, over a box (closed, or with its list down) or a slider.
    void turnWheel(QWidget &window)
    {
        QWidget *target = anyMovable(window);
        if (!target)
            return;
        auto *box = qobject_cast<QComboBox *>(target);
        const bool open = box && pick(2);
        if (open)
            box->showPopup();
        // Sent, not spontaneous, a wheel event goes no further than its receiver: the box itself.
        QWidget *receiver = open ? box->view()->viewport() : target;
        QWheelEvent notch(QPointF(2, 2), receiver->mapToGlobal(QPointF(2, 2)), {},
                          QPoint(0, pick(2) ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(receiver, &notch);
        if (open)
            box->hidePopup();
    }

    void dragSlider(QWidget &window)
    {
        for (QSlider *slider : usable<QSlider>(window)) {
            slider->setSliderDown(true);
            slider->setSliderPosition(slider->minimum() + pick(slider->maximum() + 1));
            slider->setSliderDown(false);
        }
    }

    // A menu item of the main window, while no dialog is open.
    void chooseMenuItem(QWidget &window)
    {
        if (&window != m_main.get())
            return;
        QList<QAction *> items;
        for (QAction *action : m_main->findChildren<QAction *>())
            if (action->isEnabled() && !action->menu() && !action->isSeparator() &&
                !action->objectName().isEmpty())
                items.append(action);
        // Exit, like the close box, is rarer than the rest, so games get played.
        QAction *item = anyOf(items);
        if (item && (item != m_main->mnuExitItem || pick(4) == 0))
            item->trigger();
    }

    std::uint32_t m_seed;
    std::mt19937 m_choices;
    QTemporaryDir m_folder;
    HeadlessRuntime m_runtime;
    int m_endsBefore = 0;
    std::unique_ptr<frmMain> m_main;
    QEventLoop m_loop;
    long m_limit;
    long m_steps = 0;
    MonkeyTally &m_tally;
    std::optional<QString> m_problem;
    int m_depth = 0; ///< inputs on the stack: the main window is replaced only when none is
    QString m_log;   ///< the log's text after the last step
    int m_loansThisStay = 0;
    bool m_overpaymentAllowed = false;
};

} // namespace

std::optional<QString> runMonkey(std::uint32_t seed, long steps, MonkeyTally &tally)
{
    return Monkey(seed, steps, tally).run();
}

} // namespace Sardek::Play
