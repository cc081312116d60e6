// Designs for tests: a default design changed in a lambda, or one built in a
// single expression, e.g. design().ways(3).order(4).align("Linkwi").computed().
#pragma once

#include <concepts>
#include <cstdint>
#include <string>

#include "model/design.h"
#include "synthesis/cofcal.h"

namespace larkspan {

// A default design changed by `change`, with its network computed (cofCal),
// as a redraw leaves it for the sweeps and drawings to read.
template <std::invocable<Design&> Change = void (*)(Design&)>
Design synthesized(Change change = [](Design&) {})
{
    Design d;
    change(d);
    cofCal(d);
    return d;
}

namespace test {

class DesignBuilder {
public:
    DesignBuilder& ways(int n) { return set(d_.channel, n); }
    DesignBuilder& order(int n) { return set(d_.order, n); }
    DesignBuilder& fx(float hz)
    {
        d_.FX = hz;
        return *this;
    }
    DesignBuilder& align(const std::string& key)
    {
        d_.s_Type = key;
        return *this;
    }
    DesignBuilder& view(const std::string& key)
    {
        d_.s_Resp = key;
        return *this;
    }
    // The component values worked out, as the program does before it shows them.
    Design computed() const
    {
        Design d = d_;
        cofCal(d);
        return d;
    }
    operator Design() const { return d_; }

private:
    DesignBuilder& set(std::int16_t& field, int n)
    {
        field = static_cast<std::int16_t>(n);
        return *this;
    }
    Design d_;
};

inline DesignBuilder design()
{
    return {};
}

}  // namespace test
}  // namespace larkspan
