#pragma once

#include "GameStates.h"
#include "GameWindowTest.h"

#include "runtime/AmountComboBox.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace Sardek
{

// A main window with a game in Hong Kong, $5,000 owed, and the player's ways with the
// services' dialogs.
class ServiceDialogTest : public GameWindowTest
{
  protected:
    ServiceDialogTest()
    {
        main.state() = Testing::tradingState();
        main.state().Debt = 5000;
        main.state().MillionaireShown = true; // rich states must not stop for the window
        main.log().reset(QStringLiteral("Jan 15, 1860 - Welcome Captain"));
        main.setOrderEnabled(Order::Money, true);
        main.UpdateMainForm();
    }

    // Clicks order, acts on its dialog once open and cancels what act leaves open.
    void use(QPushButton *order, const std::function<void(QDialog &)> &act)
    {
        whenDialogOpens([&](QDialog &dialog) {
            act(dialog);
            if (dialog.isVisible())
                click(dialog, "cmdCancel");
        });
        QTest::mouseClick(order, Qt::LeftButton);
    }

    // The order whose dialog holds the amount box named box.
    QPushButton *orderOf(const QString &box) const
    {
        const int i =
            QStringList{"cboDeposit", "cboWithdraw", "cboBorrow", "cboRepay"}.indexOf(box);
        return i < 0 ? main.cmdTransfer : i < 2 ? main.cmdVisit : main.cmdMoney;
    }

    // Clicks the box, drops its list down and closes it, then types keys.
    static void type(AmountComboBox *box, const QString &keys)
    {
        QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
        box->showPopup();
        box->hidePopup();
        QTest::keyClicks(box, keys);
    }

    static void pasteFromMenu(AmountComboBox *box, const QString &text)
    {
        QApplication::clipboard()->setText(text);
        QScopedPointer<QMenu> menu(box->lineEdit()->createStandardContextMenu());
        for (QAction *action : menu->actions())
            if (action->text().startsWith(QStringLiteral("&Paste")))
                action->trigger();
    }

    // The list as it drops down, entries joined by blanks.
    static QString listOf(QComboBox *box) { return dropDown(box).join(QLatin1Char(' ')); }

    static void click(QDialog &dialog, const char *button)
    {
        QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
    }
};

} // namespace Sardek
