#include "corrections/notch.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/design_changes.h"
#include "support/nodal.h"

namespace larkspan {
namespace {

// The free-air tweeter of the worked example: Fs 800 Hz, Qes 1.2, Qms 2.5,
// Re 6 ohm, Le 0.05 mH, no box.
Design freeAirTweeter()
{
    Design d;
    NotchWorkingSet& w = d.notchSet;
    w.Notch = 1;
    w.FS = 800;
    w.QES = 1.2F;
    w.QMS = 2.5F;
    w.REE = 6;
    w.LEE = 0.05F;
    w.VAS = 0;
    w.QA = 10;
    return d;
}

// The closed-box mid-range of the worked example: Fs 60 Hz, Vas 10 l,
// Qes 0.5, Qms 3, Re 6 ohm, Le 0.5 mH in 5 l with Qa 10.
Design boxedMid()
{
    Design d;
    NotchWorkingSet& w = d.notchSet;
    w.Notch = 2;
    w.FS = 60;
    w.VAS = 10;
    w.QES = 0.5F;
    w.QMS = 3;
    w.REE = 6;
    w.LEE = 0.5F;
    w.VB = 5;
    w.QA = 10;
    return d;
}

double magnitudeAt(void (*eval)(const Design&, EvalState&), const Design& d, double hz)
{
    EvalState e;
    e.f = static_cast<float>(hz * PI2);
    eval(d, e);
    return std::pow(10.0, static_cast<double>(e.yy));
}

// The worked examples, by hand. Free air: Res = 6·2.5/1.2 = 12.5, the peak
// 6 + 12.5 = 18.5, the notch resistor 18.5·6/12.5 = 8.88, Q = Qes/1.5 = 0.8,
// L = Q·8.88/(2π·800), C = 1/(2π·800·Q·8.88); the correction Re and
// Le/Re² = 0.05 mH/36 ohm². Closed box: Vab = 5, α = 10/5 = 2, h = √3,
// Fc = 60√3; peak 29.69 ohm, notch 29.69·6/23.69 ohm, Q = √3·0.5/1.75,
// L = Q·6/(2π·Fc), C = 1/(2π·Fc·Q·6). With Qa 5, CP = 1.2: the box acts as
// 6 l, so α = 10/6 and Fc = 60·√(1 + 10/6).
struct ExampleRow {
    const char* name;
    Design (*make)();
    float qa;
    double CP, Fc, peak, notchOhm, notchMh, notchUf, correctionUf;  // NaN: not checked

