#include "services/ShowServiceOutcome.h"

#include "core/MainForm.h"
#include "runtime/Runtime.h"

#include <QDialog>

namespace Sardek
{

void finishService(MainForm &main, QDialog &dialog, const ServiceOutcome &outcome)
{
    main.moveLogCaretToEnd();
    for (const QString &entry : outcome.logEntries)
        main.LogAppend(entry);
    if (outcome.loanGranted)
        main.setOrderEnabled(Order::Money, false);
    if (outcome.refusal) {
        main.runtime().MsgBox(*outcome.refusal, MsgBoxStyle::InformationOk, QStringLiteral("Sorry"),
                              &dialog);
        return;
    }
    dialog.accept();
}

} // namespace Sardek
