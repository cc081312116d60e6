// The character set of the texts that documents and driver-parameter pastes
// carry, and the forms a text takes where it is shown.
//
// Documents and pastes hold texts as bytes in the Mac Roman character set,
// one byte per character. In memory every text is UTF-8: bytes are decoded
// on the way in and encoded again on the way out, so that any byte a
// document holds survives reading and writing unchanged.
#pragma once

#include <string>
#include <string_view>

namespace larkspan {

// Each byte as its Mac Roman character, in UTF-8. Control bytes stay the
// control characters they are.
std::string macRomanToUtf8(std::string_view bytes);

// The Mac Roman bytes of a UTF-8 text. A character that Mac Roman does not
// have, and a byte that is not part of well-formed UTF-8, becomes '?'.
std::string utf8ToMacRoman(std::string_view utf8);

// The text as it may be drawn or written into a text format: control
// characters (C0, DEL, C1) shown as their visible pictures or U+FFFD, and a
// byte that is not well-formed UTF-8 as U+FFFD.
std::string printableText(std::string_view utf8);

// The text with every byte that is not part of well-formed UTF-8 replaced
// by U+FFFD; everything else as it is.
std::string wellFormedUtf8(std::string_view text);

// A user's value as an error message may echo it: control and terminal
// escape bytes, and bytes that are not well-formed UTF-8, written as \xNN.
// Line breaks stay, as messages span lines.
std::string escapedForTerminal(std::string_view text);

}  // namespace larkspan
