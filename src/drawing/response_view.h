// The whole content of the response window for the current view key
// `s_Resp`: the graph frame and its curves, or the schematic view.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drawing/caption.h"
#include "drawing/draw_target.h"
#include "model/design.h"
#include "network/standard_values.h"
#include "response/curve.h"
#include "response/group_delay.h"

namespace larkspan {

// What the drawing keeps from one view to the next.
struct ViewState {
    CaptionState caption;
    // The group-delay scale search, which carries state across redraws.
    GroupDelayState gd;
    // The step-response or group-delay curves of the last redraw, whose room
    // the next one refills: the step's longest time window has about
    // 170 000 points, the group delay some 15 000. Copies of a state share
    // this room (it is scratch, not state), so a redraw that starts from a
    // copy reuses it too instead of copying it.
    std::shared_ptr<std::vector<Curve>> curves = std::make_shared<std::vector<Curve>>();
    // The standard values to overlay the amplitude, impedance and phase views
    // with, as built; nothing for the closed-form curves alone.
    std::optional<SeriesChoice> asBuilt;
};

// The content size of the window for a view, in points: 540 × 390 for a
// graph, 810 × 565 for the schematic view.
struct ViewSize {
    float width = 540;
    float height = 390;
    bool operator==(const ViewSize&) const = default;
};
ViewSize viewSize(const std::string& s_Resp);

// Whether drawView draws anything for this key.
bool isDrawnView(const std::string& s_Resp);

// Brings the design's derived values up to date for a view, as every redraw
// does first: the network (cofCal) for a graph or the schematic, with the
// corrections for the schematic's value sheet; the notch for a corrected-
// impedance view. Whatever draws or sweeps the view then only reads them.
void updateDesignForView(Design& d, const std::string& view);

// Updates the design for the view of `s_Resp` and draws it (frame, caption,
// legend, curves) without erasing first; a key that names no view draws
// nothing. A printed page when the target's DoPrint is set.
void drawView(DrawTarget& target, Design& d, ViewState& state);

// The response window's redraw: removes the previous view's controls,
// erases the 810 × 565 content to white and draws the current view.
void ResponsePlot(DrawTarget& target, Design& d, ViewState& state);

}  // namespace larkspan
