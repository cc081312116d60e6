// What pressing a sheet's button leads to, for the shell to carry out.
#pragma once

#include <optional>
#include <string>

#include "model/alert.h"

namespace larkspan {

struct SheetOutcome {
    bool closed = false;         // the sheet closes
    bool redraw = false;         // the response window is drawn again
    int beeps = 0;               // system beeps before anything else is shown
    std::optional<Alert> alert;  // caution alert shown over the sheet
    std::string sound;           // a sound resource to play ("" for none)

    static SheetOutcome accepted() { return {true, true, 0, std::nullopt, {}}; }
    static SheetOutcome cancelled() { return {true, false, 0, std::nullopt, {}}; }
    static SheetOutcome refusedWithBeep() { return {false, false, 1, std::nullopt, {}}; }
    static SheetOutcome refusedWithAlert(Alert a) { return {false, false, 1, std::move(a), {}}; }

    bool operator==(const SheetOutcome&) const = default;
};

}  // namespace larkspan
