// Texts of the response window: the view title used for print jobs and
// snapshots, and the date-and-time footer of a printed page.
#pragma once

#include <string>

#include "drawing/canvas.h"
#include "model/design.h"

namespace larkspan {

// "Amplitude", "Impedance", ... for the current `s_Resp`; empty for a key
// that names no view.
std::string SetResponseTitle(const std::string& s_Resp);

// A calendar date and a time of day.
struct DateTime {
    int year = 2000;  // four digits
    int month = 1;    // 1..12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "Larkspan  Dec/04/2026 21:38:40": the footer text.
std::string dateTimeText(const DateTime& when);

// Draws the footer in black, 13 points, at (30, 555) under the schematic view
// and at (25, 775) under a graph.
void DrawDateTime(Canvas& canvas, const Design& d, const DateTime& when);

}  // namespace larkspan
