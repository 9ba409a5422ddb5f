// The monkey at the windows: random input to the real main window and its dialogs.
#include "Play.h"

#include "core/frmMain.h"
#include "runtime/HeadlessRuntime.h"

#include <QAbstractButton>
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
        ++m_depth;
        act(modal ? *modal : *m_main);
        --m_depth;
        const GameState &state = m_main->state();
        if (!ended() && state.GameInProgress && !m_problem) {
            QString problem = recordProblem(state, m_main->moneyLenderBugEnabled());
            if (problem.isEmpty() && m_depth == 0 && !QApplication::activeModalWidget())
                problem = ordersProblem(state);
            if (!problem.isEmpty())
                m_problem =
                    QStringLiteral("seed %1 step %2: %3").arg(m_seed).arg(number).arg(problem);
        }
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
        switch (pick(12)) {
        case 0:
        case 1:
        case 2:
            if (QAbstractButton *button = anyOf(usable<QAbstractButton>(window)))
                QTest::mouseClick(button, Qt::LeftButton);
            return;
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
        default:
            if (pick(4) == 0)
                window.close();
        }
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
        if (QAction *item = anyOf(items))
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
};

} // namespace

std::optional<QString> runMonkey(std::uint32_t seed, long steps, MonkeyTally &tally)
{
    return Monkey(seed, steps, tally).run();
}

} // namespace Sardek::Play
