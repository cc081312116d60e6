// The network solved as a circuit against the closed-form responses, the
// part stress of a first-order network worked out by hand, the SPICE deck run
// through ngspice where it is installed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "corrections/attenuators.h"
#include "corrections/impedance_correction.h"
#include "network/parts_list.h"
#include "network/spice_netlist.h"
#include "response/sweeps.h"
#include "support/run_tool.h"
#include "support/scratch_folder.h"
#include "synthesis/cofcal.h"
#include "synthesis/ladder_checks.h"

namespace larkspan {
namespace {

using test::kDegPerRad;
using test::wrapped;

// Unequal driver resistances, so that a part wired to the wrong branch or a
// coefficient using the wrong driver shows. `highSpl` above the woofer's 90
// dB puts L-pads in front of the tweeter and the mid driver.
Design designFor(int ways, int order, const std::string& type, float highSpl = 90)
{
    Design d;
    d.channel = static_cast<std::int16_t>(ways);
    d.order = static_cast<std::int16_t>(order);
    d.s_Type = type;
    d.FX = 650;
    d.FXL = 300;
    d.FXH = 3000;
    d.RE = 8;
    d.RM = 6;
    d.RH = 4;
    d.HigSPL = d.MidSPL = highSpl;
    cofCal(d);
    CalcDiffAtt(d);
    CalcImpIncAtt(d);
    return d;
}

Circuit circuitOf(const Design& d, CircuitModel model, const SeriesChoice& choice = {})
{
    auto parts = networkParts(d, model);
    chooseParts(parts, choice);
    auto built = buildCircuit(d, parts, model);
    EXPECT_EQ(built.error, "");
    return built.circuit;
}

// Every ways × order × alignment: the circuit of drivers as resistances, and
// the complete circuit (voice coils with their impedance-increase
// corrections), reproduce the closed-form amplitude and impedance of every
// branch and the total; the closed-form phase follows the circuit's up to a
// fixed offset (modulo the half turn the 2-way total is folded by). With
// L-pads the tweeter and mid branches drop by exactly their attenuation and
// present the same impedance.
TEST(NetworkCircuit, ReproducesTheClosedForm)
{
    const std::map<int, std::vector<std::string>> alignments{
        {1, {"Butter"}},
        {2, {"Linkwi", "Butter", "ButAsy", "Bessel", "Chebyc"}},
        {3, {"Butter", "Bessel", "Chebyc"}},
        {4, {"Linkwi", "Butter", "ButAsy", "Bessel", "Chebyc"}},
    };
    for (const int ways : {2, 3}) {
        for (const auto& [order, types] : alignments) {
            for (const auto& type : types) {
                const std::string what = std::to_string(ways) + "-way order " + std::to_string(order) + " " + type;
                Design d = designFor(ways, order, type);
                Design padded = designFor(ways, order, type, 100);
                const auto phase = phPlot(d);
                const std::vector<std::pair<Circuit, const char*>> circuits{
                    {circuitOf(d, CircuitModel::Resistive), "resistive"},
                    {circuitOf(d, CircuitModel::Complete), "complete"}};
                const Circuit withPads = circuitOf(padded, CircuitModel::Complete);
                for (int ii = 1; ii <= ways + 1; ++ii) {
                    const auto ix = static_cast<std::size_t>(ii - 1);
                    EvalState e;
                    const Evaluator fr = evaluatorFor(d, EvalKind::Fr, ii);
                    const Evaluator imp = evaluatorFor(d, EvalKind::Imp, ii);
                    const std::string branch = what + " branch " + std::to_string(ii);
                    const double pad = ii == ways ? -padded.AttH : (ways == 3 && ii == 2 ? -padded.AttM : 0);
                    for (const double hz : {20.0, 95.0, 430.0, 1250.0, 4100.0, 19500.0}) {
                        e.f = static_cast<float>(PI2 * hz);
                        fr(d, e);
                        const double db = e.yy;
                        imp(d, e);
                        const double ohm = std::pow(10.0, static_cast<double>(e.yy));
                        for (const auto& [c, model] : circuits) {
                            const auto r = respond(c, e.f);
                            EXPECT_NEAR(-20 * std::log10(std::abs(r.transfer[ix])), db, 1e-4)
                                << branch << " " << model << " at " << hz;
                            EXPECT_NEAR(std::abs(r.impedance[ix]) / ohm, 1, 1e-5)
                                << branch << " " << model << " at " << hz;
                        }
                        if (ii == ways + 1) continue;
                        const auto r = respond(withPads, e.f);
                        EXPECT_NEAR(-20 * std::log10(std::abs(r.transfer[ix])), db + pad, 1e-4) << branch << " pad";
                        EXPECT_NEAR(std::abs(r.impedance[ix]) / ohm, 1, 1e-5) << branch << " pad";
                    }
                    const auto& curve = phase[ix].points;
                    const auto offsetAt = [&](std::size_t j) {
                        const double w = PI2 * std::pow(10.0, static_cast<double>(curve[j].k));
                        return curve[j].value - std::arg(respond(circuits[0].first, w).transfer[ix]) * kDegPerRad;
                    };
                    const double offset = offsetAt(0);
                    for (std::size_t j = 0; j < curve.size(); j += 7)
                        ASSERT_NEAR(wrapped(offsetAt(j) - offset, 180), 0, 1e-3)
                            << branch << " phase at k " << curve[j].k;
                }
            }
        }
    }
}

// First-order 2-way, 6 ohm drivers, crossing at 650 Hz, at 100 W into 8 ohm
// (28.28 V): the woofer's coil carries most at 20 Hz, V/(RE·√(1 + (20/650)²)),
// and has the most across it at 20 kHz, V/√(1 + (650/20000)²); the tweeter's
// capacitor mirrors it. The 10 dB L-pad's series resistor takes the tweeter
// branch's whole current at 20 kHz.
TEST(NetworkStress, FirstOrderTwoWayByHand)
{
    Design d = designFor(2, 1, "Butter", 100);
    d.RE = d.RH = 6;
    cofCal(d);
    CalcImpIncAtt(d);
    const double V = std::sqrt(800.0);
    const double low = std::sqrt(1 + std::pow(20.0 / 650, 2));
    const double high = std::sqrt(1 + std::pow(650.0 / 20000, 2));
    const auto list = makePartsList(d, SeriesChoice{}, StressSettings{});
    ASSERT_EQ(list.reason, "");
    std::map<std::string, PartsListRow> row;
    for (const auto& r : list.rows) row[r.part.name] = r;

    struct Expect {
        const char* name;
        const Peak& peak;
        double value, atHz;
    };
    const double iHigh = V / (6 * high);
    for (const Expect& x : std::vector<Expect>{
             {"LL1 current", row["LL1"].stress.irms, V / (6 * low), 20},
             {"LL1 voltage", row["LL1"].stress.vrms, V / high, 20000},
             {"CH1 voltage", row["CH1"].stress.vrms, V / low, 20},
             {"CH1 current", row["CH1"].stress.irms, iHigh, 20000},
             {"RSH power", row["RSH"].stress.watts, iHigh * iHigh * d.RSH, 20000},
         }) {
        EXPECT_NEAR(x.peak.value / x.value, 1, 2e-4) << x.name;  // float component values
        EXPECT_NEAR(x.peak.atHz, x.atHz, 1e-9) << x.name;
    }
    // 1.5 × 28.27 V needs a 50 V capacitor, 1.5 × 4.71 A an 8 A coil; twice
    // the series resistor's 89.5 W is beyond the series' 20 W.
    EXPECT_EQ(row["CH1"].rating.value, 50);
    EXPECT_EQ(row["LL1"].rating.value, 8);
    EXPECT_TRUE(row["CH1"].rating.ok);
    EXPECT_EQ(row["RSH"].rating.value, 200);
    EXPECT_FALSE(row["RSH"].rating.ok);
}

// ngspice's level at each driver terminal for a few decks, against the
// circuit solved here.
std::map<std::string, std::vector<std::pair<double, double>>> ngspiceLevels(const std::string& deck)
{
    test::ScratchFolder folder;
    const auto file = folder.path() / "deck.cir";
    std::ofstream(file) << deck;
    const auto run = test::runTool("ngspice", {"-b", file.string()});
    std::map<std::string, std::vector<std::pair<double, double>>> levels;
    std::istringstream in(run.out);
    std::vector<std::string> columns;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string s; words >> s;) w.push_back(s);
        if (!w.empty() && w[0] == "Index") columns = w;
        if (w.size() < 3 || w.size() != columns.size() || !std::isdigit(static_cast<unsigned char>(w[0][0]))) continue;
        for (std::size_t i = 2; i < w.size(); ++i) levels[columns[i]].emplace_back(std::stod(w[1]), std::stod(w[i]));
    }
    return levels;
}

