#pragma once

#include "../trade/TradeStates.h"
#include "ModalDialogs.h"
#include "QtPrinters.h"
#include "ScriptedRuntime.h"

#include "core/frmMain.h"
#include "runtime/AmountComboBox.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace Sardek
{

// A main window with a game in Hong Kong (Testing::tradingState()) and the player's ways with
// the services' dialogs. With SARDEK_SCREENSHOTS set to a folder, snap() saves the screen there.
class ServiceDialogTest : public ::testing::Test
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
        if (!screenshots.isEmpty())
            main.show();
    }

    // Clicks order and, once its dialog is open, acts on it as a player; whatever act leaves
    // open is cancelled.
    void use(QPushButton *order, const std::function<void(QDialog &)> &act)
    {
        whenDialogOpens([&](QDialog &dialog) {
            act(dialog);
            if (dialog.isVisible())
                QTest::mouseClick(control<QPushButton>(dialog, "cmdCancel"), Qt::LeftButton);
        });
        QTest::mouseClick(order, Qt::LeftButton);
    }

    static AmountComboBox *box(QDialog &dialog, const char *name)
    {
        return control<AmountComboBox>(dialog, name);
    }

    // Clicks the box, drops its list down and closes it, then types keys.
    static void type(AmountComboBox *box, const QString &keys)
    {
        QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
        box->showPopup();
        box->hidePopup();
        QTest::keyClicks(box, keys);
    }

    // Pastes text into the box through its context menu's Paste.
    static void pasteFromMenu(AmountComboBox *box, const QString &text)
    {
        QApplication::clipboard()->setText(text);
        std::unique_ptr<QMenu> menu(box->lineEdit()->createStandardContextMenu());
        for (QAction *action : menu->actions())
            if (action->text().startsWith(QStringLiteral("&Paste")))
                return action->trigger();
        ADD_FAILURE() << "no Paste in the context menu";
    }

    // The list as it drops down, entries joined by blanks.
    static QString listOf(QComboBox *box)
    {
        box->showPopup();
        QStringList entries;
        for (int i = 0; i < box->count(); ++i)
            entries << box->itemText(i);
        box->hidePopup();
        return entries.join(QLatin1Char(' '));
    }

    // Drops the list down and clicks entry.
    static void choose(QComboBox *box, const QString &entry)
    {
        box->showPopup();
        QAbstractItemView *view = box->view();
        const int row = box->findText(entry);
        ASSERT_GE(row, 0) << qPrintable(entry);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(row, 0)).center());
    }

    static void click(QDialog &dialog, const char *button)
    {
        QTest::mouseClick(control<QPushButton>(dialog, button), Qt::LeftButton);
    }

    // The log after the game's first line.
    QStringList logLines() { return main.log().text().split(QStringLiteral("\r\n")).mid(1); }

    // The refusals shown, each checked to be the information box titled "Sorry".
    QStringList refusals() const
    {
        QStringList prompts;
        for (const auto &shown : runtime.messageBoxes()) {
            EXPECT_EQ(shown.style, MsgBoxStyle::InformationOk);
            EXPECT_EQ(shown.title, "Sorry");
            prompts << shown.prompt;
        }
        return prompts;
    }

    void snap(const QString &name)
    {
        if (screenshots.isEmpty())
            return;
        QTest::qWait(200);
        QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(screenshots).filePath(name));
    }

    ScriptedRuntime runtime;
    frmMain main{runtime};
    const QString screenshots = qEnvironmentVariable("SARDEK_SCREENSHOTS");
};

} // namespace Sardek
