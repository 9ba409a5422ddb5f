// The game played by keys alone, and every control named for a screen reader.
#include "MainWindowFixture.h"

#include "battle/PirateWindowEncounter.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>

namespace Sardek
{

using namespace Testing;

namespace
{

// Makes window the active one and waits until a late activation of another (offscreen has
// no window manager to keep a modal dialog in front) can no longer take it away.
void settleActive(QWidget &window)
{
    for (int i = 0; i < 10 && QApplication::activeWindow() != &window; ++i) {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QCoreApplication::processEvents();
    }
}

// The widget keys go to: the focused control, else the active window itself. A window
// manager activates the main window again when a dialog closes; offscreen, the test does.
QWidget *focused()
{
    if (!QApplication::activeWindow())
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("frmMain") && top->isVisible())
                settleActive(*top);
    QWidget *widget = QApplication::focusWidget();
    return widget ? widget : QApplication::activeWindow();
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    ASSERT_NE(focused(), nullptr);
    QTest::keyClick(focused(), key, modifiers);
}

// Tabs forward until the control named name has the focus; the names passed on the way.
QStringList tabTo(const char *name)
{
    QStringList passed;
    for (int i = 0; i < 30 && focused() && focused()->objectName() != QLatin1String(name); ++i) {
        press(Qt::Key_Tab);
        passed << (focused() ? focused()->objectName() : QString());
    }
    EXPECT_EQ(focused() ? focused()->objectName() : QString(), name);
    return passed;
}

// Presses key, by default on the focused order, and acts on the dialog it opens once that has
// the keyboard.
void openByKey(std::function<void(QDialog &)> action, Qt::Key key = Qt::Key_Space,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    whenDialogOpens([action](QDialog &dialog) {
        settleActive(dialog);
        action(dialog);
    });
    press(key, modifiers);
}

// Every control a player could focus has a spoken name and a description.
void expectNamed(QWidget &window)
{
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (widget->window() != &window || widget->focusPolicy() == Qt::NoFocus)
            continue;
        QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(spoken, nullptr);
        const std::string where = (window.objectName() + " " + widget->objectName()).toStdString();
        EXPECT_FALSE(spoken->text(QAccessible::Name).isEmpty()) << where;
        EXPECT_FALSE(spoken->text(QAccessible::Description).isEmpty()) << where;
    }
}

QString spokenName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

class KeyboardAccess : public MainWindowTest
{
  protected:
    KeyboardAccess()
    {
        main.show();
        settleActive(main);
    }
};

