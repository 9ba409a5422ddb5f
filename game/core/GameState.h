#pragma once

#include "runtime/Currency.h"
#include "runtime/GameDate.h"

#include <QString>
#include <QStringList>

namespace Sardek
{

/**
 * The whole state of a game: one record, one instance for the program's life, handed to every
 * dialog by reference. Fields are in their fixed order; at program start every number and date
 * is 0, every text empty and every flag false. Setting a field validates nothing.
 */
struct GameState {
    bool GameInProgress = false; ///< a game was started or loaded and has not ended
    bool GameSaved = false;      ///< nothing changed since start, save or load
    bool GameOver = false;       ///< the last game was lost and the player chose to play again
    Sardek::GameDate GameDate;
    QString FirmName;
    QString CurrentPort; ///< one of the seven port names
    Currency Cannons;
    Currency ShipStatus; ///< percent, 100 undamaged
    Currency HoldUsed;   ///< ship cargo + 10 per cannon
    Currency HoldCapacity;
    Currency ShipOpium;
    Currency ShipSilk;
    Currency ShipArms;
    Currency ShipGeneral;
    Currency WarehouseOpium;
    Currency WarehouseSilk;
    Currency WarehouseArms;
    Currency WarehouseGeneral;
    Currency PriceOpium;
    Currency PriceSilk;
    Currency PriceArms;
    Currency PriceGeneral;
    Currency Bank;
    Currency Debt;
    Currency Cash;
    Currency CannonPrice; ///< of the cannon last offered on arrival
    Currency ShipPrice;   ///< of the larger ship last offered on arrival
    Currency NetWorth;    ///< Cash + Bank - Debt as of the last redraw
    Currency TributeCounter;
    QString Rank;
    bool MillionaireShown = false;
    Currency Score;

    bool operator==(const GameState &) const = default;
};

/// The home port, where the bank, warehouse, money lender and shipyard are.
inline const QString HongKong = QStringLiteral("Hong Kong");

/// The seven ports, in their fixed order (port 1 is Hong Kong).
inline const QStringList PortNames{HongKong,
                                   QStringLiteral("Shanghai"),
                                   QStringLiteral("Nagasaki"),
                                   QStringLiteral("Saigon"),
                                   QStringLiteral("Manila"),
                                   QStringLiteral("Singapore"),
                                   QStringLiteral("Batavia")};

} // namespace Sardek
