// Every evaluator of the 2-way and 3-way networks of every order against the
// network it describes, solved by nodal analysis from the SI component values (see ladder_checks.h). Unequal driver
// resistances in most rows, so that a coefficient that uses the wrong one
// shows.
#include <gtest/gtest.h>

#include <string>

#include "synthesis/ladder_checks.h"

namespace larkspan {
namespace {

using test::cplx;
using test::Network;

struct LadderRow {
    const char* name;
    int channel, order;
    const char* key;
    float F1, F2, RE, RM, RH;  // FX or FXL, FXH

    friend void PrintTo(const LadderRow& r, std::ostream* os) { *os << r.name; }
};

class Ladders : public testing::TestWithParam<LadderRow> {
protected:
    void SetUp() override
    {
        const LadderRow& r = GetParam();
        d = r.channel == 2 ? test::twoWayDesign(r.order, r.key, r.F1, r.RE, r.RH)
                           : test::threeWayDesign(r.order, r.key, r.F1, r.F2, r.RE, r.RM, r.RH);
        net = test::networkOf(d);
    }

    // The totals of the second order (2-way Lo − Hi, 3-way Lo − Mid + Hi) and
    // of a third order with a reversed branch.
    bool turnedTotal() const { return d.order == 2 || (d.order == 3 && d.pole == -1); }

