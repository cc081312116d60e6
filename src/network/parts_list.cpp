#include "network/parts_list.h"

#include <charconv>
#include <cmath>

namespace larkspan {

PartsList makePartsList(const Design& d, const SeriesChoice& choice, const StressSettings& stress)
{
    PartsList list;
    auto parts = networkParts(d, CircuitModel::Complete);
    chooseParts(parts, choice);
    const auto built = buildCircuit(d, parts, CircuitModel::Complete);
    if (!built.error.empty()) {
        list.reason = built.error;
        return list;
    }
    if (!std::isfinite(stress.inputVolts()) || stress.inputVolts() <= 0) {
        list.reason = "the amplifier power and nominal impedance must be positive";
        return list;
    }
    const auto stresses = partStress(built.circuit, parts, stress);
    for (std::size_t i = 0; i < parts.size(); ++i)
        list.rows.push_back({parts[i], stresses[i], recommendedRating(parts[i].kind, stresses[i])});
    return list;
}

const char* kindLetter(PartKind kind)
{
    return kind == PartKind::C ? "C" : kind == PartKind::L ? "L" : "R";
}

std::string shortestNumber(double v)
{
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string partsListCsv(const PartsList& list)
{
    std::string out = std::string(kPartsListCsvHeader) + "\n";
    for (const auto& r : list.rows) {
        const auto& c = r.part.chosen;
        const bool pair = c.values.size() == 2;
        const auto n = [](double v) { return shortestNumber(v); };
        out += r.part.name + "," + kindLetter(r.part.kind) + "," + n(r.part.ideal) + "," + n(c.values.at(0)) + "," +
               (pair ? n(c.values[1]) : "") + "," + (pair ? (c.parallel ? "parallel" : "series") : "") + "," +
               n(c.total) + "," + n(c.deviationPercent) + "," + n(r.stress.vrms.value) + "," + n(r.stress.vrms.atHz) +
               "," + n(r.stress.irms.value) + "," + n(r.stress.irms.atHz) + "," + n(r.stress.watts.value) + "," +
               n(r.stress.watts.atHz) + "," + n(r.rating.value) + "," + r.rating.unit + "," +
               (r.rating.ok ? "1" : "0") + "\n";
    }
    return out;
}

}  // namespace larkspan
