// The two crossover-frequency sheets as models: the texts of their fields and
// what OK and Cancel do to the design.
#pragma once

#include <string>

#include "model/design.h"
#include "model/sheet_outcome.h"

namespace larkspan {

// A frequency as its field shows it: rint(x·100)/100 through numberToText.
std::string frequencyFieldText(float hz);

// The 2-way sheet: field 10 holds FX.
class FrequencySheet2Way {
public:
    explicit FrequencySheet2Way(Design& d);

    std::string field10;

    // TwoWayOkReturn: FX > 0 is accepted (FXbak follows, design marked dirty);
    // anything else puts FXbak back into FX and the field, with one beep.
    SheetOutcome ok();
    // FX back from its last accepted value.
    SheetOutcome cancel();

private:
    void display();
    Design& d_;
};

// The 3-way sheet: field 10 holds FXL, field 11 FXH.
class FrequencySheet3Way {
public:
    explicit FrequencySheet3Way(Design& d);

    std::string field10;
    std::string field11;

    // ThreeWayOkReturn: both positive and within the spacing limits is
    // accepted; a non-positive entry beeps; a spacing outside the limits shows
    // the check's alert. A refusal puts both back from their backups.
    SheetOutcome ok();
    SheetOutcome cancel();

private:
    void display();
    Design& d_;
};

}  // namespace larkspan
