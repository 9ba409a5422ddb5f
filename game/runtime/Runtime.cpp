#include "runtime/Runtime.h"

namespace Sardek
{

MsgBoxResult Runtime::MsgBox(const QString &prompt, MsgBoxStyle style, const QString &title,
                             QWidget *parent)
{
    // Resolved here so that every implementation, the scripted one included, sees the title
    // the player would see.
    const QString shown = title.isEmpty() ? QString::fromLatin1(ApplicationTitle) : title;
    return showMessageBox(prompt, style, shown, parent);
}

} // namespace Sardek
