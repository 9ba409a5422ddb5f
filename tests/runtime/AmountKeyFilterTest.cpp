#include "runtime/AmountKeyFilter.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using Sardek::AmountKeyFilter;

namespace
{

// A dialog as the game builds them: an amount combo box, a plain line edit, Ok and Cancel.
class AmountDialog : public QDialog
{
  public:
    explicit AmountDialog(bool withCancel)
    {
        auto *layout = new QVBoxLayout(this);
        cboAmount->setObjectName("cboAmount");
        cboAmount->setEditable(true);
        txtAmount->setObjectName("txtAmount");
        cmdOK->setObjectName("cmdOK");
        cmdOK->setDefault(true);
        for (QWidget *w : {static_cast<QWidget *>(cboAmount), static_cast<QWidget *>(txtAmount),
                           static_cast<QWidget *>(cmdOK)})
            layout->addWidget(w);
        if (withCancel) {
            cmdCancel = new QPushButton("Cancel", this);
            cmdCancel->setObjectName("cmdCancel");
            layout->addWidget(cmdCancel);
        }
        filter = new AmountKeyFilter(cmdOK, cmdCancel, this);
        for (QWidget *w : {static_cast<QWidget *>(cboAmount), static_cast<QWidget *>(txtAmount),
                           static_cast<QWidget *>(cmdOK)})
            filter->watch(w);
        filter->watch(cmdCancel);
    }

    QComboBox *cboAmount = new QComboBox(this);
    QLineEdit *txtAmount = new QLineEdit(this);
    QPushButton *cmdOK = new QPushButton("Ok", this);
    QPushButton *cmdCancel = nullptr;
    AmountKeyFilter *filter = nullptr;
};

QString textOf(QWidget *box)
{
    if (auto *combo = qobject_cast<QComboBox *>(box))
        return combo->currentText();
    return qobject_cast<QLineEdit *>(box)->text();
}

} // namespace

// Each case runs on the editable combo box and on the plain line edit.
class AmountKeyFilterTest : public testing::TestWithParam<const char *>
{
  protected:
    void SetUp() override
    {
        dialog.show();
        box = dialog.findChild<QWidget *>(GetParam());
        ASSERT_TRUE(box);
        box->setFocus();
    }

    AmountDialog dialog{true};
    QWidget *box = nullptr;
    QSignalSpy okClicks{dialog.cmdOK, &QPushButton::clicked};
    QSignalSpy cancelClicks{dialog.cmdCancel, &QPushButton::clicked};
};

TEST_P(AmountKeyFilterTest, DigitsPassAndOtherCharactersAreDropped)
{
    QTest::keyClicks(box, "1a2-B3 .,$+e4");
    EXPECT_EQ(textOf(box), "1234");
    QTest::keyClick(box, Qt::Key_X, Qt::AltModifier);
    QTest::keyClick(box, Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(textOf(box), "12345");
}

TEST_P(AmountKeyFilterTest, EditingKeysStillWork)
{
    QTest::keyClicks(box, "123");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(textOf(box), "12");
    QTest::keyClicks(box, "34");
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Left);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(textOf(box), "124");
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_9);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_0);
    EXPECT_EQ(textOf(box), "91240");
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_7);
    EXPECT_EQ(textOf(box), "7");
}

TEST_P(AmountKeyFilterTest, EnterClicksTheDefaultButtonAndEscTheCancelButton)
{
    QTest::keyClicks(box, "50");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(okClicks.count(), 2);
    EXPECT_EQ(cancelClicks.count(), 0);
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_EQ(cancelClicks.count(), 1);
    EXPECT_EQ(okClicks.count(), 2);
    // The keys never reach the box: its text stays and a combo box gains no list entry.
    EXPECT_EQ(textOf(box), "50");
    EXPECT_EQ(dialog.cboAmount->count(), 0);
}

