#pragma once

#include "core/GameState.h"

#include <QByteArray>
#include <QFile>
#include <QScopeGuard>

#include <csignal>
#include <sys/resource.h>

namespace Sardek::Testing
{

/// A record with every field set, none to a value a new or loaded game would give it, each
/// number distinct, with fractions and both ends of the range.
inline GameState clutteredState(const QString &firm = QStringLiteral("Old Firm"))
{
    GameState s; // neither in progress nor saved
    s.GameOver = true;
    s.GameDate = GameDate::fromYmd(1861, 2, 28).value();
    s.FirmName = firm;
    s.CurrentPort = QStringLiteral("Batavia");
    Currency n = 1;
    for (Currency *field :
         {&s.Cannons,        &s.ShipStatus,    &s.HoldUsed,       &s.HoldCapacity,
          &s.ShipOpium,      &s.ShipSilk,      &s.ShipArms,       &s.ShipGeneral,
          &s.WarehouseOpium, &s.WarehouseSilk, &s.WarehouseArms,  &s.WarehouseGeneral,
          &s.PriceOpium,     &s.PriceSilk,     &s.PriceArms,      &s.PriceGeneral,
          &s.Bank,           &s.Debt,          &s.Cash,           &s.CannonPrice,
          &s.ShipPrice,      &s.NetWorth,      &s.TributeCounter, &s.Score})
        *field = (n += 7) + Currency::fromRaw(3);
    s.ShipSilk = Currency::fromRaw(-1);
    s.PriceArms = Currency::max();
    s.Debt = Currency::min();
    s.TributeCounter = -3;
    s.Rank = QStringLiteral("Compradore");
    s.MillionaireShown = true;
    return s;
}

/// The cash scenario's file as saved at once, one value a line, without line ends.
inline const QList<QByteArray> LeeLines =
    QByteArray("#1860-01-15#|\"Lee\"|\"Hong Kong\"|0|100|0|60|0|0|0|0|0|0|0|0|"
               "12000|1500|120|9|0|5000|400|0|0|0|#FALSE#")
        .split('|');

/// The Lee game's file with some of its lines (numbered from 1) replaced.
inline QByteArray leeWith(std::initializer_list<std::pair<int, QByteArray>> replaced = {})
{
    QList<QByteArray> lines = LeeLines;
    for (const auto &[line, text] : replaced)
        lines[line - 1] = text;
    return lines.join("\r\n") + "\r\n";
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

/// Until the guard returned ends, a write past bytes fails part way with "File too large", as on
/// a full disk, whatever the user's rights; the signal it raises is ignored meanwhile.
[[nodiscard]] inline auto limitFileSize(rlim_t bytes)
{
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tight = saved;
    tight.rlim_cur = bytes;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &tight);
    return qScopeGuard([saved, handler] {
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
    });
}

} // namespace Sardek::Testing
