// Synthesis of the fourth-order 3-way network: the alignment procedures, the
// band-pass prototype table, the continued-fraction expansion of the mid
// ladder and the coefficients of every branch. Products and sums of stored
// values are formed in single precision; a formula with a decimal constant,
// 2π or a power is evaluated in double and stored as float.
#include "synthesis/fth3way.h"

#include <array>
#include <cmath>

#include "synthesis/display_units.h"
#include "synthesis/precision.h"

namespace larkspan {

namespace {

// One breakpoint of the band-pass prototype table over the ratio R2: the
// prototype coefficient (Y), the second coefficient (Y0) and the level
// factor (Y1).
struct Breakpoint {
    float R;
    float Y;
    float Y0;
    float Y1;
};

// Y at R = 2.1 lies above both neighbours; it is kept as tabulated, and both
// intervals that meet there use it.
constexpr std::array<Breakpoint, 27> kPrototypeTable{{
    {1.4F, 2.4304F, 2.7392F, 1.312F},  {1.5F, 2.5051F, 2.7402F, 1.1444F}, {1.6F, 2.5651F, 2.7501F, 1.0726F},
    {1.7F, 2.613F, 2.7614F, 1.0382F},  {1.8F, 2.6512F, 2.7718F, 1.0247F}, {1.9F, 2.6819F, 2.7809F, 1.0114F},
    {2.0F, 2.7066F, 2.7885F, 1.0064F}, {2.1F, 2.7766F, 2.7948F, 1.0037F}, {2.2F, 2.7428F, 2.8001F, 1.0021F},
    {2.3F, 2.7561F, 2.8044F, 1.0012F}, {2.4F, 2.7669F, 2.808F, 1.0007F},  {2.5F, 2.7758F, 2.8109F, 1.0004F},
    {2.6F, 2.7832F, 2.8134F, 1.0002F}, {2.7F, 2.7894F, 2.8154F, 1.0001F}, {2.8F, 2.7946F, 2.8171F, 1.0001F},
    {2.9F, 2.7989F, 2.8186F, 1.0F},    {3.0F, 2.8026F, 2.8198F, 1.0F},    {3.2F, 2.8084F, 2.8217F, 1.0F},
    {3.4F, 2.8127F, 2.8232F, 1.0F},    {3.6F, 2.8159F, 2.8242F, 1.0F},    {3.8F, 2.8183F, 2.8251F, 1.0F},
    {4.0F, 2.8202F, 2.8257F, 1.0F},    {4.2F, 2.8216F, 2.8262F, 1.0F},    {4.4F, 2.8228F, 2.8265F, 1.0F},
    {4.6F, 2.8237F, 2.8269F, 1.0F},    {4.8F, 2.8244F, 2.8271F, 1.0F},    {5.0F, 2.825F, 2.8273F, 1.0F},
}};

// Level factor shared by "Butter", "ButAsy" and "Bessel": a line in R2 with a
// steeper piece below 2.
double levelSlopeFactor(float R2)
{
    return R2 >= 2.0F ? -0.025 * R2 + 1.225 : -0.3 * R2 + 1.775;
}

// Centre frequency and ratios of a band from fl to fh.
void setBand(Design& d, float fl, float fh)
{
    d.F0 = static_cast<float>(std::pow(D(fl) * fh, 0.5));
    d.R1 = fl / d.F0;
    d.R2 = fh / d.F0;
}

// Prototype coefficients of the band edges from the table lines, with the
// prototype factor q: a decimal constant evaluates in double, a stored factor
// in single precision.
void setPrototype(Design& d, double q)
{
    d.AA1 = static_cast<float>((D(d.A00) * d.R2 + d.B00) * q);
    d.CC1 = d.A001 * d.R2 + d.B001;
    d.H1 = d.A002 * d.R2 + d.B002;
    d.BB1 = static_cast<float>((D(d.CC1) * d.CC1 / 2) * q);
}

void setPrototype(Design& d, float q)
{
    d.AA1 = (d.A00 * d.R2 + d.B00) * q;
    d.CC1 = d.A001 * d.R2 + d.B001;
    d.H1 = d.A002 * d.R2 + d.B002;
    d.BB1 = (d.CC1 * d.CC1 / 2) * q;
}

// The eighth-order band-pass (high-pass at R1 times low-pass at R2, normalised
// to F0), its continued-fraction expansion into the mid ladder, and the
// unscaled level resistor RAN that brings the mid gain to H2.
void expandBandPass(Design& d)
{
    const float R1 = d.R1, R2 = d.R2, AA1 = d.AA1, BB1 = d.BB1, CC1 = d.CC1;
    d.AA2 = CC1 * R2 + AA1 * R1;
    d.BB2 = BB1 * R2 * R2 + AA1 * CC1 + BB1 * R1 * R1;
    d.CC2 = AA1 * R2 * R2 * R2 + AA1 * BB1 * R2 + BB1 * CC1 * R1 + CC1 * R1 * R1 * R1;
    d.DD2 = R2 * R2 * R2 * R2 + AA1 * AA1 * R2 * R2 + BB1 * BB1 + CC1 * CC1 * R1 * R1 + R1 * R1 * R1 * R1;
    d.H2 = std::fabs(d.H1) * R2 * R2 * R2 * R2;

    d.E0 = d.BB2 - d.CC2 / d.AA2;
    d.F00 = d.DD2 - d.CC2 / d.AA2;
    d.G0 = d.CC2 - d.AA2 * d.F00 / d.E0;
    d.J0 = d.CC2 - d.AA2 * (d.BB2 - 1) / d.E0;
    d.k0 = d.F00 - d.J0 * d.E0 / d.G0;
    d.L0 = d.AA2 - d.AA2 / d.E0;
    d.M0 = (d.BB2 - 1) - d.E0 * d.L0 / d.G0;
    d.N0 = d.J0 - d.G0 * d.M0 / d.k0;
    d.P0 = d.L0 - d.G0 / d.k0;
    d.Q0 = d.M0 - d.N0 / d.P0;
    d.T0 = d.N0 - d.P0 * d.k0 / d.Q0;

    d.RAN = (d.k0 / d.H2 - 1) * d.RM;
}

// Mid ladder components from the expansion, for the load R0.
void setMidLadder(Design& d)
{
    const double w0 = PI2 * d.F0;
    const double R0 = d.R0;
    d.L3 = static_cast<float>(d.T0 * R0 / (d.Q0 * w0));
    d.L4 = static_cast<float>(d.P0 * R0 / w0);
    d.L5 = static_cast<float>(d.G0 * R0 / (d.k0 * w0));
    d.L6 = static_cast<float>(d.AA2 * R0 / (d.E0 * w0));
    d.C3 = static_cast<float>(d.k0 / (d.T0 * R0 * w0));
    d.C4 = static_cast<float>(d.Q0 / (d.P0 * R0 * w0));
    d.C5 = static_cast<float>(d.E0 / (d.G0 * R0 * w0));
    d.C6 = static_cast<float>(1 / (d.AA2 * R0 * w0));
}

// Low-pass (L1, C1, L2, C2) and high-pass (C7, L7, C8, L8) ladders.
void setButterLowHigh(Design& d)
{
    const double AA = d.AA, BB = d.BB, RE = d.RE, RH = d.RH;
    const double wL = PI2 * d.FXL, wH = PI2 * d.FXH;
    d.L1 = static_cast<float>(AA * (BB - 2) * RE / ((BB - 1) * wL));
    d.L2 = static_cast<float>(AA * RE / ((BB - 1) * wL));
    d.C1 = static_cast<float>(std::pow(BB - 1, 2.0) / (AA * (BB - 2) * wL * RE));
    d.C2 = static_cast<float>(1 / (AA * wL * RE));
    d.C7 = static_cast<float>((BB - 1) / (AA * (BB - 2) * wH * RH));
    d.C8 = static_cast<float>((BB - 1) / (AA * wH * RH));
    d.L7 = static_cast<float>(AA * (BB - 2) * RH / (std::pow(BB - 1, 2.0) * wH));
    d.L8 = static_cast<float>(AA * RH / wH);
}

// "Butter" with the low pass moved down and the high pass moved up by 0.88.
void setButAsyLowHigh(Design& d)
{
    const double AA = d.AA, BB = d.BB, RE = d.RE, RH = d.RH;
    const double wL = PI2 * d.FXL, wH = PI2 * d.FXH;
    d.L1 = static_cast<float>(AA * (BB - 2) * RE / ((BB - 1) * wL * 0.88));
    d.L2 = static_cast<float>(AA * RE / ((BB - 1) * wL * 0.88));
    d.C1 = static_cast<float>(std::pow(BB - 1, 2.0) / (AA * (BB - 2) * wL * RE * 0.88));
    d.C2 = static_cast<float>(1 / (AA * wL * RE * 0.88));
    d.C7 = static_cast<float>(0.88 * (BB - 1) / (AA * (BB - 2) * wH * RH));
    d.C8 = static_cast<float>(0.88 * (BB - 1) / (AA * wH * RH));
    d.L7 = static_cast<float>(0.88 * AA * (BB - 2) * RH / (std::pow(BB - 1, 2.0) * wH));
    d.L8 = static_cast<float>(0.88 * AA * RH / wH);
}

void setLinkwiLowHigh(Design& d)
{
    const double CC = d.CC, RE = d.RE, RH = d.RH;
    const double wL = PI2 * d.FXL, wH = PI2 * d.FXH;
    d.L1 = static_cast<float>(4 * CC * RE / (3 * wL));
    d.L2 = static_cast<float>(2 * CC * RE / (3 * wL));
    d.C1 = static_cast<float>(9 / (4 * CC * wL * RE));
    d.C2 = static_cast<float>(1 / (2 * CC * wL * RE));
    d.C7 = static_cast<float>(3 / (4 * CC * wH * RH));
    d.C8 = static_cast<float>(3 / (2 * CC * wH * RH));
    d.L7 = static_cast<float>(4 * CC * RH / (9 * wH));
    d.L8 = static_cast<float>(2 * CC * RH / wH);
}

// Fourth-order Bessel ladder with unit delay, scaled by 2.9 in frequency.
void setBesselLowHigh(Design& d)
{
    const double RE = d.RE, RH = d.RH;
    const double wL = PI2 * d.FXL, wH = PI2 * d.FXH;
    d.L1 = static_cast<float>((49 * RE / (69 * wL)) * 2.9);
    d.L2 = static_cast<float>((20 * RE / (69 * wL)) * 2.9);
    d.C1 = static_cast<float>((4761 / (10290 * wL * RE)) * 2.9);
    d.C2 = static_cast<float>((1 / (10 * wL * RE)) * 2.9);
    d.C7 = static_cast<float>((69 / (49 * wH * RH)) / 2.9);
    d.C8 = static_cast<float>((69 / (20 * wH * RH)) / 2.9);
    d.L7 = static_cast<float>((10290 * RH / (4761 * wH)) / 2.9);
    d.L8 = static_cast<float>((10 * RH / wH) / 2.9);
}

// Chebyshev ladder with 1 dB ripple ending at the crossover frequency.
void setChebycLowHigh(Design& d)
{
    const double RE = d.RE, RH = d.RH;
    const double wL = PI2 * d.FXL, wH = PI2 * d.FXH;
    d.L1 = static_cast<float>(1.28173 * RE / wL);
    d.L2 = static_cast<float>(1.41256 * RE / wL);
    d.C1 = static_cast<float>(1.90934 / (wL * RE));
    d.C2 = static_cast<float>(1.04952 / (wL * RE));
    d.C7 = static_cast<float>(0.780196 / (wH * RH));
    d.C8 = static_cast<float>(0.707935 / (wH * RH));
    d.L7 = static_cast<float>(0.523774 * RH / wH);
    d.L8 = static_cast<float>(0.952817 * RH / wH);
}

void butterworth(Design& d)
{
    setBand(d, d.FXL, d.FXH);
    Fth3WayparaCal(d);
    setPrototype(d, 0.95);
    expandBandPass(d);
    d.KK1 = d.R2 >= 2.75F ? 1.0F
                          : static_cast<float>(-0.0914509 * std::pow(D(d.R2), 3.0) + 0.507554 * std::pow(D(d.R2), 2.0) -
                                               1.03157 * d.R2 + 1.90033);
    d.RAN = static_cast<float>(D(d.RAN) * d.KK1 * levelSlopeFactor(d.R2));
    d.R0 = d.RAN + d.RM;
    setMidLadder(d);
    setButterLowHigh(d);
}

void butterworthAsymmetric(Design& d)
{
    d.FXL2 = static_cast<float>(d.FXL / 0.92);
    d.FXH2 = static_cast<float>(d.FXH * 0.92);
    setBand(d, d.FXL2, d.FXH2);
    Fth3WayparaCal(d);
    setPrototype(d, 0.95);
    expandBandPass(d);
    d.KK1 = d.R2 >= 2.0F ? 1.0F
                         : static_cast<float>(-5.49243 * std::pow(D(d.R2), 3.0) + 30.5796 * std::pow(D(d.R2), 2.0) -
                                              57.0237 * d.R2 + 36.7683);
    d.RAN = static_cast<float>(D(d.RAN) * d.KK1 * levelSlopeFactor(d.R2));
    d.R0 = d.RAN + d.RM;
    setMidLadder(d);
    setButAsyLowHigh(d);
}

void linkwitzRiley(Design& d)
{
    setBand(d, d.FXL, d.FXH);
    const double r = d.R2;
    if (d.R2 < 2.5F)
        d.KK1 =
            static_cast<float>(-0.00732381 * std::pow(r, 3.0) + 0.0429072 * std::pow(r, 2.0) - 0.103394 * r + 1.14075);
    else if (d.R2 < 4.0F)
        d.KK1 =
            static_cast<float>(0.00533303 * std::pow(r, 3.0) - 0.0479971 * std::pow(r, 2.0) + 0.126657 * r + 0.93601);
    else
        d.KK1 = static_cast<float>(-0.002 * r + 1.024);
    Fth3WayparaCal(d);
    setPrototype(d, d.KK1);
    expandBandPass(d);
    if (d.R2 < 2.5F)
        d.KK2 =
            static_cast<float>(-0.0757572 * std::pow(r, 3.0) + 0.386362 * std::pow(r, 2.0) - 0.38333 * r + 0.467271);
    else if (d.R2 < 3.5F)
        d.KK2 = static_cast<float>(-0.0599999 * std::pow(r, 2.0) + 0.429999 * r + 0.0400008);
    else
        d.KK2 = 0.81F;
    d.RAN = d.RAN * d.KK2;
    d.R0 = d.RAN + d.RM;
    setMidLadder(d);
    setLinkwiLowHigh(d);
}

void bessel(Design& d)
{
    setBand(d, d.FXL, d.FXH);
    Fth3WayparaCal(d);
    setPrototype(d, 1.1);
    expandBandPass(d);
    d.RAN = static_cast<float>(d.RAN * 0.6);
    d.KK1 = d.R2 >= 2.7F ? 1.0F
                         : static_cast<float>(-0.22863 * std::pow(D(d.R2), 3.0) + 1.3596 * std::pow(D(d.R2), 2.0) -
                                              2.21069 * d.R2 + 1.55752);
    d.RAN = static_cast<float>(D(d.RAN) * d.KK1 * levelSlopeFactor(d.R2));
    d.R0 = d.RAN + d.RM;
    setMidLadder(d);
    setBesselLowHigh(d);
}

// Level fraction KK1 and the factor on P1, by range of R2.
void chebycLevel(Design& d)
{
    const double r = d.R2;
    double kk1 = 0;
    double p1Factor = 1.04;
    if (d.R2 < 2.0F) {
        kk1 = 35.55556 * std::pow(r, 2.0) - 146.22222 * r + 152.82222;
        p1Factor = 0.555556 * std::pow(r, 2.0) - 1.805556 * r + 2.488889;
    } else if (d.R2 < 2.5F) {
        kk1 = 4.0 * std::pow(r, 2.0) - 21.4 * r + 29.4;
        p1Factor = -0.16 * std::pow(r, 2.0) + 0.76 * r + 0.22;
    } else if (d.R2 < 3.0F) {
        kk1 = 1.04 * std::pow(r, 2.0) - 6.58 * r + 10.85;
        p1Factor = -0.08 * std::pow(r, 2.0) + 0.26 * r + 0.97;
    } else if (d.R2 < 3.5F) {
        kk1 = 0.08 * std::pow(r, 2.0) - 0.86 * r + 2.33;
        p1Factor = -0.12 * r + 1.39;
    } else if (d.R2 < 4.0F) {
        kk1 = 0.24 * std::pow(r, 2.0) - 1.98 * r + 4.29;
        p1Factor = 0.56 * std::pow(r, 2.0) - 4.06 * r + 8.32;
    } else if (d.R2 < 4.5F) {
        kk1 = -0.24 * std::pow(r, 2.0) + 1.94 * r - 3.71;
    } else {
        kk1 = 0.16 * std::pow(r, 2.0) - 1.6 * r + 4.12;
    }
    d.KK1 = static_cast<float>(kk1);
    d.P1 = static_cast<float>(d.P1 * p1Factor);
}

// Mid band-pass of the Chebyshev low-pass prototype at FXH: series L3 + C3,
// L5 parallel C5 across the line, series L4 + C4, L6 parallel C6 across R0.
void setChebycFirstForm(Design& d)
{
    const double wH = PI2 * d.FXH;
    const double R0 = d.R0;
    d.L3 = static_cast<float>((1.28173 * R0 / wH) * d.P1);
    d.L4 = static_cast<float>((1.41256 * R0 / wH) * d.P1);
    d.C5 = static_cast<float>((1.90934 / (wH * R0)) * d.P1);
    d.C6 = static_cast<float>((1.04952 / (wH * R0)) * d.P1);
    const double v = std::pow(PI2 * d.F0, 2.0);
    d.C3 = static_cast<float>(1 / (v * d.L3));
    d.C4 = static_cast<float>(1 / (v * d.L4));
    d.L5 = static_cast<float>(1 / (v * d.C5));
    d.L6 = static_cast<float>(1 / (v * d.C6));
}

// Denominator of the first form, constant term R0, kept in A21..A28.
void setFirstFormDenominator(Design& d)
{
    const float L3 = d.L3, L4 = d.L4, L5 = d.L5, L6 = d.L6;
    const float C3 = d.C3, C4 = d.C4, C5 = d.C5, C6 = d.C6, R0 = d.R0;
    d.A21 = C3 * C4 * C5 * C6 * L3 * L4 * L5 * L6 * R0;
    d.A22 = C3 * C4 * C5 * L3 * L4 * L5 * L6;
    d.A23 = (C3 * C4 * C6 * L4 * L5 * L6 + C3 * C4 * C6 * L3 * L5 * L6 + C3 * C4 * C5 * L3 * L5 * L6 +
             C3 * C4 * C5 * L3 * L4 * L5 + C3 * C5 * C6 * L3 * L5 * L6 + C3 * C4 * C6 * L3 * L4 * L6 +
             C4 * C5 * C6 * L4 * L5 * L6) *
            R0;
    d.A24 = C3 * C4 * L4 * L5 * L6 + C3 * C5 * L3 * L5 * L6 + C3 * C4 * L3 * L4 * L6 + C3 * C4 * L3 * L5 * L6 +
            C4 * C5 * L4 * L5 * L6;
    d.A25 = (C3 * C4 * L5 * L6 + C3 * C4 * L4 * L5 + C3 * C6 * L5 * L6 + C3 * C4 * L3 * L5 + C3 * C5 * L3 * L5 +
             C3 * C4 * L3 * L6 + C3 * C4 * L3 * L4 + C3 * C6 * L3 * L6 + C4 * C5 * L5 * L6 + C4 * C5 * L4 * L5 +
             C5 * C6 * L5 * L6 + C4 * C6 * L4 * L6 + C4 * C6 * L5 * L6) *
            R0;
    d.A26 = C3 * L3 * L6 + C5 * L5 * L6 + C4 * L4 * L6 + C3 * L5 * L6 + C4 * L5 * L6;
    d.A27 = (C3 * L5 + C3 * L3 + C5 * L5 + C4 * L6 + C4 * L4 + C6 * L6 + C4 * L5) * R0;
    d.A28 = L6;
}

// Element by element, the mid ladder of this network that has the first
// form's denominator; each step uses the elements already replaced.
void convertFirstForm(Design& d)
{
    const float R0 = d.R0;
    const float A21 = d.A21, A22 = d.A22, A24 = d.A24, A25 = d.A25;
    const float A23 = d.A23, A26 = d.A26, A27 = d.A27, A28 = d.A28;
    d.C6 = A21 / (A22 * R0);
    d.L6 = A22 / (A23 / R0 - A24 * d.C6);
    d.C5 = A22 / (((A26 * d.L6 * d.C6 - A25 * d.L6 / R0) + A24) * d.L6);
    const float L6 = d.L6, C5 = d.C5, C6 = d.C6;
    d.L5 = A22 * L6 /
           (A27 * L6 * L6 * L6 * C5 * C5 / R0 - A26 * L6 * L6 * C5 * C5 - A28 * L6 * L6 * L6 * C5 * C5 * C6 +
            A24 * L6 * C5 - A22);
    const float L5 = d.L5;
    d.L4 = A28 - L5 - L6;
    const float L4 = d.L4;
    const float a = L4 - L4 * L5 / (L4 + L5);
    const float b = (A26 - (A27 / R0 - (L4 * C6 + L5 * C6 + L6 * C6)) * L6) / (L4 + L5) - A27 / R0 + L6 * C6 + L5 * C5 +
                    L5 * C6 + L4 * C5 + L4 * C6;
    const float c = A22 / (L4 * L5 * L6 * C5) - (A22 / (L4 * L6 * C5) + A22 / (L5 * L6 * C5)) / (L4 + L5);
    // A negative discriminant leaves NaN, which flows on into the coefficients.
    d.C4 = static_cast<float>((-D(b) + std::pow(D(b) * b - 4 * D(a) * c, 0.5)) / (2 * D(a)));
    const float C4 = d.C4;
    d.L3 = ((A27 / R0 - A22 / (L4 * L5 * L6 * C4 * C5)) - (L4 * C4 + L6 * C6 + L5 * C5 + L5 * C6 + L4 * C5 + L4 * C6)) /
           C4;
    d.C3 = A22 / (d.L3 * L4 * L5 * L6 * C4 * C5);
}

void chebyshev(Design& d)
{
    d.F0 = static_cast<float>(std::pow(D(d.FXL) * d.FXH, 0.5));
    d.FOF = d.FXH - d.FXL;
    d.R2 = d.FXH / d.F0;
    d.P0 = static_cast<float>((d.FOF + std::pow(std::pow(D(d.FOF), 2.0) + 4 * std::pow(D(d.F0), 2.0), 0.5)) /
                              (2 * D(d.F0)));
    const double p = d.P0;
    d.P1 = d.P0 <= 4.0F
               ? static_cast<float>(-0.224373 * std::pow(p, 3.0) + 2.07436 * std::pow(p, 2.0) - 6.28369 * p + 7.36495)
               : static_cast<float>(-0.0241 * p + 1.1564);
    chebycLevel(d);
    d.RAN = d.KK1 * d.RM;
    d.R0 = d.RM + d.RAN;
    setChebycLowHigh(d);
    setChebycFirstForm(d);
    setFirstFormDenominator(d);
    convertFirstForm(d);
}

void setCoefficients(Design& d)
{
    const float L1 = d.L1, L2 = d.L2, C1 = d.C1, C2 = d.C2, RE = d.RE;
    d.A01 = L1 * C1 * L2 * C2;
    d.A02 = L1 * C1 * L2 / RE;
    d.A03 = L1 * C1 + L1 * C2 + L2 * C2;
    d.A04 = (L1 + L2) / RE;
    d.A05 = 1.0F;
    d.B01 = d.A01;
    d.B02 = d.A02;
    d.B03 = d.A03;
    d.B04 = d.A04;
    d.B05 = d.A05;
    d.B06 = C1 * C2 * L2;
    d.B07 = C1 * L2 / RE;
    d.B08 = C1 + C2;
    d.B09 = 1 / RE;

    const float L7 = d.L7, L8 = d.L8, C7 = d.C7, C8 = d.C8, RH = d.RH;
    d.A11 = L7 * C7 * L8 * C8;
    d.A12 = (L7 * C7 * L8 + L7 * L8 * C8) / RH;
    d.A13 = L7 * C7 + L7 * C8 + L8 * C8;
    d.A14 = L8 / RH;
    d.A15 = 1.0F;
    d.B11 = d.A11;
    d.B12 = d.A12;
    d.B13 = d.A13;
    d.B14 = d.A14;
    d.B15 = d.A15;
    d.B16 = C7 * C8 * L7 * L8 / RH;
    d.B17 = C7 * C8 * L7 + C7 * C8 * L8;
    d.B18 = C7 * L8 / RH;
    d.B19 = C7;

    const float L3 = d.L3, L4 = d.L4, L5 = d.L5, L6 = d.L6;
    const float C3 = d.C3, C4 = d.C4, C5 = d.C5, C6 = d.C6, R0 = d.R0;
    d.A21 = L3 * L4 * L5 * L6 * C3 * C4 * C5 * C6 * R0;
    d.A22 = L3 * L4 * L5 * L6 * C3 * C4 * C5;
    d.A23 = (L3 * L4 * L6 * C3 * C4 * C6 + L3 * L5 * L6 * C3 * C5 * C6 + L3 * L4 * L6 * C3 * C5 * C6 +
             L3 * L5 * L6 * C4 * C5 * C6 + L3 * L4 * L6 * C4 * C5 * C6 + L4 * L5 * L6 * C4 * C5 * C6 +
             L3 * L4 * L5 * C3 * C4 * C5 + L3 * L4 * L5 * C3 * C4 * C6) *
            R0;
    d.A24 = L3 * L4 * L6 * C3 * C4 + L3 * L4 * L5 * C3 * C4 + L3 * L5 * L6 * C3 * C5 + L3 * L4 * L6 * C3 * C5 +
            L3 * L5 * L6 * C4 * C5 + L3 * L4 * L6 * C4 * C5 + L4 * L5 * L6 * C4 * C5;
    d.A25 = (L3 * L4 * C3 * C4 + L3 * L6 * C3 * C6 + L3 * L5 * C3 * C5 + L3 * L5 * C3 * C6 + L3 * L4 * C3 * C5 +
             L3 * L4 * C3 * C6 + L3 * L6 * C4 * C6 + L3 * L5 * C4 * C5 + L3 * L5 * C4 * C6 + L3 * L4 * C4 * C5 +
             L3 * L4 * C4 * C6 + L4 * L6 * C4 * C6 + L4 * L5 * C4 * C5 + L4 * L5 * C4 * C6 + L5 * L6 * C5 * C6 +
             L4 * L6 * C5 * C6) *
            R0;
    d.A26 = L3 * L6 * C3 + L3 * L5 * C3 + L3 * L4 * C3 + L3 * L6 * C4 + L3 * L5 * C4 + L3 * L4 * C4 + L4 * L6 * C4 +
            L4 * L5 * C4 + L5 * L6 * C5 + L4 * L6 * C5;
    d.A27 = (L3 * C3 + L3 * C4 + L4 * C4 + L6 * C6 + L5 * C5 + L5 * C6 + L4 * C5 + L4 * C6) * R0;
    d.A28 = L6 + L5 + L4;
    d.A29 = R0;
    d.A30 = L3 * L4 * C3 * C4 * d.RM;

    d.B21 =
        (L3 * L5 * L6 * C3 * C4 * C5 * C6 + L3 * L4 * L6 * C3 * C4 * C5 * C6 + L4 * L5 * L6 * C3 * C4 * C5 * C6) * R0;
    d.B22 = L3 * L5 * L6 * C3 * C4 * C5 + L3 * L4 * L6 * C3 * C4 * C5 + L4 * L5 * L6 * C3 * C4 * C5;
    d.B23 = (L3 * L6 * C3 * C4 * C6 + L3 * L5 * C3 * C4 * C5 + L3 * L5 * C3 * C4 * C6 + L3 * L4 * C3 * C4 * C5 +
             L3 * L4 * C3 * C4 * C6 + L4 * L6 * C3 * C4 * C6 + L4 * L5 * C3 * C4 * C5 + L4 * L5 * C3 * C4 * C6 +
             L5 * L6 * C3 * C5 * C6 + L4 * L6 * C3 * C5 * C6) *
            R0;
    d.B24 = L3 * L6 * C3 * C4 + L3 * L5 * C3 * C4 + L3 * L4 * C3 * C4 + L4 * L6 * C3 * C4 + L4 * L5 * C3 * C4 +
            L5 * L6 * C3 * C5 + L4 * L6 * C3 * C5;
    d.B25 =
        (L3 * C3 * C4 + L4 * C3 * C4 + L6 * C3 * C6 + L5 * C3 * C5 + L5 * C3 * C6 + L4 * C3 * C5 + L4 * C3 * C6) * R0;
    d.B26 = L6 * C3 + L5 * C3 + L4 * C3;
    d.B27 = C3 * R0;
    d.C21 = d.A21;
    d.C22 = d.A22;
    d.C23 = d.A23;
    d.C24 = d.A24;
    d.C25 = d.A25;
    d.C26 = d.A26;
    d.C27 = d.A27;
    d.C28 = d.A28;
    d.C29 = d.A29;
}

}  // namespace

void Fth3WayparaCal(Design& d)
{
    // The interval ends at the first breakpoint not below R2, from 1.5 on;
    // beyond 4.8 (or for a NaN ratio) the last interval extrapolates.
    std::size_t upper = 1;
    while (upper + 1 < kPrototypeTable.size() && !(d.R2 <= kPrototypeTable[upper].R)) ++upper;
    const Breakpoint& lo = kPrototypeTable[upper - 1];
    const Breakpoint& hi = kPrototypeTable[upper];
    d.R01 = lo.R;
    d.R02 = hi.R;
    d.Y1 = lo.Y;
    d.y2 = hi.Y;
    d.y01 = lo.Y0;
    d.y02 = hi.Y0;
    d.y11 = lo.Y1;
    d.y12 = hi.Y1;
    d.A00 = (d.y2 - d.Y1) / (d.R02 - d.R01);
    d.B00 = d.Y1 - d.A00 * d.R01;
    d.A001 = (d.y02 - d.y01) / (d.R02 - d.R01);
    d.B001 = d.y01 - d.A001 * d.R01;
    d.A002 = (d.y12 - d.y11) / (d.R02 - d.R01);
    d.B002 = d.y11 - d.A002 * d.R01;
}

void valChg3way4th(Design& d)
{
    d.LL1 = mH(d.L1);
    d.LL2 = mH(d.L2);
    d.CL1 = uF(d.C1);
    d.CL2 = uF(d.C2);
    d.LM1 = mH(d.L3);
    d.LM2 = mH(d.L4);
    d.LM3 = mH(d.L5);
    d.LM4 = mH(d.L6);
    d.CM1 = uF(d.C3);
    d.CM2 = uF(d.C4);
    d.CM3 = uF(d.C5);
    d.CM4 = uF(d.C6);
    d.CH1 = uF(d.C7);
    d.CH2 = uF(d.C8);
    d.LH1 = mH(d.L7);
    d.LH2 = mH(d.L8);
}

void Fth3WaycofCal(Design& d)
{
    d.AA = static_cast<float>(std::pow(4.0 + 2.0 * std::pow(2.0, 0.5), 0.5));
    d.BB = static_cast<float>(2 + std::pow(2.0, 0.5));
    d.CC = static_cast<float>(std::pow(2.0, 0.5));

    if (d.s_Type == "Butter")
        butterworth(d);
    else if (d.s_Type == "ButAsy")
        butterworthAsymmetric(d);
    else if (d.s_Type == "Linkwi")
        linkwitzRiley(d);
    else if (d.s_Type == "Bessel")
        bessel(d);
    else if (d.s_Type == "Chebyc")
        chebyshev(d);

    valChg3way4th(d);
    setCoefficients(d);
}

}  // namespace larkspan
