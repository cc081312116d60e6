// Driver and box parameters pasted as one line of text into the notch sheet.
//
// The text holds fifteen fields, each followed by two blanks: the marker
// "DUMMY%", the model name, then SPL, Fs, Vas, Qts, Qes, Qms, the efficiency
// value, Re, Le, Vb, Fc, Qtc and Qa as numbers.
#pragma once

#include <optional>
#include <string_view>

#include "model/notch_working_set.h"
#include "model/sheet_outcome.h"

namespace larkspan {

inline constexpr std::string_view kPasteMarker = "DUMMY%";
inline constexpr std::string_view kPasteMismatchAlert = "ALERT!   Paste Data is Mismatched.";
inline constexpr std::string_view kPasteSound = "Click.aif";

// Takes the clipboard's plain text into ClipText when there is one and it is
// shorter than 256 bytes; otherwise ClipText keeps what it held.
void Paste(NotchWorkingSet& w, std::optional<std::string_view> clipboard);

// Reads ClipText into the working set; its bytes are Mac Roman text. A first
// field other than the marker stops the reader with only s_DUMMY changed, and
// so does a number that a float cannot hold (it overflows, or is not 0 but
// would be stored as a subnormal or 0). A field that lacks its two trailing
// blanks is empty and reads as 0. True when the parameters were taken.
bool PicUpTextToParam(NotchWorkingSet& w);

// The sheet's "Paste Parameters" button: takes and reads the text. A text
// with the marker asks for the "Click.aif" sound when `SoundCheck` is 1 (the
// sheet then shows the new values); any other text, and one with a number
// that a float cannot hold, brings the mismatch alert with a beep.
SheetOutcome PasteParameters(NotchWorkingSet& w, std::optional<std::string_view> clipboard, int SoundCheck);

}  // namespace larkspan
