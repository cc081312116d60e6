#include "network/standard_values.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <sstream>

namespace larkspan {

namespace {

constexpr std::array<double, 24> kE24{1.0, 1.1, 1.2, 1.3, 1.5, 1.6, 1.8, 2.0, 2.2, 2.4, 2.7, 3.0,
                                      3.3, 3.6, 3.9, 4.3, 4.7, 5.1, 5.6, 6.2, 6.8, 7.5, 8.2, 9.1};

// Every value of an E series (6, 12 or 24 steps a decade) from 10^first to
// 10^last, written and read back so that each is the double nearest its
// two-figure decimal.
std::vector<double> decades(int steps, int first, int last)
{
    std::vector<double> out;
    const auto stride = static_cast<std::size_t>(24 / steps);
    for (int e = first; e < last; ++e)
        for (std::size_t i = 0; i < kE24.size(); i += stride) {
            std::ostringstream text;
            text << kE24[i] << "e" << e;
            out.push_back(std::stod(text.str()));
        }
    out.push_back(std::pow(10.0, last));
    return out;
}

int stepsOf(SeriesName name)
{
    return name == SeriesName::E6 ? 6 : name == SeriesName::E12 ? 12 : 24;
}

double deviation(double value, double ideal)
{
    return (value - ideal) / ideal * 100;
}

std::string trimmed(const std::string& s)
{
    const auto b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

// A value written plainly: digits with an optional point and exponent, and
// nothing after it.
std::optional<double> plainNumber(const std::string& s)
{
    if (s.empty()) return std::nullopt;
    std::size_t used = 0;
    double v = 0;
    try {
        v = std::stod(s, &used);
    } catch (...) {
        return std::nullopt;
    }
    if (used != s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

void sortUnique(std::vector<double>& values, const char* kind, std::vector<std::string>& notes)
{
    std::sort(values.begin(), values.end());
    const auto before = values.size();
    values.erase(std::unique(values.begin(), values.end()), values.end());
    if (values.size() != before)
        notes.push_back(std::to_string(before - values.size()) + " repeated " + kind + " value(s) dropped");
}

}  // namespace

std::string seriesTitle(SeriesName name)
{
    switch (name) {
        case SeriesName::Ideal:
            return "Ideal";
        case SeriesName::E6:
            return "E6";
        case SeriesName::E12:
            return "E12";
        case SeriesName::E24:
            return "E24";
        case SeriesName::Own:
            break;
    }
    return "Own List";
}

std::optional<SeriesName> seriesFromKey(const std::string& key)
{
    std::string k;
    for (const char c : key) k += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (k == "IDEAL") return SeriesName::Ideal;
    if (k == "E6") return SeriesName::E6;
    if (k == "E12") return SeriesName::E12;
    if (k == "E24") return SeriesName::E24;
    return std::nullopt;
}

std::vector<double> seriesValues(const SeriesChoice& choice, PartKind kind)
{
    if (choice.name == SeriesName::Own) {
        return kind == PartKind::C   ? choice.own.capacitors
               : kind == PartKind::L ? choice.own.inductors
                                     : choice.own.resistors;
    }
    if (choice.name == SeriesName::Ideal) return {};
    if (kind != PartKind::L) return decades(stepsOf(choice.name), -1, 3);
    std::vector<double> coils;
    for (int i = 1; i <= 100; ++i) coils.push_back(i / 100.0);
    for (const double v : decades(12, 0, 2))
        if (v > 1 && v <= 22) coils.push_back(v);
    return coils;
}

std::optional<Choice> chooseValue(const std::vector<double>& values, PartKind kind, double ideal, bool pairs,
                                  double tolerancePercent)
{
    if (values.empty() || !std::isfinite(ideal) || ideal <= 0) return std::nullopt;
    // The first value not below the ideal and the one before it.
    const auto upper = std::lower_bound(values.begin(), values.end(), ideal);
    double best = upper == values.end() ? values.back() : *upper;
    if (upper != values.begin() && ideal - *(upper - 1) <= best - ideal) best = *(upper - 1);
    Choice single{{best}, false, best, deviation(best, ideal)};
    if (!pairs || std::fabs(single.deviationPercent) <= tolerancePercent) return single;

    // Two values adding up to the ideal: for each first value the best
    // second one not smaller than it.
    Choice pair = single;
    for (auto a = values.begin(); a != values.end() && *a < ideal; ++a) {
        const auto b = std::lower_bound(a, values.end(), ideal - *a);
        for (const auto c : {b, b == a ? b : b - 1}) {
            if (c == values.end()) continue;
            const double total = *a + *c;
            if (std::fabs(total - ideal) < std::fabs(pair.total - ideal))
                pair = {{*a, *c}, kind == PartKind::C, total, deviation(total, ideal)};
        }
    }
    return pair;
}

void chooseParts(std::vector<NetworkPart>& parts, const SeriesChoice& choice)
{
    if (choice.name == SeriesName::Ideal) return;
    for (auto& p : parts) {
        const auto chosen =
            chooseValue(seriesValues(choice, p.kind), p.kind, p.ideal, choice.pairs, choice.tolerancePercent);
        if (chosen) p.chosen = *chosen;
    }
}

OwnListResult parseOwnList(const std::string& text)
{
    OwnList list;
    std::istringstream in(text);
    std::string line;
    std::size_t lineNo = 0;
    std::size_t count = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        const std::string t = trimmed(line);
        if (t.empty() || t[0] == '#') continue;
        if (++count > kOwnListLimit)
            return {std::nullopt, "the list has more than " + std::to_string(kOwnListLimit) + " values"};
        std::string number = t;
        char kind = 0;
        if (std::isalpha(static_cast<unsigned char>(t[0])) && t.size() > 1 &&
            std::isspace(static_cast<unsigned char>(t[1]))) {
            kind = static_cast<char>(std::toupper(static_cast<unsigned char>(t[0])));
            number = trimmed(t.substr(1));
            if (kind != 'C' && kind != 'L' && kind != 'R')
                return {std::nullopt, "line " + std::to_string(lineNo) + ": the kind must be C, L or R, not '" +
                                          t.substr(0, 1) + "'"};
        }
        const auto v = plainNumber(number);
        if (!v) return {std::nullopt, "line " + std::to_string(lineNo) + ": '" + t + "' is not a value"};
        if (*v <= 0) return {std::nullopt, "line " + std::to_string(lineNo) + ": values must be positive"};
        if (kind == 0 || kind == 'C') list.capacitors.push_back(*v);
        if (kind == 0 || kind == 'L') list.inductors.push_back(*v);
        if (kind == 0 || kind == 'R') list.resistors.push_back(*v);
    }
    if (count == 0) return {std::nullopt, "the list holds no values"};
    sortUnique(list.capacitors, "capacitor", list.notes);
    sortUnique(list.inductors, "inductor", list.notes);
    sortUnique(list.resistors, "resistor", list.notes);
    return {list, {}};
}

}  // namespace larkspan
