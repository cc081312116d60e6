// Outcomes that the core hands to the shell instead of showing them itself.
#pragma once

#include <ostream>
#include <string>

namespace larkspan {

// A caution alert: the title is the main text, the message its explanation.
// The shell beeps once and shows it with a single OK button.
struct Alert {
    std::string title;
    std::string message;
    bool operator==(const Alert&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Alert& a)
{
    return os << "Alert{\"" << a.title << "\", \"" << a.message << "\"}";
}

}  // namespace larkspan
