#include "synthesis/trd3way.h"

#include <cmath>
#include <iterator>

#include "synthesis/display_units.h"
#include "synthesis/precision.h"
#include "synthesis/unit_evaluators.h"

namespace larkspan {

namespace {

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

// Each branch's phase placed on the phase graph and in the Nyquist diagram;
// the Nyquist shifts join the unwrap offset in one rounding.
constexpr UnitShape kTrd3Way{
    Trd3WaycofCal,
    3,
    Sum::FromLowest,
    {{
        {{&Design::A04},
         {&Design::A01, &Design::A02, &Design::A03, &Design::A04},
         {&Design::B04, &Design::B02, &Design::B03, &Design::B01},
         {&Design::B05, &Design::B06, &Design::B07},
         {.offset = -180, .wrap = true},
         {.stage = Stage::AfterUnwrap}},
        {{&Design::A28, 0, 0, 0},
         {&Design::A21, &Design::A22, &Design::A23, &Design::A24, &Design::A25, &Design::A26, &Design::A27},
         {&Design::B26, &Design::B27, &Design::B28, &Design::B29, &Design::B30, &Design::B31, &Design::B32},
         {&Design::B21, &Design::B22, &Design::B23, &Design::B24, &Design::B25, 0},
         {.offset = -90, .wrap = true},
         {.shift = pi / 2, .stage = Stage::AfterUnwrap}},
        {{&Design::A11, 0, 0, 0},
         {&Design::A11, &Design::A12, &Design::A13, &Design::A14},
         {&Design::B13, &Design::B11, &Design::B12, &Design::B17},
         {&Design::B16, &Design::B14, &Design::B15, 0},
         {.offset = 90, .wrap = true},
         {.shift = -pi / 2, .stage = Stage::AfterUnwrap}},
    }},
    // The mid transfer numerator carries the polarity of the mid driver; the
    // impedances combine without it (a reversed driver draws the same
    // current), and the step substitution takes the numerator as it is.
    {.amplitude = {Factor::One, Factor::Pole, Factor::One},
     .angle = {Factor::One, Factor::Pole, Factor::One},
     .phase = {.offset = -180, .wrap = true, .whenReversed = -180},
     .delay = {.whenReversed = 90},
     .nyquist = {.stage = Stage::AfterUnwrap, .whenReversed = pi}},
};

const NetworkUnit& trd3WayUnit()
{
    static const NetworkUnit unit =
        makeUnit<kTrd3Way>({{{"Trd3WayLoFrCal", "Trd3WayMidFrCal", "Trd3WayHiFrCal", "Trd3WayToFrCal"},
                             {"Trd3WayLoImpCal", "Trd3WayMidImpCal", "Trd3WayHiImpCal", "Trd3WayToImpCal"},
                             {"Trd3WayLoPhCal", "Trd3WayMidPhCal", "Trd3WayHiPhCal", "Trd3WayToPhCal"},
                             {"Trd3WayLoGdCal", "Trd3WayMidGdCal", "Trd3WayHiGdCal", "Trd3WayToGdCal"},
                             {"Trd3WayLoNqCal", "Trd3WayMidNqCal", "Trd3WayHiNqCal", "Trd3WayToNqCal"},
                             {"Trd3WayLoStepSubstitution", "Trd3WayMidStepSubstitution", "Trd3WayHiStepSubstitution"}}},
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
                            {"CH2", &Design::CH2}});
    return unit;
}

}  // namespace larkspan
