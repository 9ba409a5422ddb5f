#pragma once

#include "runtime/Currency.h"
#include "runtime/GameDate.h"

#include <QString>

#include <optional>

namespace Sardek
{

struct GameState;

/// The 26 variables a saved game holds, under their names in GameState and in file order.
struct SavedValues {
    Sardek::GameDate GameDate;
    QString FirmName;
    QString CurrentPort; ///< always one of PortNames when read from a file
    Currency Cannons;
    Currency ShipStatus;
    Currency HoldUsed;
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
    Currency CannonPrice;
    Currency ShipPrice;
    Currency TributeCounter;
    bool MillionaireShown = false;

    bool operator==(const SavedValues &) const = default;
};

/// The outcome of writeSavedGame(): success, or a short description of what went wrong.
struct SaveResult {
    bool ok = true;
    QString error; ///< why not ok; never empty then
};

/// The outcome of readSavedGame(): all 26 values, or a short description of what went wrong.
struct LoadResult {
    std::optional<SavedValues> values; ///< set exactly when the whole file was good
    QString error;                     ///< set exactly when values is not
};

/// The saved variables of state.
SavedValues savedValuesOf(const GameState &state);
/// Writes the 26 saved variables into state and touches nothing else.
void applySavedValues(const SavedValues &values, GameState &state);

/**
 * Writes the saved variables of state to path, exactly that path (no extension is added):
 * 26 lines ending in CR LF, in UTF-8. The file is written beside the target and renamed over
 * it only when complete, so a failed save leaves any earlier file as it was.
 *
 * A double quotation mark cannot be written inside a string of this format, nor can a line
 * end be without breaking the file's lines: in FirmName and CurrentPort they are written as an
 * apostrophe and a blank, so the file always reads back.
 */
SaveResult writeSavedGame(const GameState &state, const QString &path);

/**
 * Reads a saved game from path and checks all of it before anything is handed out: a missing
 * or unreadable file, fewer than 26 values, a value of the wrong kind, a date that does not
 * exist, a port that is not one of the seven or a number beyond Currency's range each give an
 * error and no values. Values may also be separated by commas, blank lines are skipped, LF or
 * CR alone end lines too, and anything after the 26th value is ignored. Text that is not valid
 * UTF-8 is read as Latin-1. Only the first MaxReadBytes of the file are read.
 */
LoadResult readSavedGame(const QString &path);

/// Reads a saved game from the bytes of a file, as readSavedGame() does once it has read them.
LoadResult readSavedGameBytes(const QByteArray &bytes);

/// Far beyond any real saved game: 26 short values.
inline constexpr qint64 MaxReadBytes = 1 << 20;

} // namespace Sardek
