#include "network/part_stress.h"

#include <array>
#include <cmath>

namespace larkspan {

namespace {

// The parts of the circuit that make up a network part: itself, or the two
// halves of its pair.
bool realises(const CircuitPart& c, const std::string& name)
{
    return !c.driver && (c.name == name || c.name == name + "A" || c.name == name + "B");
}

void raise(Peak& p, double value, double hz)
{
    if (value > p.value) p = {value, hz};
}

template <std::size_t N>
double stepAbove(const std::array<double, N>& steps, double need)
{
    for (const double s : steps)
        if (s >= need) return s;
    return std::ceil(need);
}

}  // namespace

double StressSettings::inputVolts() const
{
    return std::sqrt(watts * nominalOhm);
}

std::vector<PartStress> partStress(const Circuit& circuit, const std::vector<NetworkPart>& parts,
                                   const StressSettings& settings)
{
    std::vector<PartStress> out(parts.size());
    const double volts = settings.inputVolts();
    for (int step = 0; step <= 300; ++step) {
        const double hz = 20 * std::pow(10.0, step / 100.0);
        const double w = PI2 * hz;
        for (const auto& branch : circuit.branches) {
            const auto v = solveBranch(branch, w);
            if (v.empty()) continue;
            for (std::size_t i = 0; i < parts.size(); ++i) {
                cplx across = 0;
                cplx through = 0;
                double watts = 0;
                bool found = false;
                for (const auto& c : branch.parts) {
                    if (!realises(c, parts[i].name)) continue;
                    const cplx u = (v[static_cast<std::size_t>(c.a)] - v[static_cast<std::size_t>(c.b)]) * volts;
                    const cplx current = u * admittance(c, w);
                    // Halves in parallel share the voltage and add their
                    // currents; halves in series the other way round.
                    if (parts[i].chosen.parallel) {
                        across = u;
                        through += current;
                    } else {
                        across += u;
                        through = current;
                    }
                    if (c.kind == PartKind::R) watts += std::norm(current) * c.value;
                    found = true;
                }
                if (!found) continue;
                raise(out[i].vrms, std::abs(across), hz);
                raise(out[i].irms, std::abs(through), hz);
                raise(out[i].watts, watts, hz);
            }
        }
    }
    return out;
}

Rating recommendedRating(PartKind kind, const PartStress& stress)
{
    static constexpr std::array<double, 8> kVolts{50, 63, 100, 160, 250, 400, 630, 1000};
    static constexpr std::array<double, 6> kWatts{5, 10, 20, 50, 100, 200};
    static constexpr std::array<double, 10> kAmps{1, 2, 3, 4, 5, 6, 8, 10, 15, 20};
    switch (kind) {
        case PartKind::C: {
            const double v = stepAbove(kVolts, 1.5 * stress.vrms.value);
            return {v, "V", v <= 250};
        }
        case PartKind::L: {
            const double a = stepAbove(kAmps, 1.5 * stress.irms.value);
            return {a, "A", a <= 10};
        }
        case PartKind::R:
            break;
    }
    const double w = stepAbove(kWatts, 2 * stress.watts.value);
    return {w, "W", w <= 20};
}

}  // namespace larkspan
