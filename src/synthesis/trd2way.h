// Placeholder until this network's synthesis and evaluators are written.
#pragma once

#include "synthesis/network_unit.h"

namespace larkspan {

const NetworkUnit& trd2WayUnit();

}  // namespace larkspan
