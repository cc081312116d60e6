#include "sheets/notch_sheet.h"

#include <cmath>

#include "corrections/notch.h"
#include "model/number_text.h"
#include "sheets/parameter_paste.h"

namespace larkspan {

namespace {

std::string roundedText(float v, double scale)
{
    return numberToText(std::rint(static_cast<double>(v) * scale) / scale);
}

// A field read as the runtime reads numbers: text that is not one reads 0.
// A number that a float cannot hold clears `fits`.
float readField(const std::string& field, std::string& keptText, bool& fits)
{
    keptText = field;
    const auto value = textToSingle(field);
    fits = fits && value.has_value();
    return value.value_or(0.0F);
}

}  // namespace

void openNotchSheet(Design& d, int notch)
{
    if (notch != 1 && notch != 2) return;
    d.notchSet.Notch = static_cast<std::int16_t>(notch);
    d.notchSet.NotchWndTitle = notch == 1 ? "High Notch Parameters Enter" : "Mid Notch Parameters Enter";
    MainProgramToNotchParam(d);
}

NotchSheet::NotchSheet(Design& d) : d_(d)
{
    display();
}

const std::string& NotchSheet::title() const
{
    return d_.notchSet.NotchWndTitle;
}

void NotchSheet::display()
{
    const NotchWorkingSet& w = d_.notchSet;
    field51 = w.s_SP;
    field52 = numberToText(std::rint(static_cast<double>(w.SPL)));
    field53 = roundedText(w.FS, 100);
    field54 = roundedText(w.VAS, 1000);
    field56 = roundedText(w.QES, 1000);
    field57 = roundedText(w.QMS, 1000);
    field58 = roundedText(w.REE, 1000);
    field59 = roundedText(w.LEE, 1000);
    field60 = roundedText(w.VB, 1000);
    applyRearType();
}

void NotchSheet::applyRearType()
{
    d_.notchSet.NotchAorG = d_.notchSet.NotchGrp == 1 ? 1 : 0;
}

std::int16_t NotchSheet::rearType() const
{
    return d_.notchSet.NotchGrp;
}

bool NotchSheet::rearControlsEnabled() const
{
    return d_.notchSet.NotchGrp == 1;
}

std::int16_t NotchSheet::qaItem() const
{
    return d_.notchSet.QAPopItem;
}

bool NotchSheet::removeImpIncChecked() const
{
    return d_.notchSet.RemvImpInc != 0;
}

void NotchSheet::chooseRearType(int value)
{
    if (value != 1 && value != 2) return;
    d_.notchSet.NotchGrp = static_cast<std::int16_t>(value);
    applyRearType();
}

void NotchSheet::chooseQaItem(int item)
{
    if (item < 1 || item > static_cast<int>(kQaPopValues.size())) return;
    d_.notchSet.QAPopItem = static_cast<std::int16_t>(item);
    d_.notchSet.QA = kQaPopValues[static_cast<std::size_t>(item - 1)];
}

void NotchSheet::setRemoveImpInc(bool checked)
{
    d_.notchSet.RemvImpInc = checked ? 1 : 0;
}

SheetOutcome NotchSheet::pasteParameters(std::optional<std::string_view> clipboard, int SoundCheck)
{
    SheetOutcome outcome = PasteParameters(d_.notchSet, clipboard, SoundCheck);
    if (!outcome.alert) display();
    return outcome;
}

SheetOutcome NotchSheet::ok()
{
    NotchWorkingSet& w = d_.notchSet;
    // The model name is a length-byte string.
    w.s_SP = field51.substr(0, 255);
    bool fits = true;
    w.SPL = readField(field52, w.s_SPL, fits);
    w.FS = readField(field53, w.s_FS, fits);
    w.VAS = readField(field54, w.s_VAS, fits);
    w.QES = readField(field56, w.s_QES, fits);
    w.QMS = readField(field57, w.s_QMS, fits);
    w.REE = readField(field58, w.s_REE, fits);
    w.LEE = readField(field59, w.s_LEE, fits);
    w.VB = readField(field60, w.s_VB, fits);

    // Written so that a NaN fails too; the box volume matters only with Vas.
    bool valid = fits && w.FS > 0 && w.QES > 0 && w.QMS > 0 && w.REE > 0;
    if (w.VAS > 0) valid = valid && w.VB > 0;
    if (!valid) return SheetOutcome::refusedWithBeep();

    if (w.Notch == 1) d_.HigCorrDisp = 1;
    if (w.Notch == 2) d_.MidCorrDisp = 1;
    d_.DirtyFlag = 1;
    ParamToMainProgram(d_);
    MainProgramToNotchParam(d_);
    NotchCal(d_);
    return SheetOutcome::accepted();
}

SheetOutcome NotchSheet::cancel()
{
    return SheetOutcome::cancelled();
}

SheetOutcome NotchSheet::abort()
{
    NotchWorkingSet& w = d_.notchSet;
    w.FS = w.VAS = w.QTS = w.QES = w.QMS = w.EFI = w.VB = w.FC = w.QTC = 0;
    w.QA = 10;
    w.NotchAorG = 1;
    w.NotchGrp = 1;
    w.QAPopItem = 3;
    w.RemvImpInc = 0;
    if (w.Notch == 1) {
        w.s_SP = "Default High";
        w.SPL = 100;
        w.REE = 6.0F;
        w.LEE = 0.125F;
        d_.RNTH = d_.LNTH = d_.CNTH = 0;
        d_.HigCorrDisp = 0;
    } else if (w.Notch == 2) {
        w.s_SP = "Default Mid";
        w.SPL = 96;
        w.REE = 6.0F;
        w.LEE = 0.25F;
        d_.RNTM = d_.LNTM = d_.CNTM = 0;
        d_.MidCorrDisp = 0;
    }
    ParamToMainProgram(d_);
    d_.DirtyFlag = 1;
    if (d_.s_Resp == "HigCorrImp" || d_.s_Resp == "MidCorrImp") {
        d_.s_Resp = "amp";
        d_.respID = 1;
    }
    return SheetOutcome::accepted();
}

}  // namespace larkspan
