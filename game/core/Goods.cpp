#include "core/Goods.h"

#include "core/GameState.h"

namespace Sardek
{

namespace
{

struct GoodFields {
    const char *name;
    Currency GameState::*price;
    Currency GameState::*ship;
    Currency GameState::*warehouse;
};

constexpr std::array<GoodFields, 4> Fields{{
    {"Opium", &GameState::PriceOpium, &GameState::ShipOpium, &GameState::WarehouseOpium},
    {"Silk", &GameState::PriceSilk, &GameState::ShipSilk, &GameState::WarehouseSilk},
    {"Arms", &GameState::PriceArms, &GameState::ShipArms, &GameState::WarehouseArms},
    {"General", &GameState::PriceGeneral, &GameState::ShipGeneral, &GameState::WarehouseGeneral},
}};

const GoodFields &fieldsOf(Good good)
{
    return Fields[static_cast<std::size_t>(good)];
}

} // namespace

QString goodName(Good good)
{
    return QLatin1String(fieldsOf(good).name);
}

Currency &priceOf(GameState &state, Good good)
{
    return state.*fieldsOf(good).price;
}

Currency priceOf(const GameState &state, Good good)
{
    return state.*fieldsOf(good).price;
}

Currency &stockOf(GameState &state, Place place, Good good)
{
    const GoodFields &fields = fieldsOf(good);
    return state.*(place == Place::Ship ? fields.ship : fields.warehouse);
}

Currency stockOf(const GameState &state, Place place, Good good)
{
    const GoodFields &fields = fieldsOf(good);
    return state.*(place == Place::Ship ? fields.ship : fields.warehouse);
}

} // namespace Sardek
