#pragma once

#include "ModalDialogs.h"
#include "QtPrinters.h"
#include "ScriptedRuntime.h"
#include "TradeStates.h"

#include "core/frmMain.h"
#include "runtime/AmountComboBox.h"

#include <QAbstractItemView>
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
class TradeDialogTest : public ::testing::Test
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

    // The list as it drops down.
    static QStringList dropDown(AmountComboBox *box)
    {
        box->showPopup();
        QStringList entries;
        for (int i = 0; i < box->count(); ++i)
            entries << box->itemText(i);
        box->hidePopup();
        return entries;
    }

    // Drops the list down and clicks entry.
    static void choose(AmountComboBox *box, const QString &entry)
    {
        box->showPopup();
        QAbstractItemView *view = box->view();
        const int row = box->findText(entry);
        ASSERT_GE(row, 0) << qPrintable(entry);
        const QRect item = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    }

    // The log after the game's first line.
    QStringList logLines() { return main.log().text().split(QStringLiteral("\r\n")).mid(1); }

    // Each refusal box must be the information box titled "Sorry".
    QStringList refusals() const
    {
        QStringList prompts;
        for (const auto &box : runtime.messageBoxes()) {
            EXPECT_EQ(box.style, MsgBoxStyle::InformationOk);
            EXPECT_EQ(box.title, "Sorry");
            prompts << box.prompt;
        }
        return prompts;
    }

    ScriptedRuntime runtime;
    frmMain main{runtime};
};

} // namespace Sardek
