// Designs shared by the benchmarks.
#pragma once

#include <array>

#include "model/design.h"
#include "rules/menu_rules.h"
#include "synthesis/cofcal.h"

namespace larkspan::bench {

// The response window's views, by the index the benchmarks take.
inline constexpr std::array<const char*, 7> kViews{"amp", "imp", "ph", "gd", "nq", "st", "schema"};

// A new design of `ways` ways and order `order`, as the menus make it.
inline Design designOf(int ways, int order)
{
    Design d;
    chooseChannel(d, ways == 3 ? 2 : 1);
    chooseOrder(d, order);
    cofCal(d);
    return d;
}

// The same with its crossover at `F` Hz: FX of a 2-way, FXL of a 3-way (FXH
// ten times higher). Below 12.5 Hz the step response's time window is longest.
inline Design stepDesignOf(int ways, int order, float F)
{
    Design d = designOf(ways, order);
    if (d.channel == 3) {
        d.FXL = F;
        d.FXH = F * 10;
    } else {
        d.FX = F;
    }
    cofCal(d);
    return d;
}

}  // namespace larkspan::bench
