#include "ScriptedRuntime.h"

#include "QtPrinters.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using Sardek::MsgBoxResult;
using Sardek::MsgBoxStyle;
using Sardek::ScriptedRuntime;

TEST(ScriptedRuntime, Rnd_HandsOutQueuedNumbersAndFailsWhenDry)
{
    ScriptedRuntime runtime;
    runtime.queueRnd({0.25f, 0.99f});
    EXPECT_EQ(runtime.Rnd(), 0.25f);
    EXPECT_EQ(runtime.Rnd(), 0.99f);
    float dry = -1.0f;
    EXPECT_NONFATAL_FAILURE(dry = runtime.Rnd(), "no scripted number left");
    EXPECT_EQ(dry, 0.0f);
    EXPECT_NONFATAL_FAILURE(runtime.queueRnd({1.0f}), "can never give");
}

TEST(ScriptedRuntime, MessageBoxes_AreRecordedAndAnsweredFromTheQueue)
{
    ScriptedRuntime runtime;
    runtime.queueMsgBoxResults({MsgBoxResult::No, MsgBoxResult::Cancel});
    EXPECT_EQ(runtime.MsgBox("Insufficient Funds   ", MsgBoxStyle::InformationOk, "Sorry"),
              MsgBoxResult::Ok);
    EXPECT_EQ(runtime.MsgBox("Play again?", MsgBoxStyle::QuestionYesNo), MsgBoxResult::No);
    EXPECT_EQ(runtime.MsgBox("Save?", MsgBoxStyle::ExclamationYesNoCancel), MsgBoxResult::Cancel);
    ASSERT_EQ(runtime.messageBoxes().size(), 3u);
    EXPECT_EQ(runtime.messageBoxes()[0].title, "Sorry");
    EXPECT_EQ(runtime.messageBoxes()[1].prompt, "Play again?");
    EXPECT_EQ(runtime.messageBoxes()[1].style, MsgBoxStyle::QuestionYesNo);
    EXPECT_EQ(runtime.messageBoxes()[1].title, "Sardek");
}

TEST(ScriptedRuntime, MessageBoxes_UnscriptedOrImpossibleAnswersFail)
{
    ScriptedRuntime runtime;
    EXPECT_NONFATAL_FAILURE(runtime.MsgBox("Retire?", MsgBoxStyle::ExclamationYesNo),
                            "no scripted answer left");
    runtime.queueMsgBoxResults({MsgBoxResult::Cancel});
    MsgBoxResult answer = MsgBoxResult::Yes;
    EXPECT_NONFATAL_FAILURE(answer = runtime.MsgBox("Retire?", MsgBoxStyle::QuestionYesNo),
                            "has no button 2");
    EXPECT_EQ(answer, MsgBoxResult::No);
}

TEST(ScriptedRuntime, Delay_ReturnsAtOnceRecordingAndAdvancingTheTicks)
{
    ScriptedRuntime runtime;
    runtime.setTickCount(0xFFFFFFF0u);
    std::uint32_t seenDuringDelay = 0;
    runtime.onDelay = [&](std::uint32_t ms) { seenDuringDelay = ms; };
    runtime.Delay(90);
    runtime.Delay(20);
    EXPECT_EQ(runtime.delays(), (std::vector<std::uint32_t>{90, 20}));
    EXPECT_EQ(seenDuringDelay, 20u);
    EXPECT_EQ(runtime.TickCount(), 0xFFFFFFF0u + 110u); // wraps like the real counter
}

TEST(ScriptedRuntime, FileDialogsLinksAndBeeps_AreScriptedAndRecorded)
{
    ScriptedRuntime runtime;
    runtime.queueFileDialogAnswer("/tmp/a.srd");
    runtime.queueFileDialogAnswer(std::nullopt);
    EXPECT_EQ(runtime.GetSaveFileName(nullptr, "Save Game", "*.srd", {}), "/tmp/a.srd");
    EXPECT_EQ(runtime.GetOpenFileName(nullptr, "Load Game", "*.srd", {}), std::nullopt);
    EXPECT_NONFATAL_FAILURE(runtime.GetOpenFileName(nullptr, "Load Game", "*.srd", {}),
                            "no scripted answer left");
    ASSERT_EQ(runtime.fileDialogs().size(), 3u);
    EXPECT_TRUE(runtime.fileDialogs()[0].save);
    EXPECT_FALSE(runtime.fileDialogs()[1].save);

    runtime.linkAccepted = false;
    EXPECT_FALSE(runtime.OpenLink(QUrl("mailto:support@example.com")));
    runtime.Beep();
    EXPECT_EQ(runtime.openedLinks().size(), 1u);
    EXPECT_EQ(runtime.beeps(), 1);
}
