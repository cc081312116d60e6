// Designs as a redraw leaves them for the sweeps and drawings to read.
#pragma once

#include <concepts>

#include "model/design.h"
#include "synthesis/cofcal.h"

namespace larkspan {

// A default design changed by `change`, with its network computed (cofCal).
template <std::invocable<Design&> Change = void (*)(Design&)>
Design synthesized(Change change = [](Design&) {})
{
    Design d;
    change(d);
    cofCal(d);
    return d;
}

}  // namespace larkspan
