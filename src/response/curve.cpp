#include "response/curve.h"

#include <cmath>

#include "model/design.h"
#include "response/axis.h"

namespace larkspan {

namespace {

bool isTotal(int channel, int ii)
{
    return ii == (channel == 3 ? 4 : 3);
}

}  // namespace

Colour branchColour(int channel, int ii)
{
    if (ii == 1) return {0, 0.7843F, 0};
    if (isTotal(channel, ii)) return {1, 0.5294F, 0};
    if (channel == 3 && ii == 3) return {0, 0.9412F, 1};
    return {0, 0.5112F, 1};
}

float branchLineWidth(int channel, int ii)
{
    return isTotal(channel, ii) ? 2.0F : 1.0F;
}

std::string branchName(int channel, int ii)
{
    if (ii == 1) return "Lo";
    if (isTotal(channel, ii)) return "To";
    if (channel == 3 && ii == 2) return "Mid";
    return "Hi";
}

void dropNonFiniteSegments(Curve& curve)
{
    const auto finite = [](const CurvePoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); };
    for (std::size_t i = 0; i < curve.points.size(); ++i) {
        CurvePoint& p = curve.points[i];
        if (p.drawn && (!finite(p) || i == 0 || !finite(curve.points[i - 1]))) p.drawn = false;
    }
}

float xFromK(float k)
{
    return static_cast<float>(kFrequencyAxis.map(k / std::log10(20.0)));
}

float angularFrequency(float k)
{
    return static_cast<float>(std::pow(10.0, static_cast<double>(k)) * PI2);
}

}  // namespace larkspan
