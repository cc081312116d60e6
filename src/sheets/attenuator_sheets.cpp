#include "sheets/attenuator_sheets.h"

#include "corrections/attenuators.h"
#include "corrections/impedance_correction.h"
#include "model/number_text.h"
#include "sheets/impedance_correction_sheet.h"

namespace larkspan {

namespace {

// A number that a float cannot hold reads 0, which every level refuses.
float fieldValue(const std::string& text)
{
    return textToSingle(text).value_or(0.0F);
}

}  // namespace

SplSheet::SplSheet(Design& d) : d_(d)
{
    field10 = correctionFieldText(d_.HigSPL);
    field11 = correctionFieldText(d_.MidSPL);
    field12 = correctionFieldText(d_.LowSPL);
}

SheetOutcome SplSheet::ok()
{
    const bool threeWay = d_.channel == 3;
    d_.HigSPL = fieldValue(field10);
    if (threeWay) d_.MidSPL = fieldValue(field11);
    d_.LowSPL = fieldValue(field12);
    if (!(d_.HigSPL > 0) || (threeWay && !(d_.MidSPL > 0)) || !(d_.LowSPL > 0)) {
        d_.HigSPL = d_.HigSPLbak;
        if (threeWay) d_.MidSPL = d_.MidSPLbak;
        d_.LowSPL = d_.LowSPLbak;
        return SheetOutcome::refusedWithBeep();
    }
    d_.DirtyFlag = 1;
    CalcDiffAtt(d_);
    CalcImpIncAtt(d_);
    return SheetOutcome::accepted();
}

SheetOutcome SplSheet::cancel()
{
    return SheetOutcome::cancelled();
}

std::optional<AttenuatedDriver> attenuatedDriverForKey(std::string_view s_Corr)
{
    if (s_Corr == "HighAtt") return AttenuatedDriver::High;
    if (s_Corr == "MidAtt") return AttenuatedDriver::Mid;
    return std::nullopt;
}

AttenuatorSheet::AttenuatorSheet(Design& d, AttenuatedDriver driver) : d_(d), driver_(driver)
{
    field10 = correctionFieldText(attenuation());
    field11 = correctionFieldText(power());
    displayResults();
}

std::string_view AttenuatorSheet::title() const
{
    return driver_ == AttenuatedDriver::High ? "High Range Attenuator Calculation" : "Mid Range Attenuator Calculation";
}

float& AttenuatorSheet::attenuation()
{
    return driver_ == AttenuatedDriver::High ? d_.AttH : d_.AttM;
}
float& AttenuatorSheet::power()
{
    return driver_ == AttenuatedDriver::High ? d_.PinH : d_.PinM;
}
float& AttenuatorSheet::powerBackup()
{
    return driver_ == AttenuatedDriver::High ? d_.PinHbak : d_.PinMbak;
}

void AttenuatorSheet::displayResults()
{
    const bool high = driver_ == AttenuatedDriver::High;
    result51_ = correctionFieldText(high ? d_.RSH : d_.RSM);
    result52_ = correctionFieldText(high ? d_.RPH : d_.RPM);
}

void AttenuatorSheet::backUp()
{
    d_.AttMbak = d_.AttM;
    d_.AttHbak = d_.AttH;
    d_.PinMbak = d_.PinM;
    d_.PinHbak = d_.PinH;
}

bool AttenuatorSheet::readEntry()
{
    // Any attenuation that a float holds is taken; one that it cannot hold is
    // refused like a power that is not above 0.
    const auto att = textToSingle(field10);
    if (att) attenuation() = *att;
    power() = fieldValue(field11);
    const bool powerValid = power() > 0;
    if (!powerValid) {
        power() = powerBackup();
        field11 = correctionFieldText(power());
    }
    if (!att) {
        attenuation() = driver_ == AttenuatedDriver::High ? d_.AttHbak : d_.AttMbak;
        field10 = correctionFieldText(attenuation());
    }
    return powerValid && att;
}

SheetOutcome AttenuatorSheet::ok()
{
    backUp();
    d_.attValueFlag = 0;
    if (!readEntry()) {
        displayResults();
        d_.attValueFlag = 1;
        return SheetOutcome::refusedWithBeep();
    }
    CalcImpIncAtt(d_);
    backUp();
    d_.DirtyFlag = 1;
    return SheetOutcome::accepted();
}

SheetOutcome AttenuatorSheet::calc()
{
    backUp();
    const bool valid = readEntry();
    CalcImpIncAtt(d_);
    displayResults();
    return {false, false, valid ? 0 : 1, std::nullopt, {}};
}

SheetOutcome AttenuatorSheet::cancel()
{
    d_.AttM = d_.AttMbak;
    d_.AttH = d_.AttHbak;
    d_.PinM = d_.PinMbak;
    d_.PinH = d_.PinHbak;
    CalcImpIncAtt(d_);
    return SheetOutcome::cancelled();
}

}  // namespace larkspan
