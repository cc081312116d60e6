// The impedance-increase correction sheet as a model: the texts of its fields
// and what OK, Calc. and Cancel do to the design.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/design.h"
#include "model/sheet_outcome.h"

namespace larkspan {

// The driver the sheet edits, chosen by the menu.
enum class CorrectedDriver { Low, Mid, High };

// The driver for a menu key "LowInc", "MidInc" or "HighInc"; nothing for any
// other key.
std::optional<CorrectedDriver> correctedDriverForKey(std::string_view s_Corr);

// A value as the sheet shows it: rint(x·1000)/1000 through numberToText.
std::string correctionFieldText(float value);

class ImpedanceCorrectionSheet {
public:
    // Opening the sheet: fills the fields from the design and sets
    // FreqCheckFlag while it is open.
    ImpedanceCorrectionSheet(Design& d, CorrectedDriver driver);

    std::string field10;  // D.C. resistance, ohm
    std::string field11;  // inductance, mH
    std::string field12;  // model name

    // Read-only results: correction resistor (ohm) and capacitor (µF).
    const std::string& result51() const { return result51_; }
    const std::string& result52() const { return result52_; }

    // "Low Range Imp. Increase Correction" and its mid and high forms.
    std::string_view title() const;

    // CorrectImpOkReturn: a resistance and inductance both above 0 are
    // accepted, the corrections recomputed and the design marked changed.
    // Otherwise the driver's previous pair comes back with one beep and
    // corrImpFlg = 1; the model name read is kept either way.
    SheetOutcome ok();
    // Applies the resistance and inductance without closing; the backups take
    // the values in force before the fields are read, so a later Cancel
    // returns to them.
    SheetOutcome calc();
    // All six driver values back from their backups.
    SheetOutcome cancel();

private:
    // Reads fields 10 and 11 into the driver; false when either is not above 0.
    bool readDriver();
    void backUpDrivers();
    void restoreDrivers();
    void displayFields();
    // CorrectImpDisp: the driver's correction values into the results.
    void displayResults();

    float& resistance();
    float& inductance();
    std::string& modelName();

    Design& d_;
    CorrectedDriver driver_;
    std::string result51_;
    std::string result52_;
};

}  // namespace larkspan
