#include "synthesis/trd3way.h"

#include <cmath>
#include <iterator>

#include "synthesis/branch_evaluators.h"
#include "synthesis/display_units.h"

namespace larkspan {

namespace {

// Stores a result computed in double as the f32 variable that holds it and
// returns the stored value, so that the next formula reads what the design
// holds.
double put(float& dst, double value)
{
    dst = static_cast<float>(value);
    return dst;
}

double sq(double x)
{
    return std::pow(x, 2.0);
}

// Breakpoints of the prototype coefficient over the upper frequency ratio R2:
// close to 2 (the Butterworth value) for a wide mid band, lower for a narrow
// one. Kept as f32, as the interval ends are.
constexpr float kParaR[] = {1.4F, 1.5F, 1.6F, 1.7F, 1.8F, 1.9F, 2.0F, 2.1F, 2.2F, 2.3F, 2.4F, 2.5F, 2.6F, 2.7F,
                            2.8F, 2.9F, 3.0F, 3.2F, 3.4F, 3.6F, 3.8F, 4.0F, 4.2F, 4.4F, 4.6F, 4.8F, 5.0F};
constexpr float kParaY[] = {1.7201F, 1.747F,  1.7711F, 1.7924F, 1.8113F, 1.8381F, 1.843F,  1.8562F, 1.8679F,
                            1.8784F, 1.8877F, 1.8961F, 1.9036F, 1.9103F, 1.9164F, 1.9219F, 1.9269F, 1.9355F,
                            1.9428F, 1.9489F, 1.9541F, 1.9585F, 1.9623F, 1.9657F, 1.9686F, 1.9711F, 1.9733F};
static_assert(std::size(kParaR) == std::size(kParaY));

// Steps shared by "Butter" and "Bessel" once BB1 and AA1 are set: the
// band-pass polynomial normalised to F0 and its continued-fraction expansion
// into the mid ladder.
void bandPassExpansion(Design& d)
{
    const double R1 = d.R1, R2 = d.R2, AA1 = d.AA1, BB1 = d.BB1;
    const double H1 = put(d.H1, 1 + (sq(AA1) - 2 * BB1) * sq(R1) + 2 * AA1 * std::pow(R1, 4.0) - std::pow(R1, 6.0));
    const double AA2 = put(d.AA2, BB1 * R2 + AA1 * R1);
    const double BB2 = put(d.BB2, AA1 * sq(R2) + AA1 * BB1 + BB1 * sq(R1));
    const double CC2 = put(d.CC2, std::pow(R2, 3.0) + sq(AA1) * R2 + sq(BB1) * R1 + std::pow(R1, 3.0));
    put(d.H2, std::fabs(H1) * std::pow(R2, 3.0));

    put(d.E02, BB1 - 1 / AA1);
    const double E0 = put(d.E0, BB2 - CC2 / AA2);
    const double FFF = put(d.FFF, AA2 - AA2 / E0);
    const double KK1 = put(d.KK1, CC2 - AA2 * (BB2 - 1) / E0);
    put(d.M0, ((BB2 - 1) - KK1 / FFF) - E0 * FFF / KK1);
}

// The mid ladder from the expansion, for the load R0 at the centre F0.
void ladderMid(Design& d)
{
    const double R0 = d.R0, w0 = PI2 * static_cast<double>(d.F0);
    const double M0 = d.M0, FFF = d.FFF, E0 = d.E0, KK1 = d.KK1, AA2 = d.AA2;
    put(d.L3, M0 * R0 / (FFF * w0));
    put(d.L4, E0 * R0 / (KK1 * w0));
    put(d.C2, KK1 / (M0 * R0 * w0));
    put(d.L5, R0 / (AA2 * w0));
    put(d.C3, FFF / (R0 * w0));
    put(d.C4, AA2 / (E0 * R0 * w0));
}

void butterworth(Design& d)
{
    const double FXL = d.FXL, FXH = d.FXH, RE = d.RE, RM = d.RM, RH = d.RH;
    const double F0 = put(d.F0, std::pow(FXL * FXH, 0.5));
    put(d.R1, FXL / F0);
    const double R2 = put(d.R2, FXH / F0);
    Trd3WayparaCal(d);
    const double BB1 = put(d.BB1, static_cast<double>(d.A00) * R2 + d.B00);
    const double AA1 = put(d.AA1, sq(BB1) / 2);
    bandPassExpansion(d);

    const double RAN = put(d.RAN, (static_cast<double>(d.KK1) / d.H2 - 1) * RM);
    put(d.R0, RAN + RM);

    const double wL = PI2 * FXL, wH = PI2 * FXH, E02 = d.E02;
    put(d.L1, E02 * RE / wL);
    put(d.L2, RE / (AA1 * wL));
    put(d.C1, AA1 / (E02 * wL * RE));
    ladderMid(d);
    put(d.C5, 1 / (E02 * wH * RH));
    put(d.C6, AA1 / (wH * RH));
    put(d.L6, E02 * RH / (AA1 * wH));
    d.pole = 1;
}

// Level factor of the Bessel mid, a cubic in R2 chosen by range.
double besselLevel(double R2)
{
    struct Cubic {
        double c3, c2, c1, c0;
    };
    const Cubic c = R2 < 2.0   ? Cubic{-192.737, 1125.13, -2205.02, 1458.63}
                    : R2 < 2.6 ? Cubic{-5.20882, 45.0034, -130.3, 129.506}
                    : R2 < 3.8 ? Cubic{-1.04175, 11.407, -42.2108, 54.3462}
                               : Cubic{-0.390537, 5.23318, -23.479, 36.5827};
    return c.c3 * std::pow(R2, 3.0) + c.c2 * sq(R2) + c.c1 * R2 + c.c0;
}

void bessel(Design& d)
{
    const double FXL = d.FXL, FXH = d.FXH, RE = d.RE, RM = d.RM, RH = d.RH;
    const double FXL2 = put(d.FXL2, FXL * 1.05);
    const double FXH2 = put(d.FXH2, FXH / 1.05);
    const double F0 = put(d.F0, std::pow(FXL2 * FXH2, 0.5));
    put(d.R1, FXL2 / F0);
    const double R2 = put(d.R2, FXH2 / F0);
    Trd3WayparaCal(d);
    const double BB1 = put(d.BB1, (static_cast<double>(d.A00) * R2 + d.B00) * std::pow(1.25, 0.5));
    put(d.AA1, (sq(BB1) / 2) * std::pow(1.25, 0.5));
    bandPassExpansion(d);

    const double KK2 = put(d.KK2, besselLevel(R2));
    const double RAN = put(d.RAN, (static_cast<double>(d.KK1) / d.H2 - 1) * RM * KK2);
    put(d.R0, RAN + RM);

    put(d.L1, (5 * RE / (6 * pi * FXL)) * 1.1);
    put(d.L2, (RE / (6 * pi * FXL)) * 1.1);
    put(d.C1, (12 / (25 * pi * FXL * RE)) * 1.1);
    ladderMid(d);
    put(d.C5, (6 / (5 * pi * FXH * RH)) / 4.4);
    put(d.C6, (6 / (pi * FXH * RH)) / 4.4);
    put(d.L6, (25 * RH / (12 * pi * FXH)) / 4.4);
    d.pole = -1;
}

void chebyshev(Design& d)
{
    const double FXL = d.FXL, FXH = d.FXH, RE = d.RE, RM = d.RM, RH = d.RH;
    const double F0 = put(d.F0, std::pow(FXL * FXH, 0.5));
    const double FOF = put(d.FOF, FXH - FXL);
    const double R2 = put(d.R2, FXH / F0);
    const double P0 = put(d.P0, (FOF + std::pow(sq(FOF) + 4 * sq(F0), 0.5)) / (2 * F0));
    const double P1 = put(d.P1, P0 <= 4 ? -0.224373 * std::pow(P0, 3.0) + 2.07436 * sq(P0) - 6.28369 * P0 + 7.36495
                                        : -0.0241 * P0 + 1.1564);
    const double KK1 = put(d.KK1, R2 < 2   ? -0.266667 * R2 + 0.753333
                                  : R2 < 3 ? -0.11 * R2 + 0.44
                                  : R2 < 4 ? -0.055 * R2 + 0.275
                                           : -0.01 * R2 + 0.095);
    const double RAN = put(d.RAN, KK1 * RM);
    const double R0 = put(d.R0, RM + RAN);

    put(d.L1, (1.50885 * RE / (PI2 * FXL)) * 1.2);
    put(d.L2, (1.0118 * RE / (PI2 * FXL)) * 1.2);
    put(d.C1, (1.33324 / (PI2 * FXL * RE)) * 1.2);

    // The mid as a band-pass transform of the same prototype: series L3 + C2,
    // then L5 || C4 across the line, then series L4 + C3 into R0.
    const double L3 = put(d.L3, (1.50885 * R0 / (PI2 * FXH)) * 1.2 * P1);
    const double L4 = put(d.L4, (1.0118 * R0 / (PI2 * FXH)) * 1.2 * P1);
    const double C4 = put(d.C4, (1.33324 / (PI2 * FXH * R0)) * 1.2 * P1);
    put(d.C2, 1 / (sq(PI2 * F0) * L3));
    put(d.C3, 1 / (sq(PI2 * F0) * L4));
    put(d.L5, 1 / (sq(PI2 * F0) * C4));

    put(d.C5, (0.662756 / (PI2 * FXH * RH)) / 1.2);
    put(d.C6, (0.988338 / (PI2 * FXH * RH)) / 1.2);
    put(d.L6, (0.750053 * RH / (PI2 * FXH)) / 1.2);

    // Denominator of that form, in the mid coefficients as scratch (single
    // precision products).
    d.A21 = d.C2 * d.C3 * d.C4 * d.L3 * d.L4 * d.L5;
    d.A22 = d.C2 * d.C3 * d.C4 * d.L3 * d.L5 * d.R0;
    d.A23 = d.C2 * d.C3 * d.L4 * d.L5 + d.C3 * d.C4 * d.L4 * d.L5 + d.C2 * d.C4 * d.L3 * d.L5 +
            d.C2 * d.C3 * d.L3 * d.L4 + d.C2 * d.C3 * d.L3 * d.L5;
    d.A24 = (d.C2 * d.C3 * d.L5 + d.C3 * d.C4 * d.L5 + d.C2 * d.C3 * d.L3) * d.R0;
    d.A25 = d.C2 * d.L5 + d.C4 * d.L5 + d.C3 * d.L4 + d.C2 * d.L3 + d.C3 * d.L5;
    d.A26 = d.C3 * d.R0;

    // The ladder with the same denominator, each step reading the values the
    // steps before it replaced.
    const double A21 = d.A21, A22 = d.A22, A23 = d.A23, A24 = d.A24, A25 = d.A25, A26 = d.A26;
    const double l5 = put(d.L5, A21 * R0 / A22);
    const double c4 = put(d.C4, A22 / (A23 * R0 - A24 * l5));
    const double c3 = put(d.C3, A26 / R0 - c4);
    const double l4 = put(d.L4, (A21 / (l5 * c4)) / ((A24 / R0 - A25 * c4) + l5 * c3 * c4 + l5 * c4 * c4));
    const double l3 = put(d.L3, (A25 - A21 / (l4 * l5 * c3 * c4) - l5 * c3 - l4 * c3 - l5 * c4) / c3);
    put(d.C2, A21 / (l3 * l4 * l5 * c3 * c4));
    d.pole = 1;
}

// Coefficients of every branch from the components (single precision).
void coefficients(Design& d)
{
    d.A01 = d.L1 * d.L2 * d.C1 / d.RE;
    d.A02 = d.L1 * d.C1;
    d.A03 = (d.L1 + d.L2) / d.RE;
    d.A04 = 1.0F;
    d.A11 = d.C5 * d.C6 * d.L6 * d.RH;
    d.A12 = d.C5 * d.L6 + d.C6 * d.L6;
    d.A13 = d.C6 * d.RH;
    d.A14 = 1.0F;
    d.A21 = d.L3 * d.L4 * d.L5 * d.C2 * d.C3 * d.C4;
    d.A22 = d.L3 * d.L4 * d.C2 * d.C3 * d.C4 * d.R0;
    d.A23 = d.L3 * d.L5 * d.C2 * d.C3 + d.L3 * d.L4 * d.C2 * d.C3 + d.L3 * d.L5 * d.C2 * d.C4 +
            d.L3 * d.L5 * d.C3 * d.C4 + d.L4 * d.L5 * d.C3 * d.C4;
    d.A24 = (d.L3 * d.C2 * d.C3 + d.L3 * d.C2 * d.C4 + d.L3 * d.C3 * d.C4 + d.L4 * d.C3 * d.C4) * d.R0;
    d.A25 = d.L3 * d.C2 + d.L3 * d.C3 + d.L5 * d.C3 + d.L4 * d.C3 + d.L5 * d.C4;
    d.A26 = (d.C3 + d.C4) * d.R0;
    d.A27 = 1.0F;
    d.A28 = d.L3 * d.C2 * d.C3 * d.RM;

    d.B01 = d.RE;
    d.B02 = d.L1 * d.C1 * d.RE;
    d.B03 = d.L1 + d.L2;
    d.B04 = d.L1 * d.L2 * d.C1;
    d.B05 = d.C1 * d.L2;
    d.B06 = d.C1 * d.RE;
    d.B07 = 1.0F;
    d.B11 = d.C5 * d.L6 + d.C6 * d.L6;
    d.B12 = d.C6 * d.RH;
    d.B13 = d.C5 * d.C6 * d.L6 * d.RH;
    d.B14 = d.C5 * d.C6 * d.RH;
    d.B15 = d.C5;
    d.B16 = d.C5 * d.C6 * d.L6;
    d.B17 = 1.0F;
    d.B21 = d.L3 * d.L5 * d.C2 * d.C3 * d.C4 + d.L4 * d.L5 * d.C2 * d.C3 * d.C4;
    d.B22 = (d.L3 * d.C2 * d.C3 * d.C4 + d.L4 * d.C2 * d.C3 * d.C4) * d.R0;
    d.B23 = d.L3 * d.C2 * d.C3 + d.L5 * d.C2 * d.C3 + d.L4 * d.C2 * d.C3 + d.L5 * d.C2 * d.C4;
    d.B24 = (d.C2 * d.C3 + d.C2 * d.C4) * d.R0;
    d.B25 = d.C2;
    d.B26 = d.A21;
    d.B27 = d.A22;
    d.B28 = d.A23;
    d.B29 = d.A24;
    d.B30 = d.A25;
    d.B31 = d.A26;
    d.B32 = 1.0F;
}

}  // namespace

void Trd3WayparaCal(Design& d)
{
    // The interval whose upper breakpoint is the first not below R2; a value
    // on a breakpoint takes the interval ending there, and values beyond the
    // table extend its end lines.
    std::size_t upper = 1;
    while (upper + 1 < std::size(kParaR) && kParaR[upper] < d.R2) ++upper;
    d.R01 = kParaR[upper - 1];
    d.R02 = kParaR[upper];
    d.Y1 = kParaY[upper - 1];
    d.y2 = kParaY[upper];
    d.A00 = (d.y2 - d.Y1) / (d.R02 - d.R01);
    d.B00 = d.Y1 - d.A00 * d.R01;
}

void Trd3WaycofCal(Design& d)
{
    // Any other key keeps the previous components, RAN, R0 and pole.
    if (d.s_Type == "Butter")
        butterworth(d);
    else if (d.s_Type == "Bessel")
        bessel(d);
    else if (d.s_Type == "Chebyc")
        chebyshev(d);
    valChg3way3rd(d);
    coefficients(d);
}

void valChg3way3rd(Design& d)
{
    d.LL1 = mH(d.L1);
    d.LL2 = mH(d.L2);
    d.CL1 = uF(d.C1);
    d.CM1 = uF(d.C2);
    d.LM1 = mH(d.L3);
    d.CM2 = uF(d.C3);
    d.LM2 = mH(d.L4);
    d.CM3 = uF(d.C4);
    d.LM3 = mH(d.L5);
    d.CH1 = uF(d.C5);
    d.LH1 = mH(d.L6);
    d.CH2 = uF(d.C6);
}

namespace {

double p(double w, double n)
{
    return std::pow(w, n);
}

// Branch transfer functions and input impedances at s = jw, in double from
// the f32 coefficients.
Ratio loTransfer(const Design& d, double w)
{
    return {{d.A04, 0}, {d.A04 - d.A02 * p(w, 2), d.A03 * w - d.A01 * p(w, 3)}};
}
Ratio midTransfer(const Design& d, double w)
{
    return {
        {0, -d.A28 * p(w, 3)},
        {d.A27 - d.A25 * p(w, 2) + d.A23 * p(w, 4) - d.A21 * p(w, 6), d.A26 * w - d.A24 * p(w, 3) + d.A22 * p(w, 5)}};
}
Ratio hiTransfer(const Design& d, double w)
{
    return {{0, -d.A11 * p(w, 3)}, {d.A14 - d.A12 * p(w, 2), d.A13 * w - d.A11 * p(w, 3)}};
}

Ratio loImpedance(const Design& d, double w)
{
    return {{d.B01 - d.B02 * p(w, 2), d.B03 * w - d.B04 * p(w, 3)}, {d.B07 - d.B05 * p(w, 2), d.B06 * w}};
}
Ratio midImpedance(const Design& d, double w)
{
    return {
        {d.B32 - d.B30 * p(w, 2) + d.B28 * p(w, 4) - d.B26 * p(w, 6), d.B31 * w - d.B29 * p(w, 3) + d.B27 * p(w, 5)},
        {d.B22 * p(w, 4) - d.B24 * p(w, 2), d.B25 * w - d.B23 * p(w, 3) + d.B21 * p(w, 5)}};
}
Ratio hiImpedance(const Design& d, double w)
{
    return {{d.B17 - d.B11 * p(w, 2), d.B12 * w - d.B13 * p(w, 3)}, {-d.B14 * p(w, 2), d.B15 * w - d.B16 * p(w, 3)}};
}

// Phase offsets that place each branch on the phase graph (degrees) and in
// the Nyquist diagram (radians).
constexpr double kLoPh = -180, kMidPh = -90, kHiPh = 90;
constexpr double kLoNq = 0, kMidNq = pi / 2, kHiNq = -pi / 2;

// The three branches combined; the mid transfer numerator carries the
// polarity of the mid driver.
void totalTransfer(const Design& d, EvalState& e)
{
    const double w = e.f;
    const Ratio mid = midTransfer(d, w);
    threeWayTransfer(e, loTransfer(d, w), {{mid.num.re, d.pole * mid.num.im}, mid.den}, hiTransfer(d, w));
}

void totalPhase(const Design& d, EvalState& e)
{
    totalTransfer(d, e);
    combinedPhase(e);
}

// Adds the offset and the branch constant, then folds once into 0..360.
void placePhase(EvalState& e, double c)
{
    addOffset(e, c);
    if (e.yy < 0) e.yy += 360;
    if (e.yy > 360) e.yy -= 360;
}

// The Nyquist phase in fai folded into 0..π, unwrapped along the sweep, moved
// by the branch constant c; then the point of magnitude gg.
void nyquistPoint(EvalState& e, double c)
{
    if (e.fai < 0) e.fai = static_cast<float>(e.fai + pi);
    if (e.fai2 - e.fai > 2.8) e.ss = static_cast<float>(e.ss + pi);
    if (e.fai2 - e.fai < -2.8) e.ss = static_cast<float>(e.ss - pi);
    e.fai2 = e.fai;
    e.fai = static_cast<float>(static_cast<double>(e.fai) + e.ss + c);
    e.xx = static_cast<float>(e.gg * std::cos(static_cast<double>(e.fai)));
    e.yy = static_cast<float>(e.gg * std::sin(static_cast<double>(e.fai)));
}

bool reversed(const Design& d)
{
    return d.pole == -1;
}

}  // namespace

void Trd3WayLoFrCal(const Design& d, EvalState& e)
{
    branchAttenuation(e, loTransfer(d, e.f));
}

void Trd3WayMidFrCal(const Design& d, EvalState& e)
{
    branchAttenuation(e, midTransfer(d, e.f));
}

void Trd3WayHiFrCal(const Design& d, EvalState& e)
{
    branchAttenuation(e, hiTransfer(d, e.f));
}

// The total's squared magnitudes leave the f32 range at high frequencies (the
// product of three denominators up to the sixth power), so the total's ratio
// is taken in double, as in every other order's total.
void Trd3WayToFrCal(const Design& d, EvalState& e)
{
    totalTransfer(d, e);
    totalAttenuation(e);
}

void Trd3WayLoImpCal(const Design& d, EvalState& e)
{
    branchLogImpedance(e, loImpedance(d, e.f));
}

void Trd3WayMidImpCal(const Design& d, EvalState& e)
{
    branchLogImpedance(e, midImpedance(d, e.f));
}

void Trd3WayHiImpCal(const Design& d, EvalState& e)
{
    branchLogImpedance(e, hiImpedance(d, e.f));
}

// The impedances combine without the polarity: a reversed driver draws the
// same current.
void Trd3WayToImpCal(const Design& d, EvalState& e)
{
    threeWayImpedance(e, loImpedance(d, e.f), midImpedance(d, e.f), hiImpedance(d, e.f));
}

void Trd3WayLoPhCal(const Design& d, EvalState& e)
{
    branchPhase(e, loTransfer(d, e.f).den);
    placePhase(e, kLoPh);
}

void Trd3WayMidPhCal(const Design& d, EvalState& e)
{
    branchPhase(e, midTransfer(d, e.f).den);
    placePhase(e, kMidPh);
}

void Trd3WayHiPhCal(const Design& d, EvalState& e)
{
    branchPhase(e, hiTransfer(d, e.f).den);
    placePhase(e, kHiPh);
}

void Trd3WayToPhCal(const Design& d, EvalState& e)
{
    totalPhase(d, e);
    placePhase(e, reversed(d) ? -180.0 - 180.0 : -180.0);
}

void Trd3WayLoGdCal(const Design& d, EvalState& e)
{
    branchGroupDelay(e, loTransfer(d, e.f));
}

void Trd3WayMidGdCal(const Design& d, EvalState& e)
{
    branchGroupDelay(e, midTransfer(d, e.f));
}

void Trd3WayHiGdCal(const Design& d, EvalState& e)
{
    branchGroupDelay(e, hiTransfer(d, e.f));
}

void Trd3WayToGdCal(const Design& d, EvalState& e)
{
    totalTransfer(d, e);
    combinedGroupDelay(e, reversed(d) ? 90.0 : 0.0);
}

void Trd3WayLoNqCal(const Design& d, EvalState& e)
{
    branchPolar(e, loTransfer(d, e.f));
    nyquistPoint(e, kLoNq);
}
void Trd3WayMidNqCal(const Design& d, EvalState& e)
{
    branchPolar(e, midTransfer(d, e.f));
    nyquistPoint(e, kMidNq);
}
void Trd3WayHiNqCal(const Design& d, EvalState& e)
{
    branchPolar(e, hiTransfer(d, e.f));
    nyquistPoint(e, kHiNq);
}

void Trd3WayToNqCal(const Design& d, EvalState& e)
{
    totalTransfer(d, e);
    combinedPolar(e);
    nyquistPoint(e, reversed(d) ? pi : 0.0);
}

void Trd3WayLoStepSubstitution(const Design& d, EvalState& e)
{
    stepLists(e, {d.A04}, {d.A01, d.A02, d.A03, d.A04});
}

// The mid numerator carries no polarity here.
void Trd3WayMidStepSubstitution(const Design& d, EvalState& e)
{
    stepLists(e, {d.A28, 0, 0, 0}, {d.A21, d.A22, d.A23, d.A24, d.A25, d.A26, d.A27});
}

void Trd3WayHiStepSubstitution(const Design& d, EvalState& e)
{
    stepLists(e, {d.A11, 0, 0, 0}, {d.A11, d.A12, d.A13, d.A14});
}

const NetworkUnit& trd3WayUnit()
{
    static const NetworkUnit unit{
        Trd3WaycofCal,
        {Trd3WayLoFrCal, Trd3WayMidFrCal, Trd3WayHiFrCal, Trd3WayToFrCal},
        {Trd3WayLoImpCal, Trd3WayMidImpCal, Trd3WayHiImpCal, Trd3WayToImpCal},
        {Trd3WayLoPhCal, Trd3WayMidPhCal, Trd3WayHiPhCal, Trd3WayToPhCal},
        {Trd3WayLoGdCal, Trd3WayMidGdCal, Trd3WayHiGdCal, Trd3WayToGdCal},
        {Trd3WayLoNqCal, Trd3WayMidNqCal, Trd3WayHiNqCal, Trd3WayToNqCal},
        {Trd3WayLoStepSubstitution, Trd3WayMidStepSubstitution, Trd3WayHiStepSubstitution},
        // Branch by branch, each in signal order from the amplifier.
        {{"LL1", &Design::LL1},
         {"CL1", &Design::CL1},
         {"LL2", &Design::LL2},
         {"CM1", &Design::CM1},
         {"LM1", &Design::LM1},
         {"CM2", &Design::CM2},
         {"LM2", &Design::LM2},
         {"CM3", &Design::CM3},
         {"LM3", &Design::LM3},
         {"CH1", &Design::CH1},
         {"LH1", &Design::LH1},
         {"CH2", &Design::CH2}},
    };
    return unit;
}

}  // namespace larkspan