TEST_P(AmountKeyFilterTest, EnterWithTheDefaultButtonDisabled_DoesNothing)
{
    dialog.cmdOK->setEnabled(false);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(okClicks.count(), 0);
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_P(AmountKeyFilterTest, PasteShortcut_InsertsOnlyTheDigits)
{
    QTest::keyClicks(box, "1");
    QGuiApplication::clipboard()->setText("$2,500 Silk");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(textOf(box), "12500");
    QGuiApplication::clipboard()->setText("none");
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(textOf(box), "12500");
}

TEST_P(AmountKeyFilterTest, ReportsAmountKeysAndKeyReleases)
{
    QSignalSpy typed(dialog.filter, &AmountKeyFilter::amountTyped);
    QSignalSpy released(dialog.filter, &AmountKeyFilter::keyReleased);
    QTest::keyClick(box, Qt::Key_4);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Q);
    QTest::keyClick(box, Qt::Key_Left);
    ASSERT_EQ(typed.count(), 2);
    EXPECT_EQ(typed.at(0).at(0).value<QWidget *>(), box);
    EXPECT_EQ(released.count(), 4);
    EXPECT_EQ(released.at(2).at(0).value<QWidget *>(), box);
}

TEST_P(AmountKeyFilterTest, DragWithNonDigits_IsRefused)
{
    QLineEdit *edit = qobject_cast<QLineEdit *>(box);
    if (!edit)
        edit = dialog.cboAmount->lineEdit();
    for (const auto &[text, accepted] : {std::pair{"250", true}, std::pair{"2a5", false}}) {
        QMimeData mime;
        mime.setText(text);
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &enter);
        EXPECT_EQ(enter.isAccepted(), accepted) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Boxes, AmountKeyFilterTest, testing::Values("cboAmount", "txtAmount"));

TEST(AmountKeyFilter, KeysSentToTheComboBoxLineEdit_AreFilteredAndReportedForTheCombo)
{
    AmountDialog dialog(true);
    QSignalSpy typed(dialog.filter, &AmountKeyFilter::amountTyped);
    QTest::keyClicks(dialog.cboAmount->lineEdit(), "3x3");
    EXPECT_EQ(dialog.cboAmount->currentText(), "33");
    ASSERT_EQ(typed.count(), 2);
    EXPECT_EQ(typed.at(0).at(0).value<QWidget *>(), dialog.cboAmount);
}

TEST(AmountKeyFilter, WithoutCancelButton_EscGoesOnToTheDialog)
{
    AmountDialog dialog(false);
    dialog.show();
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    QTest::keyClick(dialog.cboAmount, Qt::Key_Escape);
    EXPECT_EQ(rejected.count(), 1);
}

TEST(AmountKeyFilter, FocusedPushButton_AnswersEnterItself)
{
    AmountDialog dialog(true);
    dialog.show();
    QSignalSpy okClicks(dialog.cmdOK, &QPushButton::clicked);
    QSignalSpy cancelClicks(dialog.cmdCancel, &QPushButton::clicked);
    dialog.cmdCancel->setFocus();
    QTest::keyClick(dialog.cmdCancel, Qt::Key_Return);
    EXPECT_EQ(cancelClicks.count(), 1);
    EXPECT_EQ(okClicks.count(), 0);
    // Space still presses a focused button, although it is no digit.
    QTest::keyClick(dialog.cmdCancel, Qt::Key_Space);
    EXPECT_EQ(cancelClicks.count(), 2);
}

TEST(AmountKeyFilter, ButtonsDestroyedFirst_AreNotTouched)
{
    AmountDialog dialog(true);
    dialog.show();
    delete dialog.cmdOK;
    delete dialog.cmdCancel;
    QTest::keyClicks(dialog.cboAmount, "12");
    QTest::keyClick(dialog.cboAmount, Qt::Key_Return);
    QTest::keyClick(dialog.cboAmount, Qt::Key_Escape);
    EXPECT_EQ(dialog.cboAmount->currentText(), "12");
}
