// The notch parameter sheet as a model: its fields as text, the rear-type
// radio group, the Qa popup, the check box and what its buttons do.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/design.h"
#include "model/sheet_outcome.h"

namespace larkspan {

// What the notch menu items do before the sheet opens: select the driver
// (1 high, 2 mid), set the sheet title and load the working set.
void openNotchSheet(Design& d, int notch);

class NotchSheet {
public:
    // Shows the working set (NotchParaINWnd, NotchParaINDisp).
    explicit NotchSheet(Design& d);

    const std::string& title() const;

    // Edit fields: model name, SPL, Fs, Vas, Qes, Qms, Re, Le, box volume.
    std::string field51, field52, field53, field54, field56, field57, field58, field59, field60;

    // Radio group 13: 1 "Opened", 2 "Closed".
    std::int16_t rearType() const;
    // Vas (controls 36, 37, 54) and the box group 14 are enabled only for
    // the rear type "Opened"; a disabled field is still read by OK.
    bool rearControlsEnabled() const;
    // Popup 71, items 1 to 5.
    std::int16_t qaItem() const;
    // Check box 101.
    bool removeImpIncChecked() const;

    void chooseRearType(int value);
    void chooseQaItem(int item);
    void setRemoveImpInc(bool checked);

    // Button 4: the clipboard's plain text (none when it holds no text) is
    // taken and read; a parameter text refreshes the fields.
    SheetOutcome pasteParameters(std::optional<std::string_view> clipboard, int SoundCheck);

    // Button 1 (NotchParaINOKReturn): reads the fields and checks that Fs,
    // Qes, Qms, Re and, when Vas > 0, the box volume are positive; a refusal
    // beeps and keeps the sheet open. Accepting stores the working set in the
    // driver's set, marks the notch in force and computes it.
    SheetOutcome ok();
    // Button 2: closes the sheet; the driver's set is unchanged.
    SheetOutcome cancel();
    // Button 3 (NotchAbort): puts the driver's notch data back to defaults
    // and leaves a corrected-impedance view for the amplitude view.
    SheetOutcome abort();

private:
    void display();
    void applyRearType();
    Design& d_;
};

}  // namespace larkspan
