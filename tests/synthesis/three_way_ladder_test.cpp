// Every evaluator of the 3-way networks of orders 2 to 4 against the network
// it describes, solved by nodal analysis from the SI component values (see
// three_way_checks.h). Unequal driver resistances in most rows, so that a
// coefficient that uses the wrong one shows.
#include <gtest/gtest.h>

#include <string>

#include "synthesis/three_way_checks.h"

namespace larkspan {
namespace {

using test::ThreeWayNetwork;

struct LadderRow {
    const char* name;
    int order;
    const char* key;
    float FXL, FXH, RE, RM, RH;

    friend void PrintTo(const LadderRow& r, std::ostream* os) { *os << r.name; }
};

class ThreeWayLadder : public testing::TestWithParam<LadderRow> {
protected:
    void SetUp() override
    {
        const LadderRow& r = GetParam();
        d = test::threeWayDesign(r.order, r.key, r.FXL, r.FXH, r.RE, r.RM, r.RH);
        net = test::threeWayNetworkOf(d);
    }

    Design d;
    ThreeWayNetwork net;
};

// 1 Hz shows the ends of the band: the Lo branch passes D.C. and the Mid and
// Hi impedances, with no constant term in their denominators, grow without
// bound.
TEST_P(ThreeWayLadder, AmplitudeAndImpedance)
{
    test::expectMagnitudesMatch(d, net, {1, 20, 95, 400, 1000, 2500, 7000, 19000});
}

// Every branch shows its phase + 180 degrees; the total of the second order
// (Lo − Mid + Hi) and the total of a reversed third-order mid show their
// phase itself. From the third order on the values stay within 0..360.
TEST_P(ThreeWayLadder, Phase)
{
    const bool plainTotal = d.order == 2 || (d.order == 3 && d.pole == -1);
    for (int ii = 1; ii <= 4; ++ii) test::expectPhaseTracks(d, net, ii, ii == 4 && plainTotal ? 0 : 180, d.order >= 3);
}

TEST_P(ThreeWayLadder, GroupDelay)
{
    for (int ii = 1; ii <= 4; ++ii) test::expectGroupDelayIsMeanDelay(d, net, ii);
}

// Starting from a cleared state at 100 kHz, the unwrap settles every branch
// and the total on their own transfer function; the total of a reversed
// third-order mid is placed opposite its own.
TEST_P(ThreeWayLadder, NyquistPoints)
{
    for (int ii = 1; ii <= 4; ++ii) test::expectNyquistFollows(d, net, ii, ii == 4 && d.pole == -1 ? -1 : 1);
}

// The step substitutions hand over each branch as it is, the mid without its
// polarity in the total.
TEST_P(ThreeWayLadder, StepSubstitutions)
{
    for (int ii = 1; ii <= 3; ++ii)
        test::expectStepMatches(d, net, unitFor(3, d.order)->step[static_cast<std::size_t>(ii - 1)], ii);
}

INSTANTIATE_TEST_SUITE_P(Rows, ThreeWayLadder,
                         testing::Values(LadderRow{"second_butter_printed", 2, "Butter", 500, 5000, 8, 8, 8},
                                         LadderRow{"second_butter", 2, "Butter", 250, 4000, 8, 6, 4},
                                         LadderRow{"second_linkwi", 2, "Linkwi", 300, 1500, 6, 8, 4},
                                         LadderRow{"second_butasy", 2, "ButAsy", 400, 2000, 8, 6, 4},
                                         LadderRow{"second_bessel", 2, "Bessel", 200, 2000, 4, 8, 6},
                                         LadderRow{"second_chebyc_wide", 2, "Chebyc", 100, 2500, 8, 4, 8},
                                         LadderRow{"third_butter", 3, "Butter", 250, 4000, 8, 6, 4},
                                         LadderRow{"third_butter_narrow", 3, "Butter", 500, 1600, 4, 8, 6},
                                         LadderRow{"third_bessel_printed", 3, "Bessel", 300, 3000, 8, 8, 8},
                                         LadderRow{"third_bessel", 3, "Bessel", 200, 2400, 6, 4, 8},
                                         LadderRow{"third_chebyc", 3, "Chebyc", 500, 1600, 4, 8, 6},
                                         LadderRow{"third_chebyc_wide", 3, "Chebyc", 100, 2400, 8, 6, 8},
                                         LadderRow{"fourth_butter_printed", 4, "Butter", 300, 3000, 8, 8, 8},
                                         LadderRow{"fourth_chebyc_printed", 4, "Chebyc", 300, 3000, 8, 8, 8},
                                         // A narrow band (R2 = 2.236) and a wide one (R2 = 5, the
                                         // end of the prototype table).
                                         LadderRow{"fourth_butter", 4, "Butter", 400, 2000, 4, 6, 8},
                                         LadderRow{"fourth_butasy", 4, "ButAsy", 400, 2000, 4, 6, 8},
                                         LadderRow{"fourth_linkwi", 4, "Linkwi", 400, 2000, 4, 6, 8},
                                         LadderRow{"fourth_bessel", 4, "Bessel", 400, 2000, 4, 6, 8},
                                         LadderRow{"fourth_chebyc", 4, "Chebyc", 400, 2000, 4, 6, 8},
                                         LadderRow{"fourth_linkwi_wide", 4, "Linkwi", 100, 2500, 6, 4, 5},
                                         LadderRow{"fourth_bessel_wide", 4, "Bessel", 100, 2500, 6, 4, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace larkspan
