// The driver corrections and the L-pads: checked against the published example
// values and against the circuits themselves, solved by nodal analysis.
#include "corrections/impedance_correction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "corrections/attenuators.h"
#include "support/nodal.h"

namespace larkspan {
namespace {

using test::cplx;
using test::Ladder;

// The published examples, to half a unit of their last printed digit: the
// correction of an 8 ohm / 0.5 mH woofer and a 6 ohm / 0.05 mH tweeter, the
// 6 dB L-pad of an 8 ohm tweeter at 50 W (entered positive), and the mid
// level resistor of 1 ohm rated without a pad (Vmax = 21.21 V and
// iRAN = 2.357 A are internal; PRAN = iRAN²·RAN). Values left from an earlier
// pad are cleared where there is none.
TEST(Corrections, PublishedExamples)
{
    Design d;
    d.RE = 8;
    d.LE = 0.5F;
    d.RH = 6;
    d.LH = 0.05F;
    d.RSM = d.RPM = d.PRSM = d.PRPM = d.RSH = d.RPH = d.PRSH = d.PRPH = 99;
    d.AttM = d.AttH = 0;
    d.RAN = 1;
    d.RM = 8;
    d.PinM = 50;
    CalcImpIncAtt(d);
    Design pad;
    pad.AttH = 6;
    pad.RH = 8;
    pad.PinH = 50;
    CalcImpIncAtt(pad);
    const struct {
        const Design& d;
        float Design::*field;
        double value, tolerance;
    } rows[] = {
        {d, &Design::REQL, 8, 0},          {d, &Design::CEQL, 7.8125, 1e-5}, {d, &Design::REQH, 6, 0},
        {d, &Design::CEQH, 1.3889, 5e-5},  {d, &Design::RSM, 0, 0},          {d, &Design::RPM, 0, 0},
        {d, &Design::PRSM, 0, 0},          {d, &Design::PRPM, 0, 0},         {d, &Design::PRAN, 5.56, 5e-3},
        {d, &Design::RST, 1, 0},           {d, &Design::PRT, 5.56, 5e-3},    {pad, &Design::AttH, -6, 0},
        {pad, &Design::RPH, 8.038, 5e-4},  {pad, &Design::RSH, 3.991, 5e-4}, {pad, &Design::PRSH, 24.94, 5e-3},
        {pad, &Design::PRPH, 12.50, 5e-3}, {d, &Design::RSH, 0, 0},          {d, &Design::RPH, 0, 0},
        {d, &Design::PRSH, 0, 0},          {d, &Design::PRPH, 0, 0},
    };
    for (const auto& r : rows) EXPECT_NEAR(r.d.*r.field, r.value, r.tolerance) << (&r - rows);
}

struct DriverRow {
    const char* name;
    float re;  // ohm
    float le;  // mH
    friend void PrintTo(const DriverRow& r, std::ostream* os) { *os << r.name; }
};

class ZobelFlattensTheDriver : public testing::TestWithParam<DriverRow> {};

// A driver modelled as RE in series with LE, with the correction R-C across
// it, must look like the constant resistance RE to the network at every
// frequency of the sweeps (20 Hz to 20 kHz). The input impedance comes from
// the nodal solver; nothing of the correction formula is used.
TEST_P(ZobelFlattensTheDriver, InputImpedanceIsTheResistanceAtEveryFrequency)
{
    const DriverRow& row = GetParam();
    // The same driver on all three positions: each must be corrected alike.
    Design d;
    d.RE = d.RM = d.RH = row.re;
    d.LE = d.LM = d.LH = row.le;
    CalcImpIncAtt(d);
    const std::pair<float, float> corrections[] = {{d.REQL, d.CEQL}, {d.REQM, d.CEQM}, {d.REQH, d.CEQH}};
    for (const auto& [req, ceq] : corrections) {
        const Ladder net =
            Ladder().R(1, 2, row.re).L(2, 0, row.le / 1000.0).R(1, 3, req).C(3, 0, static_cast<double>(ceq) * 1e-6);
        for (double hz = 20; hz <= 20000; hz *= 1.5) {
            const cplx z = net.inputImpedance(2 * 3.141592653589793 * hz);
            // The capacitor is stored as a float: relative error below 1e-7.
            EXPECT_NEAR(z.real(), row.re, row.re * 1e-6) << hz << " Hz";
            EXPECT_NEAR(z.imag(), 0.0, row.re * 1e-6) << hz << " Hz";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ZobelFlattensTheDriver,
                         testing::Values(DriverRow{"defaults_woofer", 6, 0.5F}, DriverRow{"tweeter", 6, 0.05F},
                                         DriverRow{"four_ohm_big_coil", 3.2F, 2.7F}));

struct PadRow {
    const char* name;
    float r;    // driver resistance, ohm
    float att;  // dB as entered
    float pin;  // W
    float ran;  // mid level resistor, ohm
    friend void PrintTo(const PadRow& p, std::ostream* os) { *os << p.name; }
};

const auto kPadRows = testing::Values(
    PadRow{"six_db_eight_ohm", 8, 6, 50, 0}, PadRow{"deep", 8, 30, 20, 0}, PadRow{"negative_entry", 6, -3, 10, 0},
    PadRow{"with_level_resistor", 8, 4, 50, 2.5F}, PadRow{"big_level_resistor", 6, 2, 10, 12});

class LPadCircuit : public testing::TestWithParam<PadRow> {};

// The L-pad drawn as a circuit (series resistor into the parallel resistor
// and the driver), solved by nodal analysis: the driver sees |att| dB less
// voltage and the amplifier sees the driver's resistance.
TEST_P(LPadCircuit, HighPadAttenuatesAndKeepsTheLoad)
{
    const PadRow& row = GetParam();
    Design d;
    d.RH = row.r;
    d.AttH = row.att;
    d.PinH = row.pin;
    CalcImpIncAtt(d);
    CalcImpIncAtt(d);  // a second run keeps the pad
    EXPECT_EQ(d.AttH, -std::fabs(row.att));
    const Ladder pad = Ladder().R(1, 2, d.RSH).R(2, 0, d.RPH).R(2, 0, row.r);
    const double w = 1000;  // resistors only: any frequency
    EXPECT_NEAR(test::attenuationDb(pad.transfer(w, 2)), std::fabs(row.att), 1e-5);
    EXPECT_NEAR(pad.inputImpedance(w).real(), row.r, row.r * 1e-6);

    // Powers: the amplifier delivers PinH into the matched load, so the source
    // voltage is sqrt(PinH·RH); each resistor dissipates V²/R across it.
    const double v = std::sqrt(static_cast<double>(row.pin) * row.r);
    const double vDriver = v * std::abs(pad.transfer(w, 2));
    const double vSeries = v - vDriver;
    EXPECT_NEAR(d.PRSH, vSeries * vSeries / d.RSH, 1e-5 * row.pin);
    EXPECT_NEAR(d.PRPH, vDriver * vDriver / d.RPH, 1e-5 * row.pin);
    // Nothing is lost: the pad and the driver share the input power.
    EXPECT_NEAR(d.PRSH + d.PRPH + vDriver * vDriver / row.r, row.pin, 1e-5 * row.pin);
}

// The mid pad sits behind the level resistor RAN; the amplifier sees
// RAN + RM and drives PinM into it.
TEST_P(LPadCircuit, MidPadBehindTheLevelResistor)
{
    const PadRow& row = GetParam();
    Design d;
    d.channel = 3;
    d.RM = row.r;
    d.AttM = row.att;
    d.PinM = row.pin;
    d.RAN = row.ran;
    CalcImpIncAtt(d);
    EXPECT_EQ(d.AttM, -std::fabs(row.att));
    Ladder pad;
    if (row.ran > 0)
        pad.R(1, 3, row.ran).R(3, 2, d.RSM);
    else
        pad.R(1, 2, d.RSM);
    pad.R(2, 0, d.RPM).R(2, 0, row.r);
    const double w = 1000;
    const auto volts = pad.solve(w);
    const double v = std::sqrt(static_cast<double>(row.pin) * (row.r + row.ran));
    EXPECT_NEAR(std::abs(pad.inputImpedance(w)), row.r + row.ran, (row.r + row.ran) * 1e-6);
    // The pad alone (from the node after RAN) attenuates by |att|.
    const double vPadIn = row.ran > 0 ? std::abs(volts[3]) : 1.0;
    EXPECT_NEAR(20 * std::log10(vPadIn / std::abs(volts[2])), std::fabs(row.att), 1e-5);

    const double current = v / (row.r + row.ran);
    const double vDriver = v * std::abs(volts[2]);
    EXPECT_NEAR(d.PRSM, current * current * d.RSM, 1e-5 * row.pin);
    EXPECT_NEAR(d.PRPM, vDriver * vDriver / d.RPM, 1e-5 * row.pin);
    EXPECT_NEAR(d.PRAN, current * current * row.ran, 1e-5 * row.pin);
    EXPECT_NEAR(d.RST, d.RSM + row.ran, 1e-6 * row.r);
    EXPECT_NEAR(d.PRT, d.PRAN + d.PRSM, 1e-6 * row.pin);
}

INSTANTIATE_TEST_SUITE_P(Rows, LPadCircuit, kPadRows, [](const auto& info) { return std::string(info.param.name); });

// Non-finite input flows through instead of passing for "no L-pad": a NaN
// level (from a damaged document) stays NaN.
TEST(Corrections, NonFiniteInputFlowsThrough)
{
    Design d;
    d.AttM = std::numeric_limits<float>::quiet_NaN();
    d.PinH = std::numeric_limits<float>::infinity();
    d.AttH = 6;
    CalcImpIncAtt(d);
    EXPECT_TRUE(std::isnan(d.RSM));
    EXPECT_TRUE(std::isnan(d.PRT));
    EXPECT_TRUE(std::isinf(d.PRSH));
    // The pad itself stays finite: the 8 ohm / 6 dB pad scaled to 6 ohm.
    EXPECT_NEAR(d.RSH, 3.9905 * 6 / 8, 5e-4);

    Design level;
    level.LowSPL = std::numeric_limits<float>::quiet_NaN();
    CalcDiffAtt(level);
    EXPECT_TRUE(std::isnan(level.AttH));
    EXPECT_TRUE(std::isnan(level.AttM));
    CalcImpIncAtt(level);
    EXPECT_TRUE(std::isnan(level.RSH));
}

struct SplRow {
    const char* name;
    float low, mid, high;
    float attH, attM;  // targets before they are stored back negative
    friend void PrintTo(const SplRow& r, std::ostream* os) { *os << r.name; }
};

class AttenuationTargets : public testing::TestWithParam<SplRow> {};

TEST_P(AttenuationTargets, DifferenceToTheWooferNeverNegative)
{
    const SplRow& row = GetParam();
    Design d;
    d.LowSPL = row.low;
    d.MidSPL = row.mid;
    d.HigSPL = row.high;
    d.PinH = 25;
    d.PinM = 40;
    CalcDiffAtt(d);
    EXPECT_EQ(d.AttH, row.attH);
    EXPECT_EQ(d.AttM, row.attM);
    EXPECT_EQ(d.AttHbak, row.attH);
    EXPECT_EQ(d.AttMbak, row.attM);
    EXPECT_EQ(d.PinHbak, 25.0F);
    EXPECT_EQ(d.PinMbak, 40.0F);
    EXPECT_EQ(d.LowSPLbak, row.low);
    EXPECT_EQ(d.MidSPLbak, row.mid);
    EXPECT_EQ(d.HigSPLbak, row.high);

    CalcImpIncAtt(d);
    EXPECT_EQ(d.AttH, -row.attH);
    EXPECT_EQ(d.AttM, -row.attM);
    EXPECT_EQ(d.RSH == 0, row.attH == 0);
    EXPECT_EQ(d.RSM == 0, row.attM == 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, AttenuationTargets,
                         testing::Values(SplRow{"defaults", 90, 96, 100, 10, 6},
                                         SplRow{"tweeter_quieter", 90, 96, 88, 0, 6},
                                         SplRow{"equal_levels", 90, 90, 90, 0, 0},
                                         SplRow{"just_louder", 90, 90.5F, 90.25F, 0.25F, 0.5F}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace larkspan
