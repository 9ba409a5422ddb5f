#pragma once

#include "GameStates.h"
#include "GameWindowTest.h"

#include "runtime/AmountComboBox.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace Sardek
{

// A main window with a game in Hong Kong (see tradingState()), and the player's ways with an
// amount box.
class TradeDialogTest : public GameWindowTest
{
  protected:
    TradeDialogTest()
    {
        main.state() = Testing::tradingState();
        main.log().reset(QStringLiteral("Jan 15, 1860 - Welcome Captain"));
        main.UpdateMainForm();
    }

    // Shows dialog as the active window, so clicks give focus as on a desktop.
    static void showActive(QDialog &dialog)
    {
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    // As a player: clicks the box, drops its list down and closes it, selects the text and
    // types keys, which must never be completed from the list.
    static void type(AmountComboBox *box, const QString &keys)
    {
        QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), box);
        QTest::keyClick(box, Qt::Key_F4);
        ASSERT_TRUE(box->view()->isVisible());
        QTest::keyClick(box->view(), Qt::Key_F4);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, keys);
    }
};

} // namespace Sardek