// New game, a purchase, a bank deposit, a voyage and a save, by keys alone.
TEST_F(KeyboardAccess, WholeTurn_ByKeysAlone)
{
    runtime.queueRnd({PriceRolls[0], PriceRolls[1], PriceRolls[2], PriceRolls[3]});
    openByKey(
        [](QDialog &) {
            QTest::keyClicks(focused(), "Lee");
            press(Qt::Key_Tab, Qt::ShiftModifier); // back to the scenarios, then up to cash
            press(Qt::Key_Up);
            press(Qt::Key_Return);
        },
        Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(main.state().FirmName, "Lee");
    EXPECT_GT(main.state().Debt, 0);

    const Currency cash = main.state().Cash;
    tabTo("cmdBuy");
    openByKey([](QDialog &) {
        EXPECT_EQ(tabTo("cboGeneral"), QStringList({"cmdMaxOpium", "cboSilk", "cmdMaxSilk",
                                                    "cboArms", "cmdMaxArms", "cboGeneral"}));
        press(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focused(), "10");
        press(Qt::Key_Return);
    });
    EXPECT_EQ(main.state().ShipGeneral, 10);
    EXPECT_EQ(main.state().Cash, cash - 90);

    tabTo("cmdVisit");
    openByKey([](QDialog &) {
        EXPECT_EQ(spokenName(focused()), "Deposit"); // its label, without the colon
        QTest::keyClicks(focused(), "100");
        press(Qt::Key_Return);
    });
    EXPECT_EQ(main.state().Bank, 100);

    runtime.queueRnd({0.5f}); // Saigon offered first; then no pirates, fair prices, no events
    for (int step = 0; step < 25; ++step)
        runtime.queueRnd({0.0f});
    runtime.queueRnd({PriceRolls[0], PriceRolls[1], PriceRolls[2], PriceRolls[3]});
    runtime.queueRnd({0.5f, 0.5f, 0.0f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    tabTo("cmdLeave");
    openByKey([](QDialog &) {
        EXPECT_EQ(focused()->objectName(), "optSaigon");
        press(Qt::Key_Down);
        press(Qt::Key_Return);
    });
    EXPECT_EQ(main.state().CurrentPort, "Manila");
    EXPECT_EQ(runtime.rndLeft(), 0u);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("keys.srd"));
    runtime.queueFileDialogAnswer(path);
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(path) && main.state().GameSaved);
}

// Esc leaves the dialogs with a cancel button; the repair slider moves by arrows and pages.
// Every window names and describes each control a player can reach; boxes give their values.
TEST_F(KeyboardAccess, EscapeSliderAndEveryControlNamed)
{
    startGame(true);
    main.state().ShipStatus = 50;
    main.state().Cash = 1000000;
    main.UpdateMainForm();
    tabTo("cmdRepair");
    openByKey([](QDialog &dialog) {
        EXPECT_EQ(focused()->objectName(), "sldRepair");
        press(Qt::Key_Right);
        press(Qt::Key_PageUp);
        EXPECT_EQ(control<QSlider>(dialog, "sldRepair")->value(), 56);
        press(Qt::Key_Return);
    });
    EXPECT_EQ(main.state().ShipStatus, 56);
    runtime.queueRnd({0.5f});
    for (const char *order : {"cmdVisit", "cmdLeave"}) {
        tabTo(order);
        bool open = true;
        openByKey([&](QDialog &dialog) {
            press(Qt::Key_Escape);
            open = dialog.isVisible();
        });
        EXPECT_FALSE(open) << order;
    }

    expectNamed(main);
    EXPECT_EQ(
        QStringList(
            {spokenName(main.txtSOpium), spokenName(main.txtWGeneral), spokenName(main.txtPArms),
             QAccessible::queryAccessibleInterface(main.txtPArms)->text(QAccessible::Value)}),
        QStringList({"Ship Opium", "Warehouse General", "Arms Price", "$120"}));
    // The gauges: a name, and where they stand in their range.
    QAccessibleInterface *status = QAccessible::queryAccessibleInterface(main.prgStatus);
    ASSERT_NE(status->valueInterface(), nullptr);
    EXPECT_EQ(std::tuple(status->role(), status->text(QAccessible::Name),
                         status->valueInterface()->currentValue().toDouble(),
                         status->valueInterface()->maximumValue().toDouble()),
              std::tuple(QAccessible::ProgressBar, QString("Ship's Status"), 56.0, 100.0));
    Velgauge::ProgressBar gauge;
    gauge.setCaption(QStringLiteral("Loading"));
    EXPECT_EQ(spokenName(&gauge), "Loading");
    // Each window as the game opens it, looked at and closed: each order opens its own.
    QStringList opened;
    const auto inspect = [&opened](std::function<void()> open) {
        whenDialogOpens([&opened](QDialog &dialog) {
            expectNamed(dialog);
            opened << dialog.objectName();
            dialog.done(QDialog::Rejected);
        });
        open();
    };
    runtime.queueRnd({0.5f}); // the port Leave Port offers first
    for (QPushButton *order : {main.cmdBuy, main.cmdSell, main.cmdLeave, main.cmdVisit,
                               main.cmdMoney, main.cmdTransfer, main.cmdRepair})
        inspect([order] { order->click(); });
    runtime.queueMsgBoxResults({MsgBoxResult::No}); // not saving before a new game
    for (QAction *item : {main.mnuNewItem, main.mnuStatsItem, main.mnuHelpItem, main.mnuAboutItem})
        inspect([item] { item->trigger(); });
    runtime.queueRnd({0.0f}); // a fleet of pirates
    inspect([this] { PirateWindowEncounter(main).MeetPirates(nullptr); });
    EXPECT_EQ(opened,
              (QStringList{"frmBuy", "frmSell", "frmLeave", "frmVisit", "frmMoney", "frmTransfer",
                           "frmRepair", "frmNew", "frmStats", "frmHelp", "frmAbout", "frmPirate"}));
}

} // namespace Sardek
