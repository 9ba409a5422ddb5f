// The record's invariants, checked after every action of the player and step of the monkey,
// and its round trip through a saved file, checked by the player and the saved-game fuzzer.
#include "Play.h"

#include "core/GameState.h"
#include "core/Goods.h"
#include "core/SavedGame.h"
#include "runtime/Formats.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace Sardek::Play
{

QString recordProblem(const GameState &state, bool negativeDebtAllowed)
{
    const std::pair<const char *, Currency> balances[] = {
        {"Cash", state.Cash},
        {"Bank", state.Bank},
        {"Cannons", state.Cannons},
        {"Debt", negativeDebtAllowed ? Currency(0) : state.Debt}};
    for (const auto &[name, value] : balances)
        if (value < 0)
            return QLatin1String(name) + QStringLiteral(" is ") + PlainNumber(value);
    if (state.ShipStatus < 0 || state.ShipStatus > 100)
        return QStringLiteral("ShipStatus ") + PlainNumber(state.ShipStatus);
    if (!PortNames.contains(state.CurrentPort))
        return QStringLiteral("no such port: ") + state.CurrentPort;
    Currency cargo = 10 * state.Cannons;
    Currency stored = 0;
    for (Good good : AllGoods) {
        for (Place place : {Place::Ship, Place::Warehouse})
            if (stockOf(state, place, good) < 0)
                return goodName(good) + QStringLiteral(" stock below 0");
        cargo += stockOf(state, Place::Ship, good);
        stored += stockOf(state, Place::Warehouse, good);
    }
    if (stored > WarehouseCapacity)
        return QStringLiteral("warehouse holds ") + PlainNumber(stored);
    if (state.HoldUsed != cargo || cargo > state.HoldCapacity)
        return QStringLiteral("HoldUsed %1, cargo and cannons %2, hold %3")
            .arg(PlainNumber(state.HoldUsed), PlainNumber(cargo), PlainNumber(state.HoldCapacity));
    return {};
}

QString roundTripProblem(const GameState &state)
{
    // Saving syncs the file to disk; a folder in memory keeps thousands of saves quick.
    static const QTemporaryDir folder(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                          ? QStringLiteral("/dev/shm/sardek-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/sardek-XXXXXX"));
    const QString path = folder.filePath(QStringLiteral("game.srd"));
    const SaveResult saved = writeSavedGame(state, path);
    if (!saved.ok)
        return QStringLiteral("save failed: ") + saved.error;
    const LoadResult loaded = readSavedGame(path);
    if (!loaded.values)
        return QStringLiteral("load failed: ") + loaded.error;
    GameState reloaded = state;
    applySavedValues(*loaded.values, reloaded);
    // The file holds the name with quotation marks as apostrophes and line ends as blanks.
    GameState expected = state;
    expected.FirmName.replace(QLatin1Char('"'), QLatin1Char('\''))
        .replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    return reloaded == expected ? QString() : QStringLiteral("saved and loaded, the game changed");
}

} // namespace Sardek::Play
