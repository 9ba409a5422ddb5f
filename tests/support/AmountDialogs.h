#pragma once

#include "GameStates.h"
#include "GameWindowTest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace Sardek::Testing
{

// As a player: a click gives the box focus; a combo box's list is dropped down with F4 and
// closed with F4 again, so what is typed next meets a filled list that must not complete it;
// Ctrl+A selects the text, then the keys.
inline void typeAsPlayer(QWidget *box, const QString &keys)
{
    auto *combo = qobject_cast<QComboBox *>(box);
    QTest::mouseClick(combo ? combo->lineEdit() : box, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), box); // a combo box keeps focus for its editor
    if (combo) {
        QTest::keyClick(combo, Qt::Key_F4);
        ASSERT_TRUE(combo->view()->isVisible());
        QTest::keyClick(combo->view(), Qt::Key_F4);
        ASSERT_FALSE(combo->view()->isVisible());
    }
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, keys);
}

// A main window with a game in Hong Kong (see tradingState()), where the amount dialogs open.
class HongKongWindowTest : public GameWindowTest
{
  protected:
    HongKongWindowTest()
    {
        main.state() = tradingState();
        main.log().reset(QStringLiteral("Jan 15, 1860 - Welcome Captain"));
        main.UpdateMainForm();
    }
};

} // namespace Sardek::Testing
