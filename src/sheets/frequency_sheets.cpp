#include "sheets/frequency_sheets.h"

#include <cmath>

#include "model/number_text.h"
#include "sheets/frequency_check.h"

namespace larkspan {

namespace {

// Reads a field as the runtime does; text that is not a number reads as 0,
// and so does a number that a float cannot hold, so that both are refused.
float fieldValue(const std::string& text)
{
    return textToSingle(text).value_or(0.0F);
}

bool positive(float v)
{
    return v > 0;
}

}  // namespace

std::string frequencyFieldText(float hz)
{
    return numberToText(std::rint(static_cast<double>(hz) * 100) / 100);
}

FrequencySheet2Way::FrequencySheet2Way(Design& d) : d_(d)
{
    display();
}

void FrequencySheet2Way::display()
{
    field10 = frequencyFieldText(d_.FX);
}

SheetOutcome FrequencySheet2Way::ok()
{
    d_.FX = fieldValue(field10);
    if (!positive(d_.FX)) {
        d_.FX = d_.FXbak;
        display();
        return SheetOutcome::refusedWithBeep();
    }
    d_.FXbak = d_.FX;
    d_.DirtyFlag = 1;
    return SheetOutcome::accepted();
}

SheetOutcome FrequencySheet2Way::cancel()
{
    d_.FX = d_.FXbak;
    return SheetOutcome::cancelled();
}

FrequencySheet3Way::FrequencySheet3Way(Design& d) : d_(d)
{
    display();
}

void FrequencySheet3Way::display()
{
    field10 = frequencyFieldText(d_.FXL);
    field11 = frequencyFieldText(d_.FXH);
}

SheetOutcome FrequencySheet3Way::ok()
{
    d_.FXL = fieldValue(field10);
    d_.FXH = fieldValue(field11);
    if (!positive(d_.FXL) || !positive(d_.FXH)) {
        d_.FXL = d_.FXLbak;
        d_.FXH = d_.FXHbak;
        display();
        return SheetOutcome::refusedWithBeep();
    }
    if (auto alert = FrequencyCheck(d_); d_.FreqCheckFlag == 1) {
        // The check's corrected FXH is dropped along with the entry.
        d_.FXL = d_.FXLbak;
        d_.FXH = d_.FXHbak;
        display();
        // An order outside 1 to 4 keeps an earlier flag and brings no alert.
        return alert ? SheetOutcome::refusedWithAlert(*alert) : SheetOutcome{};
    }
    d_.FXLbak = d_.FXL;
    d_.FXHbak = d_.FXH;
    d_.DirtyFlag = 1;
    return SheetOutcome::accepted();
}

SheetOutcome FrequencySheet3Way::cancel()
{
    d_.FXL = d_.FXLbak;
    d_.FXH = d_.FXHbak;
    return SheetOutcome::cancelled();
}

}  // namespace larkspan
