// Standard part values: the series that parts are sold in, a user's own
// list, and the search for the nearest value or the best pair.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "network/network_parts.h"

namespace larkspan {

enum class SeriesName { Ideal, E6, E12, E24, Own };

// A user's own values per kind, display units, ascending, no duplicates.
struct OwnList {
    std::vector<double> capacitors, inductors, resistors;
    std::vector<std::string> notes;  // what was trimmed, for the user
};

struct SeriesChoice {
    SeriesName name = SeriesName::Ideal;
    bool pairs = false;
    double tolerancePercent = 2;  // a pair is sought when one part misses by more
    OwnList own;
};

// "Ideal", "E6", "E12", "E24", "Own List"; and back from the short names
// "ideal", "E6", "E12", "E24" (any case), or nothing.
std::string seriesTitle(SeriesName name);
std::optional<SeriesName> seriesFromKey(const std::string& key);

// The values of one kind that a series offers, ascending: capacitors in µF
// from 0.1 to 1000, resistors in ohm from 0.1 to 1000 (both in the E series'
// steps), inductors in mH in 0.01 mH steps to 1 mH and in the E12 steps of
// air-core coils above it to 22 mH.
std::vector<double> seriesValues(const SeriesChoice& choice, PartKind kind);

// The value nearest to `ideal`, ties to the lower one; with `pairs` and a
// single value off by more than the tolerance, the best parallel (capacitors)
// or series (inductors, resistors) pair when it is closer. Nothing when the
// ideal value is not a finite positive number or the list is empty.
std::optional<Choice> chooseValue(const std::vector<double>& values, PartKind kind, double ideal, bool pairs,
                                  double tolerancePercent);

// Every part at the value the choice gives it; with Ideal the parts stay as
// they are. A part without a choice keeps its ideal value.
void chooseParts(std::vector<NetworkPart>& parts, const SeriesChoice& choice);

struct OwnListResult {
    std::optional<OwnList> list;
    std::string error;  // why the text was refused
};

// Reads an own list: one value a line, in µF, mH or ohm, optionally after
// its kind ("C 4.7", "L 0.33", "R 5.6"); a bare value counts for every kind.
// Blank lines and lines starting with '#' are skipped. Text, zero or negative
// values are refused naming the line; duplicates are dropped with a note;
// more than kOwnListLimit values are refused.
OwnListResult parseOwnList(const std::string& text);
inline constexpr std::size_t kOwnListLimit = 10000;

}  // namespace larkspan
