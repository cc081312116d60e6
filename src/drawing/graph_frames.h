// The fixed part of each response graph: grid, frame, title, axis labels,
// with the caption and the legend. The grids share the curves' mappings, so
// a curve value lands on its grid line.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "drawing/caption.h"
#include "drawing/draw_target.h"
#include "model/design.h"

namespace larkspan {

inline constexpr Colour kGridGrey{0.534F, 0.534F, 0.534F};
inline constexpr Colour kFrameGrey{0.229F, 0.229F, 0.229F};

// Vertical frequency grid from 20 Hz to 20 kHz and the frame of the
// frequency graphs. On screen every grid and frame line is the thinnest line
// and sits on a pixel centre (+0.5); printed, frames are 1 point and grid
// lines 0.5 point wide, without the half-point offsets.
void freqDrawLine(DrawTarget& target);
// Frequency labels under the graph.
void freqScale(DrawTarget& target);

// The frames. Each draws the caption (netSys) and the legend (Explanation)
// after its title.
void ampGraph(DrawTarget& target, const Design& d, CaptionState& caption);
// Titled by `s_Resp`: the input impedance, or the high or mid notch
// correction views over the same grid.
void impGraph(DrawTarget& target, const Design& d, CaptionState& caption);
void phGraph(DrawTarget& target, const Design& d, CaptionState& caption);
// Labelled for the full scale GDscl (ms) that the scale search chose.
void gdGraph(DrawTarget& target, const Design& d, CaptionState& caption, float GDscl);
void nqGraph(DrawTarget& target, const Design& d, CaptionState& caption);
void StepGraph(DrawTarget& target, const Design& d, CaptionState& caption);

// The eleven labels of the group-delay graph, top to bottom, for one of the
// nine scales (matched at a resolution of 0.001 ms); nothing for any other.
std::optional<std::array<const char*, 11>> gdLabels(float GDscl);

// The six time labels of the step graph for a band of its time axis (0 for
// F below 12.5 Hz up to 10 for 12.5 kHz and above).
const std::array<const char*, 6>& stepTimeLabels(int band);

// Width in points of a 13-point axis label of digits, signs and points:
// what places the labels whose x follows their width.
float axisLabelWidth(const std::string& label);

}  // namespace larkspan
