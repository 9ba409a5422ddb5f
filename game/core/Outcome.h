#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace Sardek
{

/**
 * What one order did: a trade, a service or a purchase. Its steps run in order and the first
 * failing check stops them: logEntries are the steps made before it (a loan stays when the
 * repayment after it is refused) and refusal its message. Without a refusal the order is
 * complete; a trade logs one entry per good, a purchase one.
 */
struct Outcome {
    QStringList logEntries;
    std::optional<QString> refusal;
    /// The lender granted a loan, which closes his door until the next arrival.
    bool loanGranted = false;
};

} // namespace Sardek
