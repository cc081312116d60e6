#include "network/as_built_curves.h"

#include <cmath>

#include "response/sweeps.h"

namespace larkspan {

namespace {

constexpr double kDegPerRad = 180.0 / pi;

double wrappedDegrees(double x)
{
    return x - 360 * std::ceil(x / 360 - 0.5);
}

}  // namespace

AsBuiltCurves asBuiltCurves(const Design& d, const SeriesChoice& choice, AsBuiltView view,
                            const std::vector<Curve>& ideal)
{
    AsBuiltCurves out;
    auto parts = networkParts(d, CircuitModel::Complete);
    chooseParts(parts, choice);
    const auto built = buildCircuit(d, parts, CircuitModel::Complete);
    // The phase is measured against the network the closed form describes.
    const auto reference = view == AsBuiltView::Ph
                               ? buildCircuit(d, networkParts(d, CircuitModel::Resistive), CircuitModel::Resistive)
                               : BuiltCircuit{};
    out.error = !built.error.empty() ? built.error : reference.error;
    if (!out.error.empty()) return out;

    // Every curve of a view has the same frequencies: solve each once.
    std::vector<NetworkResponse> atPoint, referenceAt;
    if (!ideal.empty()) {
        for (const auto& p : ideal.front().points) {
            const double w = PI2 * std::pow(10.0, static_cast<double>(p.k));
            atPoint.push_back(respond(built.circuit, w));
            if (view == AsBuiltView::Ph) referenceAt.push_back(respond(reference.circuit, w));
        }
    }
    for (std::size_t ci = 0; ci < ideal.size(); ++ci) {
        Curve c = ideal[ci];
        for (std::size_t j = 0; j < c.points.size() && j < atPoint.size(); ++j) {
            CurvePoint& p = c.points[j];
            const NetworkResponse& r = atPoint[j];
            switch (view) {
                case AsBuiltView::Amp:
                    p.value = static_cast<float>(-20 * std::log10(std::abs(r.transfer.at(ci))));
                    p.y = ampY(static_cast<float>(p.value));
                    p.drawn = j > 0 && ampDrawable(p.y);
                    break;
                case AsBuiltView::Imp:
                    p.value = static_cast<float>(std::log10(std::abs(r.impedance.at(ci))));
                    p.y = impY(static_cast<float>(p.value));
                    p.drawn = j > 0 && impDrawable(p.y);
                    break;
                case AsBuiltView::Ph: {
                    const double added = std::arg(r.transfer.at(ci)) - std::arg(referenceAt[j].transfer.at(ci));
                    p.value = ideal[ci].points[j].value + wrappedDegrees(added * kDegPerRad);
                    p.y = phY(static_cast<float>(p.value));
                    p.drawn = j > 0;
                    break;
                }
            }
        }
        dropNonFiniteSegments(c);
        out.curves.push_back(std::move(c));
    }
    return out;
}

}  // namespace larkspan