    Design d;
    Network net;
};

// 1 Hz shows the ends of the band: the low-pass passes D.C. and the band-
// and high-pass impedances, with no constant term in their denominators,
// grow without bound.
TEST_P(Ladders, AmplitudeAndImpedance)
{
    test::expectMagnitudesMatch(d, net, {1, 20, 95, 430, 1250, 1800, 4100, 11000, 19500});
}

// Every branch shows its phase + 180 degrees modulo 360. The 3-way total
// does too, or its phase itself when turned; the 2-way total, folded, shows
// its phase (+ 90 when turned) modulo 180. From the third order on the
// values stay within the graph's 0..360.
TEST_P(Ladders, Phase)
{
    const int to = net.total();
    for (int ii = 1; ii < to; ++ii) test::expectPhaseTracks(d, net, ii, 180, d.order >= 3);
    if (d.channel == 3) {
        test::expectPhaseTracks(d, net, to, turnedTotal() ? 0 : 180, d.order >= 3);
    } else {
        test::expectPhaseTracks(d, net, to, turnedTotal() ? 90 : 0, d.order >= 3, 180);
    }
}

TEST_P(Ladders, GroupDelay)
{
    for (int ii = 1; ii <= net.total(); ++ii) test::expectGroupDelayIsMeanDelay(d, net, ii);
}

// Starting from a cleared state at 100 kHz, the unwrap settles every branch
// on its own transfer function. The 3-way total follows its own too, placed
// opposite it in the first order and for a reversed third-order mid. The
// 2-way total is turned by a quarter turn where its phase carries 90
// degrees; from the third order on its folded angle is raised by a full
// turn, which the first step's unwrap against a previous angle of 0 takes
// back by half a turn: the curve is −H.
TEST_P(Ladders, NyquistPoints)
{
    for (int ii = 1; ii < net.total(); ++ii) test::expectNyquistFollows(d, net, ii, 1);
    cplx factor = (d.order == 3 && d.pole == -1) || d.order == 1 ? -1 : 1;
    if (d.channel == 2) factor = (turnedTotal() ? cplx(0, 1) : cplx(1)) * (d.order <= 2 ? 1.0 : -1.0);
    test::expectNyquistFollows(d, net, net.total(), factor);
}

// The step substitutions hand over each branch as it is, without its
// polarity in the total.
TEST_P(Ladders, StepSubstitutions)
{
    for (int ii = 1; ii < net.total(); ++ii)
        test::expectStepMatches(d, net, unitFor(d.channel, d.order)->step[static_cast<std::size_t>(ii - 1)], ii);
}

INSTANTIATE_TEST_SUITE_P(Rows, Ladders,
                         testing::Values(LadderRow{"first_2way_butter", 2, 1, "Butter", 650, 0, 6.5F, 0, 4},
                                         LadderRow{"first_3way_butter", 3, 1, "Butter", 300, 3500, 8, 5, 4},
                                         LadderRow{"second_2way_butter", 2, 2, "Butter", 1800, 0, 6.5F, 0, 4},
                                         LadderRow{"second_2way_butasy", 2, 2, "ButAsy", 1800, 0, 6.5F, 0, 4},
                                         LadderRow{"second_2way_linkwi", 2, 2, "Linkwi", 1800, 0, 6.5F, 0, 4},
                                         LadderRow{"second_2way_bessel", 2, 2, "Bessel", 1800, 0, 6.5F, 0, 4},
                                         LadderRow{"second_2way_chebyc", 2, 2, "Chebyc", 1800, 0, 6.5F, 0, 4},
                                         LadderRow{"third_2way_butter", 2, 3, "Butter", 1800, 0, 6.5F, 0, 4},
                                         LadderRow{"third_2way_bessel", 2, 3, "Bessel", 1800, 0, 6.5F, 0, 4},
                                         LadderRow{"third_2way_chebyc", 2, 3, "Chebyc", 1800, 0, 6.5F, 0, 4},
                                         LadderRow{"fourth_2way_butter", 2, 4, "Butter", 1800, 0, 6.5F, 0, 4},
                                         LadderRow{"fourth_2way_butasy", 2, 4, "ButAsy", 1800, 0, 6.5F, 0, 4},
                                         LadderRow{"fourth_2way_linkwi", 2, 4, "Linkwi", 1800, 0, 6.5F, 0, 4},
                                         LadderRow{"fourth_2way_bessel", 2, 4, "Bessel", 1800, 0, 6.5F, 0, 4},
                                         LadderRow{"fourth_2way_chebyc", 2, 4, "Chebyc", 1800, 0, 6.5F, 0, 4},
                                         LadderRow{"second_3way_butter_printed", 3, 2, "Butter", 500, 5000, 8, 8, 8},
                                         LadderRow{"second_3way_butter", 3, 2, "Butter", 250, 4000, 8, 6, 4},
                                         LadderRow{"second_3way_linkwi", 3, 2, "Linkwi", 300, 1500, 6, 8, 4},
                                         LadderRow{"second_3way_butasy", 3, 2, "ButAsy", 400, 2000, 8, 6, 4},
                                         LadderRow{"second_3way_bessel", 3, 2, "Bessel", 200, 2000, 4, 8, 6},
                                         LadderRow{"second_3way_chebyc_wide", 3, 2, "Chebyc", 100, 2500, 8, 4, 8},
                                         LadderRow{"third_3way_butter", 3, 3, "Butter", 250, 4000, 8, 6, 4},
                                         LadderRow{"third_3way_butter_narrow", 3, 3, "Butter", 500, 1600, 4, 8, 6},
                                         LadderRow{"third_3way_bessel_printed", 3, 3, "Bessel", 300, 3000, 8, 8, 8},
                                         LadderRow{"third_3way_bessel", 3, 3, "Bessel", 200, 2400, 6, 4, 8},
                                         LadderRow{"third_3way_chebyc", 3, 3, "Chebyc", 500, 1600, 4, 8, 6},
                                         LadderRow{"third_3way_chebyc_wide", 3, 3, "Chebyc", 100, 2400, 8, 6, 8},
                                         LadderRow{"fourth_3way_butter_printed", 3, 4, "Butter", 300, 3000, 8, 8, 8},
                                         LadderRow{"fourth_3way_chebyc_printed", 3, 4, "Chebyc", 300, 3000, 8, 8, 8},
                                         // A narrow band (R2 = 2.236) and a wide one (R2 = 5, the
                                         // end of the prototype table).
                                         LadderRow{"fourth_3way_butter", 3, 4, "Butter", 400, 2000, 4, 6, 8},
                                         LadderRow{"fourth_3way_butasy", 3, 4, "ButAsy", 400, 2000, 4, 6, 8},
                                         LadderRow{"fourth_3way_linkwi", 3, 4, "Linkwi", 400, 2000, 4, 6, 8},
                                         LadderRow{"fourth_3way_bessel", 3, 4, "Bessel", 400, 2000, 4, 6, 8},
                                         LadderRow{"fourth_3way_chebyc", 3, 4, "Chebyc", 400, 2000, 4, 6, 8},
                                         LadderRow{"fourth_3way_linkwi_wide", 3, 4, "Linkwi", 100, 2500, 6, 4, 5},
                                         LadderRow{"fourth_3way_bessel_wide", 3, 4, "Bessel", 100, 2500, 6, 4, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace larkspan
