// The SPL entry sheet and the attenuator sheet as models: the texts of their
// fields and what their buttons do to the design.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/design.h"
#include "model/sheet_outcome.h"

namespace larkspan {

// The driver sensitivities, dB at 1 W / 1 m. Field 10 holds HigSPL, field 11
// MidSPL (shown and read in a 3-way design only), field 12 LowSPL.
class SplSheet {
public:
    explicit SplSheet(Design& d);

    std::string field10;
    std::string field11;
    std::string field12;

    // SPLEnterOkReturn: every value read above 0 is accepted and the
    // attenuation targets, L-pads and corrections are recomputed; otherwise
    // the values read go back to their backups with one beep, and the fields
    // keep the typed text.
    SheetOutcome ok();
    // Nothing was changed, so nothing is restored.
    SheetOutcome cancel();

private:
    Design& d_;
};

// The L-pad the attenuator sheet edits, chosen by the menu.
enum class AttenuatedDriver { High, Mid };

// The L-pad for a menu key "HighAtt" or "MidAtt"; nothing for any other key.
std::optional<AttenuatedDriver> attenuatedDriverForKey(std::string_view s_Corr);

class AttenuatorSheet {
public:
    AttenuatorSheet(Design& d, AttenuatedDriver driver);

    std::string field10;  // attenuation, dB (shown as stored: 0 or below)
    std::string field11;  // input power, W

    // Read-only results: series and parallel resistor, ohm.
    const std::string& result51() const { return result51_; }
    const std::string& result52() const { return result52_; }

    // "High Range Attenuator Calculation" or its mid form.
    std::string_view title() const;

    // AttValueInputOkReturn: the attenuation is taken as entered, whatever its
    // sign; a power not above 0 goes back to its backup with one beep and
    // attValueFlag = 1, and the sheet stays open.
    SheetOutcome ok();
    // Applies the entry without closing; the backups take the values in force
    // before the fields are read.
    SheetOutcome calc();
    // AttM, AttH, PinM and PinH back from their backups.
    SheetOutcome cancel();

private:
    // Reads both fields; false when the power is refused and restored.
    bool readEntry();
    void backUp();
    // AttValueInputWndDisp: the L-pad's resistors into the results.
    void displayResults();

    float& attenuation();
    float& power();
    float& powerBackup();

    Design& d_;
    AttenuatedDriver driver_;
    std::string result51_;
    std::string result52_;
};

}  // namespace larkspan
