#include "services/ShowServiceOutcome.h"

#include "core/Refusals.h"
#include "ui/MainWindow.h"

#include <QDialog>

namespace Sardek
{

void finishService(MainWindow &main, QDialog &dialog, const Outcome &outcome)
{
    main.moveLogCaretToEnd();
    for (const QString &entry : outcome.logEntries)
        main.LogAppend(entry);
    if (outcome.loanGranted)
        main.setOrderEnabled(Order::Money, false);
    if (outcome.refusal) {
        showRefusal(main.runtime(), *outcome.refusal, &dialog);
        return;
    }
    dialog.accept();
}

} // namespace Sardek
