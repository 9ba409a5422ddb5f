#pragma once

#include "ModalDialogs.h"
#include "ScriptedRuntime.h"

#include "app/frmMain.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

namespace Sardek::Testing
{

// A main window on the scripted runtime, and the player's ways with a dialog's lists.
class GameWindowTest : public ::testing::Test
{
  protected:
    // The list as it drops down.
    static QStringList dropDown(QComboBox *box)
    {
        box->showPopup();
        QStringList entries;
        for (int i = 0; i < box->count(); ++i)
            entries << box->itemText(i);
        box->hidePopup();
        return entries;
    }

    // Drops the list down and clicks entry.
    static void choose(QComboBox *box, const QString &entry)
    {
        box->showPopup();
        const QModelIndex item = box->model()->index(box->findText(entry), 0);
        ASSERT_TRUE(item.isValid()) << qPrintable(entry);
        QAbstractItemView *view = box->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    }

    // The log after the game's first line.
    QStringList logLines() { return main.log().text().split(QStringLiteral("\r\n")).mid(1); }

    // The boxes shown, each checked to be a refusal: information icon, titled "Sorry".
    QStringList refusals() const
    {
        QStringList prompts;
        for (const auto &shown : runtime.messageBoxes()) {
            EXPECT_EQ(std::pair(shown.style, shown.title),
                      std::pair(MsgBoxStyle::InformationOk, QStringLiteral("Sorry")));
            prompts << shown.prompt;
        }
        return prompts;
    }

    ScriptedRuntime runtime;
    frmMain main{runtime};
};

} // namespace Sardek::Testing
