#include "synthesis/trd2way.h"

namespace larkspan {

const NetworkUnit& trd2WayUnit()
{
    static const NetworkUnit unit{};
    return unit;
}

}  // namespace larkspan
