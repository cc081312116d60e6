// The amplitude, impedance and phase curves of the network as built, solved
// as a circuit, point for point beside the closed-form curves of the view.
#pragma once

#include <string>
#include <vector>

#include "network/standard_values.h"
#include "response/curve.h"

namespace larkspan {

enum class AsBuiltView { Amp, Imp, Ph };

struct AsBuiltCurves {
    std::vector<Curve> curves;
    std::string error;  // why there are none
};

// One curve for each of `ideal` (the view's closed-form curves, branches
// then the total), at the same frequencies, with the same names and colours.
// A phase curve follows its closed-form curve's convention, moved by the
// phase that the built network adds to the one the closed form describes.
AsBuiltCurves asBuiltCurves(const Design& d, const SeriesChoice& choice, AsBuiltView view,
                            const std::vector<Curve>& ideal);

}  // namespace larkspan