    friend void PrintTo(const ExampleRow& r, std::ostream* os) { *os << r.name; }
};

class NotchExamples : public testing::TestWithParam<ExampleRow> {};

TEST_P(NotchExamples, ValuesWorkedByHand)
{
    const ExampleRow& r = GetParam();
    Design d = r.make();
    d.notchSet.QA = r.qa;
    NotchCal(d);
    const NotchScratch& m = d.notchCalc;
    const bool high = d.notchSet.Notch == 1;
    const auto expect = [](double value, double expected, const char* what) {
        if (!std::isnan(expected)) {
            EXPECT_NEAR(value, expected, 2e-4 * expected) << what;
        }
    };
    expect(m.CP, r.CP, "CP");
    expect(d.notchSet.FC, r.Fc, "the working set's box resonance");
    expect(m.RPK, r.peak, "peak");
    expect(high ? d.RNTH : d.RNTM, r.notchOhm, "notch resistor");
    expect(high ? d.LNTH : d.LNTM, r.notchMh, "notch inductor");
    expect(high ? d.CNTH : d.CNTM, r.notchUf, "notch capacitor");
    expect(m.CEQ * 1e6, r.correctionUf, "correction capacitor");
    EXPECT_EQ(high ? d.RNTM : d.RNTH, 0.0F) << "the other driver's notch stays";
    if (high) {
        EXPECT_NEAR(magnitudeAt(NotchToImp, d, 800), 5.99, 0.005) << "corrected at resonance";
    }
}

const double kQ = std::sqrt(3.0) * 0.5 / 1.75, kFc = 60 * std::sqrt(3.0);
INSTANTIATE_TEST_SUITE_P(Rows, NotchExamples,
                         testing::Values(ExampleRow{"free_air", freeAirTweeter, 10, 1, NAN, 18.5, 8.88,
                                                    0.8 * 8.88 / (PI2 * 800) * 1e3, 1e6 / (PI2 * 800 * 0.8 * 8.88),
                                                    0.05e-3 / 36 * 1e6},
                                         ExampleRow{"closed_box", boxedMid, 10, 1, kFc, 29.69, 29.69 * 6 / 23.69,
                                                    kQ * 6 / (PI2 * kFc) * 1e3, 1e6 / (PI2 * kFc * kQ * 6), NAN},
                                         ExampleRow{"closed_box_qa5", boxedMid, 5, 1.2, 60 * std::sqrt(1 + 10 / 6.0),
                                                    NAN, NAN, NAN, NAN, NAN}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CpRow {
    const char* name;
    float qa;
    float cp;  // from a previous CP of 0.5

    friend void PrintTo(const CpRow& r, std::ostream* os) { *os << r.name; }
};

class CPoptRows : public testing::TestWithParam<CpRow> {};

TEST_P(CPoptRows, FactorForTheBoxLoss)
{
    Design d;
    d.notchCalc.CP = 0.5F;
    d.notchSet.QA = GetParam().qa;
    CPopt(d);
    EXPECT_EQ(d.notchCalc.CP, GetParam().cp);
}

INSTANTIATE_TEST_SUITE_P(Rows, CPoptRows,
                         testing::Values(CpRow{"qa5", 5, 1.2F}, CpRow{"qa7", 7, 1.1F}, CpRow{"qa10", 10, 1.0F},
                                         CpRow{"qa15", 15, 1.0F}, CpRow{"qa20", 20, 1.0F},
                                         CpRow{"qa12_keeps", 12, 0.5F}, CpRow{"qa0_keeps", 0, 0.5F},
                                         CpRow{"qa_nan_keeps", NAN, 0.5F}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NotchCal, BoxLossOutsideThePopupKeepsThePreviousFactor)
{
    Design d = boxedMid();
    d.notchSet.QA = 5;
    NotchCal(d);
    d.notchSet.QA = 12;
    NotchCal(d);
    EXPECT_FLOAT_EQ(d.notchCalc.VAB, 6.0F) << "CP 1.2 from the run before";
}

// The driver model as a network: Re and Le in series with the motional
// circuit (Rm, L02, C02 in parallel); the notch Rn-Ln-Cn and the correction
// Req-Ceq across it. Solved by nodal analysis, independently of the
// coefficient polynomials.
test::Ladder driverNetwork(const Design& d, double Rm, bool notch, bool correction)
{
    const NotchScratch& m = d.notchCalc;
    test::Ladder net;
    net.R(1, 2, d.notchSet.REE).L(2, 3, d.notchSet.LEE / 1000.0);
    net.R(3, 0, Rm).L(3, 0, m.L02).C(3, 0, m.C02);
    if (notch) net.R(1, 4, m.REN).L(4, 5, m.L01).C(5, 0, m.C01);
    if (correction) net.R(1, 6, m.REQ).C(6, 0, m.CEQ);
    return net;
}

struct ModelRow {
    const char* name;
    Design (*make)();
    bool removeImpInc;

    friend void PrintTo(const ModelRow& r, std::ostream* os) { *os << r.name; }
};

class NotchAgainstNetwork : public testing::TestWithParam<ModelRow> {};

TEST_P(NotchAgainstNetwork, CurvesMatchTheSolvedNetwork)
{
    Design d = GetParam().make();
    d.HigRemvImpInc = d.MidRemvImpInc = GetParam().removeImpInc ? 1 : 0;
    NotchCal(d);
    const auto curves = NotchImpPlot(d);
    const bool box = d.notchSet.VAS > 0;
    const double Rm = box ? d.notchCalc.RECC : d.notchCalc.RES;
    const auto alone = driverNetwork(d, Rm, false, false);
    const auto corrected = driverNetwork(d, Rm, true, !GetParam().removeImpInc);
    ASSERT_EQ(curves.size(), 2U);
    for (std::size_t i = 0; i < curves[0].points.size(); ++i) {
        const double w = std::pow(10.0, static_cast<double>(curves[0].points[i].k)) * PI2;
        // Float coefficients: agreement to a few parts in 10^5 of the magnitude.
        ASSERT_NEAR(curves[0].points[i].value, std::log10(std::abs(alone.inputImpedance(w))), 3e-5) << i;
        ASSERT_NEAR(curves[1].points[i].value, std::log10(std::abs(corrected.inputImpedance(w))), 3e-5) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, NotchAgainstNetwork,
                         testing::Values(ModelRow{"free_air", freeAirTweeter, false},
                                         ModelRow{"free_air_without_correction", freeAirTweeter, true},
                                         ModelRow{"closed_box", boxedMid, false},
                                         ModelRow{"closed_box_without_correction", boxedMid, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NotchAgainstNetwork, MotionalCircuitAndNotchAreTunedToTheResonance)
{
    // Free air: the motional circuit resonates at Fs with quality Qms, and
    // the notch at Fs too. In the box both sit at Fc.
    const auto resonance = [](double L, double C) { return 1 / (PI2 * std::sqrt(L * C)); };
    Design ib = freeAirTweeter();
    NotchCal(ib);
    EXPECT_NEAR(resonance(ib.notchCalc.L02, ib.notchCalc.C02), 800, 800e-6);
    EXPECT_NEAR(ib.notchCalc.RES * std::sqrt(ib.notchCalc.C02 / ib.notchCalc.L02), 2.5, 1e-5);
    EXPECT_NEAR(resonance(ib.notchCalc.L01, ib.notchCalc.C01), 800, 800e-6);

    Design cb = boxedMid();
    NotchCal(cb);
    const double fc = 60 * std::sqrt(3.0);
    EXPECT_NEAR(resonance(cb.notchCalc.L02, cb.notchCalc.C02), fc, fc * 1e-6);
    EXPECT_NEAR(resonance(cb.notchCalc.L01, cb.notchCalc.C01), fc, fc * 1e-6);
}

TEST(NotchImpPlot, UndesignedDriverDrawsNothingAndDoesNotFail)
{
    // With no driver data every value is NaN: no point is drawn.
    Design d;
    d.notchSet.Notch = 1;
    NotchCal(d);
    const auto curves = NotchImpPlot(d);
    ASSERT_EQ(curves.size(), 2U);
    for (const auto& c : curves) {
        EXPECT_EQ(c.points.size(), 300U);
        for (const auto& p : c.points) EXPECT_FALSE(p.drawn);
    }
}

TEST(NotchCal, RemovingTheCorrectionKeepsTheNotch)
{
    Design with = freeAirTweeter();
    NotchCal(with);
    Design without = freeAirTweeter();
    without.HigRemvImpInc = 1;
    NotchCal(without);
    EXPECT_EQ(without.notchCalc.CEQ, 0.0F);
    EXPECT_EQ(without.RNTH, with.RNTH);
    EXPECT_EQ(without.LNTH, with.LNTH);
    EXPECT_EQ(without.CNTH, with.CNTH);
    // The mid driver's flag does not apply to the high notch.
    Design other = freeAirTweeter();
    other.MidRemvImpInc = 1;
    NotchCal(other);
    EXPECT_GT(other.notchCalc.CEQ, 0.0F);
    // At 20 kHz the coil's rise shows only without the correction.
    EXPECT_GT(magnitudeAt(NotchToImp, without, 20000), magnitudeAt(NotchToImp, with, 20000));
}

// Copying the working set into the selected driver and back: what the copy
// changes in a new design (that driver's values, the attenuation targets
// and L-pads recomputed, nothing of the other driver), and that reading the
// driver back gives the working set again. Qa 113 is not a popup value: the
// stored item stays, whatever the working set's item says.
TEST(NotchParamCopy, WorkingSetRoundTripsThroughTheSelectedDriver)
{
    float NotchWorkingSet::*const fields[] = {&NotchWorkingSet::SPL, &NotchWorkingSet::FS,  &NotchWorkingSet::VAS,
                                              &NotchWorkingSet::QTS, &NotchWorkingSet::QES, &NotchWorkingSet::QMS,
                                              &NotchWorkingSet::EFI, &NotchWorkingSet::REE, &NotchWorkingSet::LEE,
                                              &NotchWorkingSet::VB,  &NotchWorkingSet::FC,  &NotchWorkingSet::QTC,
                                              &NotchWorkingSet::QA};
    const char* expected[] = {
        "RH 6→108 LH 0.125→109 HigSPL 100→101 s_SPH \"Default High\"→\"Copied\" HigFS 0→102 HigVAS 0→103 HigQTS 0→104 "
        "HigQES 0→105 HigQMS 0→106 HigEFI 0→107 HigVB 0→110 HigFC 0→111 HigQTC 0→112 HigQA 10→113 HigNotchAorG 1→0 "
        "HigNotchGrp 1→2 HigRemvImpInc 0→1 AttH 0→-11 AttM 0→-6 REQL 0→6 CEQL 0→13.888889 REQM 0→6 CEQM 0→6.9444447 "
        "REQH 0→108 CEQH 0→9.344994 RSH 0→77.56146 RPH 0→42.383957 PRSH 0→7.1816177 PRPH 0→2.0240548 RSM 0→2.9928768 "
        "RPM 0→6.028561 PRSM 0→4.9881287 PRPM 0→2.4999864 RST 0→2.9928768 PRT 0→4.9881287 HigSPLbak 100→101 AttHbak "
        "0→11 AttMbak 0→6",
        "RM 6→108 LM 0.25→109 MidSPL 96→101 s_SPM \"Default Mid\"→\"Copied\" MidFS 0→102 MidVAS 0→103 MidQTS 0→104 "
        "MidQES 0→105 MidQMS 0→106 MifnI 0→107 MidVB 0→110 MidFC 0→111 MidQTC 0→112 MidQA 10→113 MidNotchAorG 1→0 "
        "MidNotchGrp 1→2 MidRemvImpInc 0→1 AttH 0→-10 AttM 0→-11 REQL 0→6 CEQL 0→13.888889 REQM 0→108 CEQM 0→9.344994 "
        "REQH 0→6 CEQH 0→3.4722223 RSH 0→4.1026335 RPH 0→2.7748518 PRSH 0→6.8377233 PRPH 0→2.162278 RSM 0→77.56146 RPM "
        "0→42.383957 PRSM 0→7.1816177 PRPM 0→2.0240548 RST 0→77.56146 PRT 0→7.1816177 MidSPLbak 96→101 AttHbak 0→10 "
        "AttMbak 0→11"};
    for (const int notch : {1, 2}) {
        Design d;
        NotchWorkingSet& w = d.notchSet;
        w.Notch = static_cast<std::int16_t>(notch);
        float value = 101;
        for (const auto field : fields) w.*field = value++;
        w.s_SP = "Copied";
        w.NotchAorG = 0;
        w.NotchGrp = 2;
        w.RemvImpInc = 1;
        w.QAPopItem = 5;
        const NotchWorkingSet given = w;
        ParamToMainProgram(d);
        EXPECT_EQ(test::changes(Design{}, d), expected[notch - 1]);

        d.notchSet = NotchWorkingSet{};
        d.notchSet.Notch = static_cast<std::int16_t>(notch);
        MainProgramToNotchParam(d);
        for (const auto field : fields) EXPECT_EQ(d.notchSet.*field, given.*field) << notch;
        EXPECT_EQ(d.notchSet.s_SP, "Copied");
        EXPECT_EQ(d.notchSet.NotchGrp, 2);
        EXPECT_EQ(d.notchSet.NotchAorG, 0);
        EXPECT_EQ(d.notchSet.RemvImpInc, 1);
        EXPECT_EQ(d.notchSet.QAPopItem, 3);
    }
}

struct PopRow {
    const char* name;
    float qa;
    std::int16_t item;  // from a stored item of 2

    friend void PrintTo(const PopRow& r, std::ostream* os) { *os << r.name; }
};

class ParamToMainProgramQa : public testing::TestWithParam<PopRow> {};

TEST_P(ParamToMainProgramQa, StoredPopupItemFollowsExactValues)
{
    Design d;
    d.HigQAPopItem = 2;
    d.notchSet.Notch = 1;
    d.notchSet.QA = GetParam().qa;
    d.notchSet.QAPopItem = 4;
    d.notchSet.REE = 6;
    ParamToMainProgram(d);
    EXPECT_EQ(d.HigQAPopItem, GetParam().item);
}

INSTANTIATE_TEST_SUITE_P(Rows, ParamToMainProgramQa,
                         testing::Values(PopRow{"qa5", 5, 1}, PopRow{"qa7", 7, 2}, PopRow{"qa10", 10, 3},
                                         PopRow{"qa15", 15, 4}, PopRow{"qa20", 20, 5}, PopRow{"qa12_unchanged", 12, 2},
                                         PopRow{"qa0_unchanged", 0, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NotchCal, LeavesTheNetworkCoefficientsAlone)
{
    Design d = boxedMid();
    d.A01 = 1.5F;
    d.B04 = 2.5F;
    d.C01 = 3.5F;
    NotchCal(d);
    EXPECT_EQ(d.A01, 1.5F);
    EXPECT_EQ(d.B04, 2.5F);
    EXPECT_EQ(d.C01, 3.5F);
}

}  // namespace
}  // namespace larkspan
