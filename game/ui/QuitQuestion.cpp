#include "ui/QuitQuestion.h"

#include "runtime/Runtime.h"

namespace Sardek
{

bool AskToQuitGame(Runtime &runtime, QWidget *parent)
{
    return runtime.MsgBox(QStringLiteral("Do you want to quit this game?     "),
                          MsgBoxStyle::QuestionYesNo, {}, parent) == MsgBoxResult::Yes;
}

} // namespace Sardek
