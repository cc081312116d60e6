// The settings kept between runs, with their start-up defaults, and the text
// form in which a window rectangle is stored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace larkspan {

// A rectangle of four 16-bit values: top, left, bottom, right.
struct Bounds16 {
    std::int16_t top = 0;
    std::int16_t left = 0;
    std::int16_t bottom = 0;
    std::int16_t right = 0;
    bool operator==(const Bounds16&) const = default;
};

struct Preferences {
    bool FastOpenFlag = true;
    Bounds16 Bounds{0, 0, 390, 540};
    Bounds16 PrefeBounds{0, 0, 225, 330};
    std::int32_t BoundsCheck = 1;
    std::int32_t SoundCheck = 1;
    std::int32_t PrintDateCheck = 1;
    std::int32_t UpdateForCheck = 1;
    bool operator==(const Preferences&) const = default;
};

// " 0, 0, 390, 540": each value as the runtime writes a number, joined by
// commas.
std::string boundsToText(const Bounds16& b);

// The numeric value of the text from its start and after each of the first
// three commas; what does not parse reads as 0, and values outside the 16-bit
// range are clamped to it.
Bounds16 boundsFromText(std::string_view text);

}  // namespace larkspan
