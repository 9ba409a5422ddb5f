#include "ui/AmountKeyFilter.h"
#include "ui/AmountComboBox.h"

#include "AmountDialogs.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using Sardek::AmountComboBox;
using Sardek::AmountKeyFilter;
using Sardek::Testing::typeAsPlayer;

// A dialog as the game builds them: an amount box with a list, a plain line edit, OK and Cancel.
// Each case runs on the amount box, typed into after its list dropped down, and on the line edit.
class AmountKeyFilterTest : public testing::TestWithParam<const char *>
{
  protected:
    AmountKeyFilterTest()
    {
        auto *layout = new QVBoxLayout(&dialog);
        cmdOK->setDefault(true);
        for (QWidget *w :
             std::initializer_list<QWidget *>{cboAmount, txtAmount, cmdOK, cmdCancel}) {
            layout->addWidget(w);
            filter->watch(w);
        }
        filter->watch(nullptr); // a control the dialog lacks is skipped
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        cboAmount->setEntries({"0", "1000", "2000", "5000", "9000"});
    }

    QDialog dialog;
    AmountComboBox *cboAmount = new AmountComboBox(&dialog);
    QLineEdit *txtAmount = new QLineEdit(&dialog);
    QPushButton *cmdOK = new QPushButton("OK", &dialog);
    QPushButton *cmdCancel = new QPushButton("Cancel", &dialog);
    AmountKeyFilter *filter = new AmountKeyFilter(cmdOK, cmdCancel, &dialog);
    const bool onBox = GetParam() == std::string("cboAmount");
    QWidget *box = onBox ? static_cast<QWidget *>(cboAmount) : txtAmount;
    QLineEdit *edit = onBox ? cboAmount->lineEdit() : txtAmount;
    QSignalSpy okClicks{cmdOK, &QPushButton::clicked};
    QSignalSpy cancelClicks{cmdCancel, &QPushButton::clicked};
};

TEST_P(AmountKeyFilterTest, OnlyDigitsReachTheBox_TypedPastedOrDropped)
{
    QSignalSpy typed(filter, &AmountKeyFilter::amountTyped);
    typeAsPlayer(box, "1a2-B3 .,$+e4");
    QTest::keyClick(edit, Qt::Key_X, Qt::AltModifier);
    QTest::keyClick(edit, Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(edit->text(), "12345");
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Delete, Qt::Key_Home})
        QTest::keyClick(edit, key);
    QTest::keyClick(edit, Qt::Key_9);
    EXPECT_EQ(edit->text(), "9123");
    EXPECT_EQ(typed.count(), 4 + 1 + 1 + 1); // digits, the keypad digit, Backspace, the 9
    EXPECT_EQ(typed.at(0).at(0).value<QWidget *>(), box);

    // However text arrives, only its digits go in, where the cursor is.
    typeAsPlayer(box, "1");
    QGuiApplication::clipboard()->setText("$2,500 Silk");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "12500");

    QGuiApplication::clipboard()->setText("x7y");
    edit->setCursorPosition(1);
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    for (QAction *action : menu->actions())
        if (action->text().startsWith("&Paste"))
            action->trigger();
    EXPECT_EQ(edit->text(), "172500");
    QTest::keyClick(edit, Qt::Key_8);
    EXPECT_EQ(edit->text(), "1782500");

    QMimeData dropped;
    dropped.setText("-3 crates");
    const QPoint end(edit->width() - 2, 2);
    QDragEnterEvent enter(end, Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(edit, &enter);
    QDropEvent drop(end, Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(edit, &drop);
    EXPECT_EQ(edit->text(), "17825003");
}

TEST_P(AmountKeyFilterTest, EnterClicksTheDefaultButton_EscTheCancelButton)
{
    typeAsPlayer(box, "50");
    EXPECT_EQ(edit->selectedText(), "") << "nothing completed from the list";
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(okClicks.count(), 2);
    EXPECT_EQ(cancelClicks.count(), 1);
    // The keys never reach the box: its text stays, not completed to the entry "5000", and the
    // list gains no entry.
    EXPECT_EQ(edit->text(), "50");
    EXPECT_EQ(cboAmount->findText("50"), -1);
    cmdOK->setEnabled(false);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(okClicks.count(), 2);
    EXPECT_TRUE(dialog.isVisible());
    // A focused push button answers Enter and Space itself.
    cmdCancel->setFocus();
    QTest::keyClick(cmdCancel, Qt::Key_Return);
    QTest::keyClick(cmdCancel, Qt::Key_Space);
    EXPECT_EQ(cancelClicks.count(), 3);
    EXPECT_EQ(okClicks.count(), 2);
    // Buttons destroyed before the filter are not touched.
    delete cmdOK;
    delete cmdCancel;
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->text(), "50");
}

INSTANTIATE_TEST_SUITE_P(Boxes, AmountKeyFilterTest, testing::Values("cboAmount", "txtAmount"),
                         [](const auto &info) { return std::string(info.param); });
