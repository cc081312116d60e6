#include "synthesis/snd3way.h"

#include <cmath>
#include <string>

#include "synthesis/display_units.h"
#include "synthesis/precision.h"
#include "synthesis/snd2way.h"
#include "synthesis/unit_evaluators.h"

namespace larkspan {

namespace {

// How the mid level resistor follows from the band-pass parameters.
enum class MidLevel { Plain, Asymmetric, Bessel };

// The mid band-pass ladder of "Butter", "ButAsy", "Linkwi" and "Bessel": mid
// edges eL, eH, damping numerator a.
void ladderMid(Design& d, double eL, double eH, double a, MidLevel level)
{
    const double RM = d.RM;
    const double F0 = put(d.F0, std::pow(eL * eH, 0.5));
    const double R1 = put(d.R1, eL / F0);
    const double R2 = put(d.R2, eH / F0);
    const double AA1 = put(d.AA1, a * (sq(R2) - 1) / (R2 * std::pow(sq(R2) - 2, 0.5)));
    const double H1 = put(d.H1, -(((sq(AA1) - 4) * sq(R1) + 1) + 3 * std::pow(R1, 4.0)));
    const double AA2 = put(d.AA2, AA1 * (R1 + R2));
    const double BB0 = put(d.BB0, sq(R1) + sq(AA1) + sq(R2));
    const double H2 = put(d.H2, std::fabs(H1) * sq(R2));
    const double k0 = put(d.k0, BB0 - 1);
    const double E0 = put(d.E0, AA2 - AA2 / k0);

    switch (level) {
        case MidLevel::Plain:
            put(d.RAN, RM * (k0 / H2 - 1));
            break;
        case MidLevel::Asymmetric: {
            const double RAN = put(d.RAN, ((k0 / H2 - 1) * RM) / 2);
            const double KK1 = put(d.KK1, R2 < 2 ? 9.70003 * sq(R2) - 36.8901 * R2 + 35.9801 : 1.0);
            put(d.RAN, RAN * KK1);
            break;
        }
        case MidLevel::Bessel: {
            const double RAN = put(d.RAN, ((k0 / H2 - 1) * RM) * 0.75);
            const double KK1 = put(d.KK1, R2 < 2 ? 9.6 * sq(R2) - 36.8 * R2 + 36.4 : 1.0);
            put(d.RAN, RAN * KK1);
            break;
        }
    }
    const double R0 = put(d.R0, RM + d.RAN);

    put(d.C2, k0 / (E0 * PI2 * F0 * R0));
    put(d.L2, R0 * E0 / (PI2 * F0));
    put(d.L3, AA2 * R0 / (k0 * PI2 * F0));
    put(d.C3, 1 / (AA2 * PI2 * F0 * R0));
}

// The mid band-pass of "Chebyc": a band-pass transform of the 1 dB ripple
// prototype (series L2-C2 resonator, then shunt C3 || L3), re-expressed as the
// ladder of the other alignments with the same denominator.
void chebyshevMid(Design& d)
{
    const double FXL = d.FXL, FXH = d.FXH, RM = d.RM, AA = d.AA;
    const double F0 = put(d.F0, std::pow(FXL * FXH, 0.5));
    const double FOF = put(d.FOF, FXH - FXL);
    const double R2 = put(d.R2, FXH / F0);
    const double P0 = put(d.P0, (FOF + std::pow(sq(FOF) + 4 * sq(F0), 0.5)) / (2 * F0));
    const double P1 = put(d.P1, 0.0580085 * std::pow(P0, 3.0) - 0.725265 * sq(P0) + 3.05942 * P0 - 1.626);
    double KK1 = 0;
    if (R2 < 2)
        KK1 = 8.060311 * sq(R2) - 34.48982 * R2 + 38.33839;
    else if (R2 < 3)
        KK1 = 1.124888 * sq(R2) - 6.80744 * R2 + 10.715328;
    else if (R2 < 4)
        KK1 = 0.084 * sq(R2) - 0.78 * R2 + 2.001;
    else
        KK1 = 0.0333333 * sq(R2) - 0.4 * R2 + 1.291667;
    KK1 = put(d.KK1, KK1);
    const double RAN = put(d.RAN, KK1 * RM);
    const double R0 = put(d.R0, RM + RAN);

    const double L2 = put(d.L2, (R0 * 0.99567 / (PI2 * FXH)) * 1.46 * 2 * AA / P1);
    const double C3 = put(d.C3, (0.910967 / (PI2 * FXH * R0)) * 1.46 * 2 * AA / P1);
    put(d.C2, 1 / (sq(PI2 * F0) * L2));
    put(d.L3, 1 / (sq(PI2 * F0) * C3));

    // The prototype's denominator, in the mid coefficients as scratch (single
    // precision, as the coefficients are).
    d.A21 = d.L2 * d.C2 * d.L3 * d.C3 * d.R0;
    d.A22 = d.L2 * d.L3 * d.C2;
    d.A23 = (d.L2 * d.C2 + d.L3 * d.C2 + d.L3 * d.C3) * d.R0;
    d.A24 = d.L3;

    // Ladder values with that denominator, each step reading the values the
    // steps before it replaced.
    const double A21 = d.A21, A22 = d.A22, A23 = d.A23, A24 = d.A24;
    const double c3 = put(d.C3, A21 / (A22 * R0));
    const double l3 = put(d.L3, A22 / (A23 / R0 - A24 * c3));
    const double l2 = put(d.L2, A24 - l3);
    put(d.C2, A21 / (l2 * l3 * c3 * R0));
}

// Low-pass at FXL and high-pass at FXH for each alignment.
void outerBranches(Design& d, const std::string& key)
{
    const double RE = d.RE, RH = d.RH, FXL = d.FXL, FXH = d.FXH, AA = d.AA, AA1 = d.AA1;
    const double r3 = std::pow(3.0, 0.5);
    if (key == "Butter") {
        put(d.L1, RE * AA / (PI2 * FXL));
        put(d.C1, 1 / (AA * PI2 * FXL * RE));
        put(d.L4, RH * AA / (PI2 * FXH));
        put(d.C4, 1 / (AA * PI2 * FXH * RH));
    } else if (key == "ButAsy") {
        put(d.L1, RE * AA / (PI2 * FXL * 0.76));
        put(d.C1, 1 / (AA * PI2 * FXL * RE * 0.76));
        put(d.L4, 0.76 * RH * AA / (PI2 * FXH));
        put(d.C4, 0.76 / (AA * PI2 * FXH * RH));
    } else if (key == "Linkwi") {
        put(d.L1, AA1 * RE / (PI2 * FXL));
        put(d.C1, 1 / (AA1 * PI2 * FXL * RE));
        put(d.L4, AA1 * RH / (PI2 * FXH));
        put(d.C4, 1 / (AA1 * PI2 * FXH * RH));
    } else if (key == "Bessel") {
        put(d.L1, (RE * r3 / (PI2 * FXL)) * 1.13442);
        put(d.C1, (1 / (r3 * PI2 * FXL * RE)) * 1.13442);
        put(d.L4, (RH * r3 / (PI2 * FXH)) / 1.13442);
        put(d.C4, (1 / (r3 * PI2 * FXH * RH)) / 1.13442);
    } else if (key == "Chebyc") {
        put(d.L1, (RE * 0.99567 / (PI2 * FXL)) * 1.46);
        put(d.C1, (0.910967 / (PI2 * FXL * RE)) * 1.46);
        put(d.L4, (1.09773 * RH / (PI2 * FXH)) / 1.46);
        put(d.C4, (1.00435 / (PI2 * FXH * RH)) / 1.46);
    }
}

// Coefficients of every branch from the components (single precision).
void coefficients(Design& d)
{
    d.A01 = d.L1 * d.C1 * d.RE;
    d.A02 = d.L1;
    d.A03 = d.RE;
    d.A11 = d.L4 * d.C4;
    d.A12 = d.L4 / d.RH;
    d.A13 = 1.0F;
    d.A21 = d.L2 * d.C2 * d.L3 * d.C3 * d.R0;
    d.A22 = d.L2 * d.C2 * d.L3;
    d.A23 = (d.L2 * d.C2 + d.L2 * d.C3 + d.L3 * d.C3) * d.R0;
    d.A24 = d.L2 + d.L3;
    d.A25 = d.R0;
    d.A26 = d.C2 * d.L2 * d.RM;

    d.B01 = d.L1 * d.C1 * d.RE;
    d.B02 = d.L1;
    d.B03 = d.RE;
    d.B04 = d.C1 * d.RE;
    d.B05 = 1.0F;
    d.B11 = d.L4 * d.C4 * d.RH;
    d.B12 = d.L4;
    d.B13 = d.RH;
    d.B14 = d.L4 * d.C4;
    d.B15 = d.C4 * d.RH;
    d.B21 = d.A21;
    d.B22 = d.A22;
    d.B23 = d.A23;
    d.B24 = d.A24;
    d.B25 = d.A25;
    d.B26 = (d.C2 * d.C3 * d.L3 + d.C2 * d.C3 * d.L2) * d.R0;
    d.B27 = d.C2 * d.L3 + d.C2 * d.L2;
    d.B28 = d.C2 * d.R0;
}

}  // namespace

void Snd3WaycofCal(Design& d)
{
    d.AA = static_cast<float>(std::pow(2.0, 0.5));
    const double FXL = d.FXL, FXH = d.FXH;
    const std::string& key = d.s_Type;
    bool known = true;
    if (key == "Butter") {
        ladderMid(d, FXL, FXH, d.AA, MidLevel::Plain);
    } else if (key == "ButAsy") {
        const double eL = put(d.FXL2, FXL / 0.76);
        const double eH = put(d.FXH2, FXH * 0.76);
        ladderMid(d, eL, eH, d.AA, MidLevel::Asymmetric);
    } else if (key == "Linkwi") {
        ladderMid(d, FXL, FXH, 2, MidLevel::Plain);
    } else if (key == "Bessel") {
        const double eL = put(d.FXL2, FXL * 1.13442);
        const double eH = put(d.FXH2, FXH / 1.13442);
        ladderMid(d, eL, eH, std::pow(3.0, 0.5), MidLevel::Bessel);
    } else if (key == "Chebyc") {
        chebyshevMid(d);
    } else {
        known = false;  // no formulas: the components stay as they were
    }
    if (known) outerBranches(d, key);
    valChg3way2nd(d);
    coefficients(d);
}

void valChg3way2nd(Design& d)
{
    d.LL1 = mH(d.L1);
    d.CL1 = uF(d.C1);
    d.CM1 = uF(d.C2);
    d.LM1 = mH(d.L2);
    d.LM2 = mH(d.L3);
    d.CM2 = uF(d.C3);
    d.LH1 = mH(d.L4);
    d.CH1 = uF(d.C4);
}

// Mid: the band-pass ladder into RM behind RAN, in opposite polarity to the
// other two; it enters the total negated. Its sums run from the highest power.
constexpr UnitShape kSnd3Way{
    Snd3WaycofCal,
    3,
    Sum::FromHighest,
    {{sndLow,
      {{&Design::A26, 0, 0},
       {&Design::A21, &Design::A22, &Design::A23, &Design::A24, &Design::A25},
       {&Design::B21, &Design::B22, &Design::B23, &Design::B24, &Design::B25},
       {&Design::B26, &Design::B27, &Design::B28, 0},
       {},
       {.shift = PI2}},
      sndHigh}},
    // Unlike the 2-way total, the 3-way total phase carries no constant.
    {.amplitude = {Factor::One, Factor::Minus, Factor::One},
     .angle = {Factor::One, Factor::Minus, Factor::One},
     .nyquist = {.shift = pi}},
};

const NetworkUnit& snd3WayUnit()
{
    static const NetworkUnit unit =
        makeUnit<kSnd3Way>({{{"Snd3WayLoFrCal", "Snd3WayMidFrCal", "Snd3WayHiFrCal", "Snd3WayToFrCal"},
                             {"Snd3WayLoImpCal", "Snd3WayMidImpCal", "Snd3WayHiImpCal", "Snd3WayToImpCal"},
                             {"Snd3WayLoPhCal", "Snd3WayMidPhCal", "Snd3WayHiPhCal", "Snd3WayToPhCal"},
                             {"Snd3WayLoGdCal", "Snd3WayMidGdCal", "Snd3WayHiGdCal", "Snd3WayToGdCal"},
                             {"Snd3WayLoNqCal", "Snd3WayMidNqCal", "Snd3WayHiNqCal", "Snd3WayToNqCal"},
                             {"Snd3WayLoStepSubstitution", "Snd3WayMidStepSubstitution", "Snd3WayHiStepSubstitution"}}},
                           // Branch by branch, each in signal order from the amplifier.
                           {{"LL1", &Design::LL1},
                            {"CL1", &Design::CL1},
                            {"CM1", &Design::CM1},
                            {"LM1", &Design::LM1},
                            {"LM2", &Design::LM2},
                            {"CM2", &Design::CM2},
                            {"CH1", &Design::CH1},
                            {"LH1", &Design::LH1}});
    return unit;
}

}  // namespace larkspan
