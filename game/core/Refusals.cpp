#include "core/Refusals.h"

#include "runtime/Runtime.h"

namespace Sardek
{

void showRefusal(Runtime &runtime, const QString &text, QObject *over)
{
    runtime.MsgBox(text, MsgBoxStyle::InformationOk, QStringLiteral("Sorry"), over);
}

} // namespace Sardek
