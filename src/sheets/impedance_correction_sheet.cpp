#include "sheets/impedance_correction_sheet.h"

#include <cmath>

#include "corrections/impedance_correction.h"
#include "model/number_text.h"

namespace larkspan {

std::optional<CorrectedDriver> correctedDriverForKey(std::string_view s_Corr)
{
    if (s_Corr == "LowInc") return CorrectedDriver::Low;
    if (s_Corr == "MidInc") return CorrectedDriver::Mid;
    if (s_Corr == "HighInc") return CorrectedDriver::High;
    return std::nullopt;
}

std::string correctionFieldText(float value)
{
    return numberToText(std::rint(static_cast<double>(value) * 1000) / 1000);
}

ImpedanceCorrectionSheet::ImpedanceCorrectionSheet(Design& d, CorrectedDriver driver) : d_(d), driver_(driver)
{
    displayFields();
    field12 = modelName();
    displayResults();
    // Set while the sheet is open; OK and Cancel clear it.
    d_.FreqCheckFlag = 1;
}

std::string_view ImpedanceCorrectionSheet::title() const
{
    switch (driver_) {
        case CorrectedDriver::Low:
            return "Low Range Imp. Increase Correction";
        case CorrectedDriver::Mid:
            return "Mid Range Imp. Increase Correction";
        case CorrectedDriver::High:
            return "High Range Imp. Increase Correction";
    }
    return {};
}

float& ImpedanceCorrectionSheet::resistance()
{
    switch (driver_) {
        case CorrectedDriver::Low:
            return d_.RE;
        case CorrectedDriver::Mid:
            return d_.RM;
        case CorrectedDriver::High:
            break;
    }
    return d_.RH;
}

float& ImpedanceCorrectionSheet::inductance()
{
    switch (driver_) {
        case CorrectedDriver::Low:
            return d_.LE;
        case CorrectedDriver::Mid:
            return d_.LM;
        case CorrectedDriver::High:
            break;
    }
    return d_.LH;
}

std::string& ImpedanceCorrectionSheet::modelName()
{
    switch (driver_) {
        case CorrectedDriver::Low:
            return d_.s_SPE;
        case CorrectedDriver::Mid:
            return d_.s_SPM;
        case CorrectedDriver::High:
            break;
    }
    return d_.s_SPH;
}

void ImpedanceCorrectionSheet::displayFields()
{
    field10 = correctionFieldText(resistance());
    field11 = correctionFieldText(inductance());
}

void ImpedanceCorrectionSheet::displayResults()
{
    switch (driver_) {
        case CorrectedDriver::Low:
            result51_ = correctionFieldText(d_.REQL);
            result52_ = correctionFieldText(d_.CEQL);
            break;
        case CorrectedDriver::Mid:
            result51_ = correctionFieldText(d_.REQM);
            result52_ = correctionFieldText(d_.CEQM);
            break;
        case CorrectedDriver::High:
            result51_ = correctionFieldText(d_.REQH);
            result52_ = correctionFieldText(d_.CEQH);
            break;
    }
}

void ImpedanceCorrectionSheet::backUpDrivers()
{
    d_.REbak = d_.RE;
    d_.LEbak = d_.LE;
    d_.RMbak = d_.RM;
    d_.LMbak = d_.LM;
    d_.RHbak = d_.RH;
    d_.LHbak = d_.LH;
}

void ImpedanceCorrectionSheet::restoreDrivers()
{
    d_.RE = d_.REbak;
    d_.LE = d_.LEbak;
    d_.RM = d_.RMbak;
    d_.LM = d_.LMbak;
    d_.RH = d_.RHbak;
    d_.LH = d_.LHbak;
}

bool ImpedanceCorrectionSheet::readDriver()
{
    // A number that a float cannot hold reads 0 and is refused.
    resistance() = textToSingle(field10).value_or(0.0F);
    inductance() = textToSingle(field11).value_or(0.0F);
    if (resistance() > 0 && inductance() > 0) return true;
    // Only the edited driver changed, so restoring all six brings back its
    // previous pair.
    restoreDrivers();
    displayFields();
    return false;
}

SheetOutcome ImpedanceCorrectionSheet::calc()
{
    backUpDrivers();
    const bool valid = readDriver();
    CalcImpIncAtt(d_);
    displayResults();
    return {false, false, valid ? 0 : 1, std::nullopt, {}};
}

SheetOutcome ImpedanceCorrectionSheet::ok()
{
    backUpDrivers();
    d_.corrImpFlg = 0;
    const std::string name = field12;
    const bool valid = readDriver();
    modelName() = name;
    if (!valid) {
        displayResults();
        d_.corrImpFlg = 1;
        return SheetOutcome::refusedWithBeep();
    }
    CalcImpIncAtt(d_);
    backUpDrivers();
    d_.FreqCheckFlag = 0;
    d_.DirtyFlag = 1;
    return SheetOutcome::accepted();
}

SheetOutcome ImpedanceCorrectionSheet::cancel()
{
    restoreDrivers();
    CalcImpIncAtt(d_);
    d_.FreqCheckFlag = 0;
    return SheetOutcome::cancelled();
}

}  // namespace larkspan
