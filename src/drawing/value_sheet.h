// The component value sheet of the schematic view: the name and value of
// every component, the crossover frequencies, the drivers' polarity, the
// L-pad, correction and notch values and the drivers' data, each a static
// text beside its symbol.
#pragma once

#include <string>
#include <vector>

#include "drawing/draw_target.h"
#include "drawing/static_text.h"
#include "model/design.h"

namespace larkspan {

// A value as the sheet shows it: times 1000 in single precision, rounded to
// the nearest integer (ties to even), divided by 1000, with at most ten
// significant digits and a leading blank when not negative.
std::string valueText(float value);

// Every field of the sheet in window coordinates, numbered from 102; the
// printed form when `printing` (plain frequency lines, no help texts).
std::vector<StaticText> valueSheetFields(const Design& d, bool printing);

// On screen: the sheet's title drawn as text and the fields handed to the
// window as controls.
void valueDisp(DrawTarget& target, const Design& d);
// Printed: the title and every field drawn as text.
void valuePrint(DrawTarget& target, const Design& d);

}  // namespace larkspan
