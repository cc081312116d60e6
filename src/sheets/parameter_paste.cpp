#include "sheets/parameter_paste.h"

#include <array>
#include <string>

#include "model/number_text.h"

namespace larkspan {

namespace {

constexpr std::string_view kSeparator = "  ";

// Reads the fields of a text in turn. A field ends at the next pair of
// blanks; without one there is no field left and the rest reads as empty.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    std::string next()
    {
        const std::size_t end = text_.find(kSeparator, pos_);
        if (end == std::string_view::npos) {
            pos_ = text_.size();
            return {};
        }
        std::string field(text_.substr(pos_, end - pos_));
        pos_ = end + kSeparator.size();
        return field;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

struct NumberField {
    std::string NotchWorkingSet::*text;
    float NotchWorkingSet::*value;
};

// Fields 3 to 15 in text order.
constexpr std::array<NumberField, 13> kNumberFields{{
    {&NotchWorkingSet::s_SPL, &NotchWorkingSet::SPL},
    {&NotchWorkingSet::s_FS, &NotchWorkingSet::FS},
    {&NotchWorkingSet::s_VAS, &NotchWorkingSet::VAS},
    {&NotchWorkingSet::s_QTS, &NotchWorkingSet::QTS},
    {&NotchWorkingSet::s_QES, &NotchWorkingSet::QES},
    {&NotchWorkingSet::s_QMS, &NotchWorkingSet::QMS},
    {&NotchWorkingSet::s_EFI, &NotchWorkingSet::EFI},
    {&NotchWorkingSet::s_REE, &NotchWorkingSet::REE},
    {&NotchWorkingSet::s_LEE, &NotchWorkingSet::LEE},
    {&NotchWorkingSet::s_VB, &NotchWorkingSet::VB},
    {&NotchWorkingSet::s_FC, &NotchWorkingSet::FC},
    {&NotchWorkingSet::s_QTC, &NotchWorkingSet::QTC},
    {&NotchWorkingSet::s_QA, &NotchWorkingSet::QA},
}};

}  // namespace

void Paste(NotchWorkingSet& w, std::optional<std::string_view> clipboard)
{
    // ClipText is a length-byte string: a longer text cannot be held at all.
    if (clipboard && clipboard->size() < 256) w.ClipText.assign(*clipboard);
}

void PicUpTextToParam(NotchWorkingSet& w)
{
    FieldReader reader(w.ClipText);
    w.s_DUMMY = reader.next();
    if (w.s_DUMMY != kPasteMarker) return;
    w.s_SP = reader.next();
    for (const auto& f : kNumberFields) {
        w.*f.text = reader.next();
        w.*f.value = static_cast<float>(textToNumber(w.*f.text));
    }
    w.NotchGrp = w.VAS != 0 ? 1 : 2;
    w.QAPopItem = qaPopItemFor(w.QA, w.QAPopItem);
}

SheetOutcome PasteParameters(NotchWorkingSet& w, std::optional<std::string_view> clipboard, int SoundCheck)
{
    Paste(w, clipboard);
    PicUpTextToParam(w);
    if (w.s_DUMMY != kPasteMarker) return SheetOutcome::refusedWithAlert(Alert{std::string(kPasteMismatchAlert), {}});
    SheetOutcome outcome;
    if (SoundCheck == 1) outcome.sound = kPasteSound;
    return outcome;
}

}  // namespace larkspan
