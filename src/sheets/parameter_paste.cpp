#include "sheets/parameter_paste.h"

#include <array>
#include <string>

#include "model/number_text.h"
#include "model/text_encoding.h"

namespace larkspan {

namespace {

constexpr std::string_view kSeparator = "  ";

// Reads the fields of a text in turn. A field ends at the next pair of
// blanks; without one there is no field left and the rest reads as empty.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    // The next field, its Mac Roman bytes decoded.
    std::string next()
    {
        const std::size_t end = text_.find(kSeparator, pos_);
        if (end == std::string_view::npos) {
            pos_ = text_.size();
            return {};
        }
        std::string field = macRomanToUtf8(text_.substr(pos_, end - pos_));
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

bool PicUpTextToParam(NotchWorkingSet& w)
{
    FieldReader reader(w.ClipText);
    w.s_DUMMY = reader.next();
    if (w.s_DUMMY != kPasteMarker) return false;
    // Read into a copy so that a value a float cannot hold changes nothing.
    NotchWorkingSet read = w;
    read.s_SP = reader.next();
    for (const auto& f : kNumberFields) {
        read.*f.text = reader.next();
        const auto value = textToSingle(read.*f.text);
        if (!value) return false;
        read.*f.value = *value;
    }
    read.NotchGrp = read.VAS != 0 ? 1 : 2;
    read.QAPopItem = qaPopItemFor(read.QA, read.QAPopItem);
    w = std::move(read);
    return true;
}

SheetOutcome PasteParameters(NotchWorkingSet& w, std::optional<std::string_view> clipboard, int SoundCheck)
{
    Paste(w, clipboard);
    if (!PicUpTextToParam(w)) return SheetOutcome::refusedWithAlert(Alert{std::string(kPasteMismatchAlert), {}});
    SheetOutcome outcome;
    if (SoundCheck == 1) outcome.sound = kPasteSound;
    return outcome;
}

}  // namespace larkspan
