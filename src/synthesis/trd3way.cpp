#include "synthesis/trd3way.h"

namespace larkspan {

const NetworkUnit& trd3WayUnit()
{
    static const NetworkUnit unit{};
    return unit;
}

}  // namespace larkspan
