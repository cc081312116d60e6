// The group-delay graph: the scale search that picks the graph's full scale
// from the largest branch delay, and the curves themselves.
//
// Group delay is the difference of the unwrapped phase between successive
// points of a descending sweep, so the sweeps here and the order files'
// group-delay evaluators form one algorithm and run in a fixed order.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/design.h"
#include "response/curve.h"
#include "synthesis/eval_state.h"

namespace larkspan {

// What the scale search keeps between branches and between redraws. `G1` and
// `G2` carry over from one branch to the next; `G1` and `gdOptFlg` also from
// one redraw to the next, and `gdOptFlg` is set at most once for the life of
// the program. `GDscl` is what the graph's frame and curves use.
struct GroupDelayState {
    float G1 = 0;
    float G2 = 0;
    std::int16_t gdOptFlg = 0;
    // Peak found per branch `ii` (GG1..GG4 at index ii − 1).
    std::array<float, 4> GG{};
    float GDscl = 0;
};

// The full scales the graph offers, smallest first.
inline constexpr std::array<float, 9> kGroupDelayScales{0.05F, 0.1F, 0.25F, 0.5F, 1.0F, 2.5F, 5.0F, 10.0F, 25.0F};

// The first scale whose bound exceeds a peak in ms; 25 for anything larger
// and for a peak that is not a number.
float groupDelayScaleFor(float peak);

// Runs the group-delay evaluator of branch `ii` on `e`; does nothing for a
// channel, order or branch without one.
void gdCal(const Design& d, EvalState& e, int ii);

// The scale search: one coarse sweep per branch, then the scale choice. It
// and the curves below read a design whose network is current (cofCal).
void gdOpt(const Design& d, GroupDelayState& s);
void gdOpt2(const Design& d, GroupDelayState& s, int ii);
void gdOptCal(GroupDelayState& s);

// The drawn curves with the current `GDscl`. A point's value is the group
// delay in ms that the curve shows (ten times the accumulator, since this
// sweep steps a tenth of the scale search's step).
Curve gdPlot2(const Design& d, const GroupDelayState& s, int ii);
std::vector<Curve> gdPlot(const Design& d, const GroupDelayState& s);
// The same into `curves`, reusing the room their points already have.
void gdPlotInto(const Design& d, const GroupDelayState& s, std::vector<Curve>& curves);

}  // namespace larkspan
