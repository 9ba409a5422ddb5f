#pragma once

#include <QString>

namespace Sardek
{

/// The refusals that trade and the Hong Kong services share, each with the three blanks the
/// game's messages end in; they are shown in a box titled "Sorry".
inline const QString InsufficientFunds = QStringLiteral("Insufficient Funds   ");
inline const QString InsufficientHold = QStringLiteral("Insufficient Hold   ");
inline const QString InsufficientStorage =
    QStringLiteral("Insufficient Storage Space, Warehouse Limited to 10,000 units   ");
inline const QString InsufficientCargo = QStringLiteral("Insufficient Cargo   ");

} // namespace Sardek
