// The parts list of a design: every part with its ideal and chosen value,
// the deviation, its stress at the amplifier power and the rating to buy.
#pragma once

#include <string>
#include <vector>

#include "network/part_stress.h"
#include "network/standard_values.h"

namespace larkspan {

struct PartsListRow {
    NetworkPart part;
    PartStress stress;
    Rating rating;
};

struct PartsList {
    std::vector<PartsListRow> rows;
    std::string reason;  // why the list is empty, when it is
};

// The list for the design as the last synthesis and correction runs left it.
PartsList makePartsList(const Design& d, const SeriesChoice& choice, const StressSettings& stress);

// "C", "L" or "R".
const char* kindLetter(PartKind kind);

// The list as CSV with a header row; a pair's second value in its own
// column, its join "parallel" or "series".
std::string partsListCsv(const PartsList& list);
inline constexpr const char* kPartsListCsvHeader =
    "name,kind,ideal,chosen,second,join,total,deviationPercent,vrms,vrmsAtHz,irms,irmsAtHz,watts,wattsAtHz,"
    "rating,ratingUnit,ratingOk";

// Shortest text that reads back to the same double.
std::string shortestNumber(double v);

}  // namespace larkspan
