#include "response/step_response.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "rules/menu_rules.h"
#include "support/designs.h"
#include "synthesis/cofcal.h"

namespace larkspan {
namespace {

Design designOf(int ways, int order, const std::string& align = "")
{
    Design d;
    chooseChannel(d, ways == 3 ? 2 : 1);
    chooseOrder(d, order);
    if (const auto item = filterItemForKey(order, align)) chooseFilter(d, *item);
    cofCal(d);
    return d;
}

// Euler weights: Euler[i] = sum of C(p, j) for j = i..p, worked out from
// Pascal's triangle.
struct EulerRow {
    const char* name;
    std::int32_t DIGT;
    std::vector<double> weights;  // Euler[0..DIGT + 1]

    friend void PrintTo(const EulerRow& r, std::ostream* os) { *os << r.name; }
};

class EulerWeightsTable : public testing::TestWithParam<EulerRow> {};

TEST_P(EulerWeightsTable, AreTailSumsOfBinomialCoefficients)
{
    const EulerWeights w = EulerTransform(GetParam().DIGT);
    EXPECT_EQ(w.DIGT, GetParam().DIGT);
    for (std::size_t i = 0; i < GetParam().weights.size(); ++i) EXPECT_EQ(w.Euler[i], GetParam().weights[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(Rows, EulerWeightsTable,
                         testing::Values(EulerRow{"six", 6, {64, 63, 57, 42, 22, 7, 1, 0}},
                                         EulerRow{"two", 2, {4, 3, 1, 0}}, EulerRow{"one", 1, {2, 1, 0}},
                                         EulerRow{"none", 0, {1, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

// The time window by F (FX for 2-way, FXL for 3-way): c from the band,
// tmax = (2/3)/c rounded to 0.01 after adding 0.006 (so 533.333 becomes
// 533.34), and one point every 0.05 from t = 0.
struct AxisRow {
    const char* name;
    int ways;
    float F;
    double c;
    double tmax;
    std::size_t points;

    friend void PrintTo(const AxisRow& r, std::ostream* os) { *os << r.name; }
};

class StepTimeAxisTable : public testing::TestWithParam<AxisRow> {};

TEST_P(StepTimeAxisTable, BandFactorWindowAndPointCount)
{
    const AxisRow& row = GetParam();
    Design d;
    d.channel = static_cast<std::int16_t>(row.ways);
    (row.ways == 3 ? d.FXL : d.FX) = row.F;
    const StepTimeAxis axis = stepTimeAxis(d);
    EXPECT_EQ(axis.c, row.c);
    EXPECT_DOUBLE_EQ(axis.timeScale, static_cast<double>(row.F) * row.c);
    EXPECT_NEAR(axis.tmax, row.tmax, 1e-9);
    if (row.points) {
        EXPECT_EQ(stepTimes(axis).size(), row.points);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StepTimeAxisTable,
    testing::Values(AxisRow{"fx_650", 2, 650, 0.025, 26.67, 534}, AxisRow{"fx_500", 2, 500, 0.025, 26.67, 534},
                    AxisRow{"fx_499_9", 2, 499.9F, 0.0125, 53.34, 1067},
                    AxisRow{"fx_12_4", 2, 12.4F, 0.0003125, 2133.34, 0},
                    AxisRow{"fx_12_5", 2, 12.5F, 0.000625, 1066.67, 0},
                    AxisRow{"fx_24_99", 2, 24.99F, 0.000625, 1066.67, 0}, AxisRow{"fx_25", 2, 25, 0.00125, 533.34, 0},
                    AxisRow{"fx_12499", 2, 12499, 0.25, 2.67, 54}, AxisRow{"fx_12500", 2, 12500, 0.625, 1.07, 22},
                    AxisRow{"three_way_reads_fxl", 3, 200, 0.00625, 106.67, 2134}),
    [](const auto& info) { return std::string(info.param.name); });

// Analytic step responses, from the component values the synthesis chose.
// Time in seconds; the curves count t in units of 0.1 ms.
using cplx = std::complex<double>;

// sin(b·t)/b, continuous through b = 0 (critical damping).
cplx sinOverB(cplx b, double t)
{
    return std::abs(b * t) < 1e-9 ? cplx(t) : std::sin(b * t) / b;
}

// Second-order denominator s² + 2αs + w0²: the damped frequency, imaginary
// when the poles are real.
cplx damped(double alpha, double w0sq)
{
    return std::sqrt(cplx(w0sq - alpha * alpha));
}

// Series inductor into a driver: 1/(1 + sτ), τ = L/R → 1 − e^(−t/τ).
double seriesInductorStep(const Design& d, double t)
{
    return 1 - std::exp(-t * d.RE / d.L1);
}

// Series capacitor into a driver (C1 in the 2-way network, C2 in the 3-way):
// sτ/(1 + sτ), τ = C·R → e^(−t/τ).
double seriesCapacitorStep(const Design& d, double t)
{
    return std::exp(-t / (double(d.channel == 2 ? d.C1 : d.C2) * d.RH));
}

// Series L2, C1 and RAN into RM: the step drives the current
// (1/L2)·e^(−αt)·sin(wd·t)/wd with α = R0/(2·L2), w0² = 1/(L2·C1).
double seriesResonatorStep(const Design& d, double t)
{
    const double R0 = double(d.RM) + d.RAN;
    const double alpha = R0 / (2 * double(d.L2));
    const cplx wd = damped(alpha, 1 / (double(d.L2) * d.C1));
    return (double(d.RM) / d.L2 * std::exp(-alpha * t) * sinOverB(wd, t)).real();
}

// Series L1, then C1 across RE: 1/(L1·C1·s² + (L1/RE)·s + 1), α = 1/(2·RE·C1)
// → 1 − e^(−αt)·(cos(wd·t) + α·sin(wd·t)/wd).
double lowPass2Step(const Design& d, double t)
{
    const double alpha = 1 / (2 * double(d.RE) * d.C1);
    const cplx wd = damped(alpha, 1 / (double(d.L1) * d.C1));
    return 1 - (std::exp(-alpha * t) * (std::cos(wd * t) + alpha * sinOverB(wd, t))).real();
}

// Series C2, then L2 across RH: s²/(s² + s/(RH·C2) + 1/(L2·C2)), α = 1/(2·RH·C2)
// → e^(−αt)·(cos(wd·t) − α·sin(wd·t)/wd).
double highPass2Step(const Design& d, double t)
{
    const double alpha = 1 / (2 * double(d.RH) * d.C2);
    const cplx wd = damped(alpha, 1 / (double(d.L2) * d.C2));
    return (std::exp(-alpha * t) * (std::cos(wd * t) - alpha * sinOverB(wd, t))).real();
}

double unitStepTotal(const Design&, double)
{
    return 1;
}

struct AnalyticRow {
    const char* name;
    int ways;
    int order;
    const char* align;
    std::size_t curve;
    double (*truth)(const Design&, double seconds);

    friend void PrintTo(const AnalyticRow& r, std::ostream* os) { *os << r.name; }
};

class StepAgainstAnalytic : public testing::TestWithParam<AnalyticRow> {};

TEST_P(StepAgainstAnalytic, OverTheWholeWindow)
{
    const AnalyticRow& row = GetParam();
    Design d = designOf(row.ways, row.order, row.align);
    ASSERT_EQ(d.s_Type, row.align);
    const auto curves = StepPlot(d);
    ASSERT_LT(row.curve, curves.size());
    // Eight direct and six Euler-weighted terms along Re s = 6/t resolve the
    // step to about 1e-4 of its height; the edge itself is set by the
    // branch's kind.
    for (const auto& p : curves[row.curve].points) {
        if (p.k == 0) continue;
        ASSERT_NEAR(p.value, row.truth(d, p.k * 1e-4), 2e-4) << "t = " << p.k * 0.1 << " ms";
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, StepAgainstAnalytic,
                         testing::Values(AnalyticRow{"first_2way_lo", 2, 1, "Butter", 0, seriesInductorStep},
                                         AnalyticRow{"first_2way_hi", 2, 1, "Butter", 1, seriesCapacitorStep},
                                         AnalyticRow{"first_2way_total", 2, 1, "Butter", 2, unitStepTotal},
                                         AnalyticRow{"first_3way_lo", 3, 1, "Butter", 0, seriesInductorStep},
                                         AnalyticRow{"first_3way_mid", 3, 1, "Butter", 1, seriesResonatorStep},
                                         AnalyticRow{"first_3way_hi", 3, 1, "Butter", 2, seriesCapacitorStep},
                                         AnalyticRow{"second_2way_linkwi_lo", 2, 2, "Linkwi", 0, lowPass2Step},
                                         AnalyticRow{"second_2way_linkwi_hi", 2, 2, "Linkwi", 1, highPass2Step},
                                         AnalyticRow{"second_2way_butter_lo", 2, 2, "Butter", 0, lowPass2Step},
                                         AnalyticRow{"second_2way_butter_hi", 2, 2, "Butter", 1, highPass2Step},
                                         AnalyticRow{"second_2way_chebyc_lo", 2, 2, "Chebyc", 0, lowPass2Step},
                                         AnalyticRow{"second_2way_chebyc_hi", 2, 2, "Chebyc", 1, highPass2Step}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace larkspan
