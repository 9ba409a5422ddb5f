#pragma once

#include "core/GameState.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include <csignal>
#include <sys/resource.h>

namespace Sardek::Testing
{

/// Every field of the record as "Name=value", so a failed comparison names the fields.
inline QStringList fieldsOf(const GameState &s)
{
    auto flag = [](bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); };
    auto num = [](Currency c) { return QString::number(c.raw()) + QStringLiteral("e-4"); };
    return {"GameInProgress=" + flag(s.GameInProgress),
            "GameSaved=" + flag(s.GameSaved),
            "GameOver=" + flag(s.GameOver),
            "GameDate=" + s.GameDate.toString(),
            "FirmName=" + s.FirmName,
            "CurrentPort=" + s.CurrentPort,
            "Cannons=" + num(s.Cannons),
            "ShipStatus=" + num(s.ShipStatus),
            "HoldUsed=" + num(s.HoldUsed),
            "HoldCapacity=" + num(s.HoldCapacity),
            "ShipOpium=" + num(s.ShipOpium),
            "ShipSilk=" + num(s.ShipSilk),
            "ShipArms=" + num(s.ShipArms),
            "ShipGeneral=" + num(s.ShipGeneral),
            "WarehouseOpium=" + num(s.WarehouseOpium),
            "WarehouseSilk=" + num(s.WarehouseSilk),
            "WarehouseArms=" + num(s.WarehouseArms),
            "WarehouseGeneral=" + num(s.WarehouseGeneral),
            "PriceOpium=" + num(s.PriceOpium),
            "PriceSilk=" + num(s.PriceSilk),
            "PriceArms=" + num(s.PriceArms),
            "PriceGeneral=" + num(s.PriceGeneral),
            "Bank=" + num(s.Bank),
            "Debt=" + num(s.Debt),
            "Cash=" + num(s.Cash),
            "CannonPrice=" + num(s.CannonPrice),
            "ShipPrice=" + num(s.ShipPrice),
            "NetWorth=" + num(s.NetWorth),
            "TributeCounter=" + num(s.TributeCounter),
            "Rank=" + s.Rank,
            "MillionaireShown=" + flag(s.MillionaireShown),
            "Score=" + num(s.Score)};
}

/// A record with every field set, none to a value a new or loaded game would give it.
inline GameState clutteredState()
{
    GameState s;
    s.GameInProgress = false;
    s.GameSaved = false;
    s.GameOver = true;
    s.GameDate = GameDate::fromYmd(1871, 7, 9).value();
    s.FirmName = QStringLiteral("Old Firm");
    s.CurrentPort = QStringLiteral("Manila");
    Currency n = 1;
    for (Currency *field :
         {&s.Cannons,        &s.ShipStatus,    &s.HoldUsed,       &s.HoldCapacity,
          &s.ShipOpium,      &s.ShipSilk,      &s.ShipArms,       &s.ShipGeneral,
          &s.WarehouseOpium, &s.WarehouseSilk, &s.WarehouseArms,  &s.WarehouseGeneral,
          &s.PriceOpium,     &s.PriceSilk,     &s.PriceArms,      &s.PriceGeneral,
          &s.Bank,           &s.Debt,          &s.Cash,           &s.CannonPrice,
          &s.ShipPrice,      &s.NetWorth,      &s.TributeCounter, &s.Score})
        *field = (n += 7) + Currency::fromRaw(3);
    s.Rank = QStringLiteral("Compradore");
    s.MillionaireShown = true;
    return s;
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

/// While alive, files of this process cannot grow past bytes: a write beyond fails with "File
/// too large", part way as on a full disk, whatever the user's rights. The signal such a write
/// raises is ignored meanwhile.
class FileSizeLimit
{
  public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit tight = m_saved;
        tight.rlim_cur = bytes;
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

  private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

} // namespace Sardek::Testing
