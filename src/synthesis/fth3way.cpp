#include "synthesis/fth3way.h"

namespace larkspan {

const NetworkUnit& fth3WayUnit()
{
    static const NetworkUnit unit{};
    return unit;
}

}  // namespace larkspan
