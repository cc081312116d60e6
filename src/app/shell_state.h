// The desktop program's own state besides the design: window and document
// flags, the pending close or quit, and the print and snapshot counters.
#pragma once

#include <cstdint>
#include <string>

#include "model/preferences.h"
#include "rules/document_rules.h"

namespace larkspan {

struct ShellState {
    DocumentState doc;                 // file, and the close or quit waiting for a save
    std::uint8_t WndOpenFlag = 0;      // a response window has been opened in this run
    std::uint8_t RespWndOpenFlag = 0;  // the response window shows a design now
    std::uint8_t FastOpenFlag = 1;     // the first plot after start-up has not happened
    std::uint8_t CheckForUpFlag = 0;   // the launch update check has run
    std::uint8_t BoundBiasFlag = 0;
    std::int32_t BoundBias = 0;
    double GPrintScale = 100.0;     // the user's print scale, percent; New and Open set it back
    std::uint8_t PMOrientFlag = 0;  // the page's orientation has been chosen for this view
    std::int16_t SnapNum = 0;       // snapshots saved in this run
    std::string s_Corr;
    std::int16_t Notch = 1;
    Preferences prefs;
};

}  // namespace larkspan
