#include "synthesis/fth2way.h"

namespace larkspan {

const NetworkUnit& fth2WayUnit()
{
    static const NetworkUnit unit{};
    return unit;
}

}  // namespace larkspan
