#include "synthesis/snd2way.h"

namespace larkspan {

const NetworkUnit& snd2WayUnit()
{
    static const NetworkUnit unit{};
    return unit;
}

}  // namespace larkspan