TEST(NetworkNetlist, NgspiceAgreesWithTheCircuit)
{
    if (std::system("command -v ngspice >/dev/null 2>&1") != 0) GTEST_SKIP() << "ngspice is not installed";
    SeriesChoice e24;
    e24.name = SeriesName::E24;
    e24.pairs = true;
    for (const auto& [ways, order, type] :
         std::vector<std::tuple<int, int, std::string>>{{2, 2, "Linkwi"}, {3, 3, "Chebyc"}, {3, 4, "Bessel"}}) {
        const Design d = designFor(ways, order, type, 97);
        const Circuit c = circuitOf(d, CircuitModel::Complete, e24);
        const auto net = spiceNetlist(c, "test deck");
        ASSERT_EQ(net.error, "");
        const auto levels = ngspiceLevels(net.deck);
        ASSERT_EQ(levels.size(), c.branches.size()) << net.deck;
        for (std::size_t b = 0; b < c.branches.size(); ++b) {
            const std::string column = "vdb(" + c.branches[b].nodes[static_cast<std::size_t>(c.branches[b].out)] + ")";
            const auto& points = levels.at(column);
            EXPECT_EQ(points.size(), 401u) << column;
            for (std::size_t j = 0; j < points.size(); j += 13) {
                const auto r = respond(c, PI2 * points[j].first);
                EXPECT_NEAR(20 * std::log10(std::abs(r.transfer[b])), points[j].second, 0.01)
                    << ways << "-way " << order << " " << column << " at " << points[j].first;
            }
        }
    }
}

// A design whose values are not finite gives an empty parts list with the
// reason, and the netlist writer refuses a part that is not finite.
TEST(NetworkNetlist, RefusesWhatCannotBeBuilt)
{
    Design d = designFor(2, 2, "Linkwi");
    d.CL1 = std::nanf("");
    const auto list = makePartsList(d, SeriesChoice{}, StressSettings{});
    EXPECT_TRUE(list.rows.empty());
    EXPECT_EQ(list.reason, "CL1 is not a finite positive value");

    Circuit c = circuitOf(designFor(2, 1, "Butter"), CircuitModel::Complete);
    c.branches[0].parts[0].value = HUGE_VAL;
    const auto net = spiceNetlist(c, "deck");
    EXPECT_EQ(net.deck, "");
    EXPECT_EQ(net.error, "LL1 has no finite positive value; the netlist is not written");
}

}  // namespace
}  // namespace larkspan
