#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace Sardek
{

/**
 * What one press of a service's button did. The steps run in order and the first failing
 * check stops them: logEntries are the steps made before it (a loan stays when the repayment
 * after it is refused) and refusal its message. Without a refusal the transaction is complete.
 */
struct ServiceOutcome {
    QStringList logEntries;
    std::optional<QString> refusal;
    /// The lender granted a loan, which closes his door until the next arrival.
    bool loanGranted = false;
};

} // namespace Sardek
