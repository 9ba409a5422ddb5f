#pragma once

#include <QString>

class QObject;

namespace Sardek
{

class Runtime;

/// The refusals that trade and the Hong Kong services share, each with the three blanks the
/// game's messages end in; they are shown in a box titled "Sorry".
inline const QString InsufficientFunds = QStringLiteral("Insufficient Funds   ");
inline const QString InsufficientHold = QStringLiteral("Insufficient Hold   ");
inline const QString InsufficientStorage =
    QStringLiteral("Insufficient Storage Space, Warehouse Limited to 10,000 units   ");
inline const QString InsufficientCargo = QStringLiteral("Insufficient Cargo   ");

/// The cannon and ship purchases' refusals end in five blanks, not three. Every message is
/// shown exactly as the game words it, so these two are constants of their own.
inline const QString PurchaseInsufficientHold = QStringLiteral("Insufficient Hold     ");
inline const QString PurchaseInsufficientFunds = QStringLiteral("Insufficient Funds     ");

/// Shows a refused order's text in the box every refusal uses: titled "Sorry", information
/// icon, OK, modal over the window the order came from.
void showRefusal(Runtime &runtime, const QString &text, QObject *over);

} // namespace Sardek
