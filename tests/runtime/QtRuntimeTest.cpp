#include "ui/QtRuntime.h"

#include "ModalDialogs.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <ctime>
#include <tuple>

using Sardek::MsgBoxResult;
using Sardek::MsgBoxStyle;
using Sardek::QtRuntime;
using Sardek::Testing::whenDialogOpens;

TEST(QtRuntimeRnd, Rolls_AreUniformOnZeroToOne)
{
    QtRuntime runtime;
    runtime.Randomize(42);
    std::array<int, 21> counts{}; // as Int(Rnd * 21 + 5) picks a price step
    for (int i = 0; i < 210000; ++i) {
        const float r = runtime.Rnd();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ++counts[static_cast<std::size_t>(r * 21)];
    }
    // 10,000 expected per value, standard deviation about 98: allow five of them.
    for (std::size_t value = 0; value < counts.size(); ++value)
        EXPECT_NEAR(counts[value], 10000, 500) << "value " << value;
}

TEST(QtRuntimeDelay, WaitsTheTimeAskedWithoutSpinning_ProcessingEvents)
{
    QtRuntime runtime;
    int fired = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++fired; });
    timer.start(10);
    const std::clock_t cpuBefore = std::clock();
    const std::uint32_t ticksBefore = runtime.TickCount();
    runtime.Delay(300);
    const std::uint32_t waited = runtime.TickCount() - ticksBefore;
    const double cpuMs = double(std::clock() - cpuBefore) * 1000 / CLOCKS_PER_SEC;
    EXPECT_GE(waited, 299u);
    EXPECT_LT(waited, 450u);
    EXPECT_LT(cpuMs, 60.0) << "a spinning wait would use about 300 ms";
    EXPECT_GE(fired, 20);
}

// Each style's icon and buttons, and the press reported (NoButton: Esc, which presses the box's
// escape button).
TEST(QtRuntimeMsgBox, ShowsTheStylesIconAndButtonsAndReportsThePress)
{
    using Box = QMessageBox;
    const std::tuple<MsgBoxStyle, Box::Icon, Box::StandardButtons, Box::StandardButton,
                     MsgBoxResult>
        cases[] = {{MsgBoxStyle::CriticalOk, Box::Critical, Box::Ok, Box::Ok, MsgBoxResult::Ok},
                   {MsgBoxStyle::InformationOk, Box::Information, Box::Ok, Box::NoButton,
                    MsgBoxResult::Ok},
                   {MsgBoxStyle::QuestionYesNo, Box::Question, Box::Yes | Box::No, Box::Yes,
                    MsgBoxResult::Yes},
                   {MsgBoxStyle::ExclamationYesNo, Box::Warning, Box::Yes | Box::No, Box::No,
                    MsgBoxResult::No},
                   {MsgBoxStyle::ExclamationYesNoCancel, Box::Warning,
                    Box::Yes | Box::No | Box::Cancel, Box::NoButton, MsgBoxResult::Cancel}};
    QtRuntime runtime;
    for (const auto &[style, icon, buttons, press, expected] : cases) {
        whenDialogOpens([&](QDialog &dialog) {
            auto *box = qobject_cast<QMessageBox *>(&dialog); // nothing else opens here
            EXPECT_EQ(box->icon(), icon);
            EXPECT_EQ(box->standardButtons(), buttons);
            EXPECT_EQ(box->windowTitle(), "Sardek");
            EXPECT_EQ(box->text(), "Really <b>sail</b>?   ");
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            if (press == QMessageBox::NoButton)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(press)->click();
        });
        EXPECT_EQ(runtime.MsgBox("Really <b>sail</b>?   ", style), expected);
    }
}

// Open returns the file chosen; a cancelled Save returns nothing.
TEST(QtRuntimeFileDialog, OpenReturnsTheChosenFile_ACancelledSaveNothing)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("voyage.srd");
    ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly)); // an empty file to choose
    QtRuntime runtime;
    whenDialogOpens([&](QDialog &opened) {
        auto *dialog = qobject_cast<QFileDialog *>(&opened); // nothing else opens here
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->windowTitle(), "Load Game");
        EXPECT_EQ(dialog->nameFilters(),
                  QStringList({"Saved Game Files (*.srd)", "All Files (*.*)"}));
        dialog->selectFile(path);
        opened.accept(); // QFileDialog hides the public slot
    });
    EXPECT_EQ(runtime.GetOpenFileName(nullptr, "Load Game",
                                      "Saved Game Files (*.srd);;All Files (*.*)", folder.path()),
              path);
    whenDialogOpens([](QDialog &opened) {
        EXPECT_EQ(qobject_cast<QFileDialog *>(&opened)->acceptMode(), QFileDialog::AcceptSave);
        opened.reject();
    });
    EXPECT_FALSE(runtime.GetSaveFileName(nullptr, "Save Game", "Saved Game Files (*.srd)", {}));
}
