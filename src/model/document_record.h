// The design document record: the saved part of the design parameter set as
// one fixed 450-byte big-endian record, without signature or version. A design
// document and a stationery document hold the same record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "model/design.h"

namespace larkspan {

inline constexpr std::size_t kRecordSize = 450;
// A text field: the characters, the two-blank end marker, blanks up to 63.
inline constexpr std::size_t kTextFieldSize = 63;
// The longest text that still leaves room for its end marker.
inline constexpr std::size_t kMaxTextLength = kTextFieldSize - 2;

using Record = std::array<std::uint8_t, kRecordSize>;

// The record of a design, field by field. Texts are stored as Mac Roman
// bytes (a character that Mac Roman lacks as '?'); one longer than
// kMaxTextLength characters is shortened first, so the marker always fits.
Record encodeRecord(const Design& d);

// Reads the record fields from `bytes` into the design. Bytes past the record
// are ignored. A field that `bytes` does not hold entirely keeps the new-design
// default; of the doubled HigSPL and MidSPL the later copy wins when present.
// Nothing of the content is checked. The text fields are decoded from Mac
// Roman and end cut at their marker.
void decodeRecord(std::span<const std::uint8_t> bytes, Design& d);

// Cuts s_Type, s_SPE, s_SPM and s_SPH at the first two adjacent blanks; a
// string without two adjacent blanks becomes empty.
void ExtractionText(Design& d);

// What writing leaves in the text fields in memory: each is shortened as
// encodeRecord shortens it, given its marker and cut back at the first two
// adjacent blanks, so that it holds what reading the written file gives.
void leaveTextFieldsAsWritten(Design& d);

// The name of the first number field of the record that holds NaN or an
// infinity, or nothing when every one is finite.
std::optional<std::string> firstNonFiniteField(const Design& d);

}  // namespace larkspan
