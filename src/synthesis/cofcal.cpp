#include "synthesis/cofcal.h"

#include "synthesis/fst2way.h"
#include "synthesis/fst3way.h"
#include "synthesis/fth2way.h"
#include "synthesis/fth3way.h"
#include "synthesis/snd2way.h"
#include "synthesis/snd3way.h"
#include "synthesis/trd2way.h"
#include "synthesis/trd3way.h"

namespace larkspan {

const NetworkUnit* unitFor(int channel, int order)
{
    if (channel == 2) {
        switch (order) {
            case 1:
                return &fst2WayUnit();
            case 2:
                return &snd2WayUnit();
            case 3:
                return &trd2WayUnit();
            case 4:
                return &fth2WayUnit();
            default:
                return nullptr;
        }
    }
    if (channel == 3) {
        switch (order) {
            case 1:
                return &fst3WayUnit();
            case 2:
                return &snd3WayUnit();
            case 3:
                return &trd3WayUnit();
            case 4:
                return &fth3WayUnit();
            default:
                return nullptr;
        }
    }
    return nullptr;
}

void cofCal(Design& d)
{
    if (const NetworkUnit* unit = unitFor(d.channel, d.order); unit && unit->cofCal) unit->cofCal(d);
}

int branchCount(int channel)
{
    return channel == 2 ? 3 : channel == 3 ? 4 : 0;
}

Evaluator evaluatorFor(const Design& d, EvalKind kind, int ii)
{
    const NetworkUnit* unit = unitFor(d.channel, d.order);
    if (!unit || ii < 1 || ii > branchCount(d.channel)) return nullptr;
    return unit->of(kind)[static_cast<std::size_t>(ii - 1)];
}

const char* evaluatorLabel(const Design& d, EvalKind kind, int ii)
{
    if (!evaluatorFor(d, kind, ii)) return "";
    return unitFor(d.channel, d.order)->labels[static_cast<std::size_t>(kind)][static_cast<std::size_t>(ii - 1)];
}

}  // namespace larkspan
