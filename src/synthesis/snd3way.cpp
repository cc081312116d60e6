#include "synthesis/snd3way.h"

namespace larkspan {

const NetworkUnit& snd3WayUnit()
{
    static const NetworkUnit unit{};
    return unit;
}

}  // namespace larkspan
