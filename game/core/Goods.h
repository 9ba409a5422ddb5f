#pragma once

#include <QString>

#include <array>

namespace Sardek
{

class Currency;
struct GameState;

/// The four goods, in the order they are always listed and processed.
enum class Good { Opium, Silk, Arms, General };
inline constexpr std::array<Good, 4> AllGoods{Good::Opium, Good::Silk, Good::Arms, Good::General};

/// Where bought goods go and sold goods come from.
enum class Place { Ship, Warehouse };

/// Units the Hong Kong warehouse holds, all goods together.
inline constexpr int WarehouseCapacity = 10000;

/// "Opium", "Silk", "Arms", "General": the name on labels and in log lines.
QString goodName(Good good);

/// The good's price at the current port (dollars a unit).
Currency &priceOf(GameState &state, Good good);
Currency priceOf(const GameState &state, Good good);

/// The good's stock on the ship (ShipOpium ...) or in the warehouse (WarehouseOpium ...).
Currency &stockOf(GameState &state, Place place, Good good);
Currency stockOf(const GameState &state, Place place, Good good);

} // namespace Sardek
