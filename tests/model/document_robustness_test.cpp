// Whatever a document file holds, opening it and computing the design from it
// must neither crash nor hang, and nothing non-finite may be drawn.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

#include "corrections/attenuators.h"
#include "corrections/impedance_correction.h"
#include "model/document_record.h"
#include "model/raw_record.h"
#include "response/sweeps.h"
#include "synthesis/cofcal.h"

namespace larkspan {
namespace {

using test::Bytes;
using test::RawRecord;

// Where the record keeps its numbers (worked out from the layout: the groups
// of floats at 67..119, 318..402 and 426..446, the integers at 63, 65,
// 123..127 and 406..424).
std::vector<std::size_t> floatOffsets()
{
    std::vector<std::size_t> at;
    for (std::size_t o = 67; o <= 119; o += 4) at.push_back(o);
    for (std::size_t o = 318; o <= 402; o += 4) at.push_back(o);
    for (std::size_t o = 426; o <= 446; o += 4) at.push_back(o);
    return at;
}
std::vector<std::size_t> integerOffsets()
{
    std::vector<std::size_t> at{63, 65, 123, 125, 127};
    for (std::size_t o = 406; o <= 424; o += 2) at.push_back(o);
    return at;
}
constexpr std::array<std::size_t, 4> kTextOffsets{0, 129, 192, 255};
constexpr std::array<const char*, 5> kKeys{"Butter", "Linkwi", "ButAsy", "Bessel", "Chebyc"};

// Float bit patterns that break naive arithmetic.
constexpr std::array<std::uint32_t, 14> kHostileFloats{
    0x7FC00000,  // NaN
    0xFFC00123,  // negative NaN with a payload
    0x7F800000,  // +infinity
    0xFF800000,  // −infinity
    0x00000000,  // 0
    0x80000000,  // −0
    0x00000001,  // smallest denormal
    0x7F7FFFFF,  // largest float
    0xFF7FFFFF,  // most negative float
    0x3F800000,  // 1
    0xBF800000,  // −1
    0x0DA24260,  // 1e-30
    0x7149F2CA,  // 1e30
    0xC4228000,  // −650
};

// What the program does with an opened design before and while it draws.
void openAndDraw(Design& d, int sweep)
{
    CalcDiffAtt(d);
    CalcImpIncAtt(d);
    cofCal(d);
    static std::vector<Curve> (*const kSweeps[])(const Design&) = {ampPlot, impPlot, phPlot};
    for (const Curve& c : kSweeps[sweep % 3](d)) {
        ASSERT_LE(c.points.size(), 1000U);
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            const CurvePoint& p = c.points[i];
            if (!p.drawn) continue;
            ASSERT_GT(i, 0U);
            const CurvePoint& q = c.points[i - 1];
            ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(q.x) && std::isfinite(q.y))
                << "a line to a non-finite point is drawn in " << c.branch;
        }
    }
}

// Saving an opened design and opening it again changes nothing.
void expectStableRecord(const Design& d)
{
    const Record once = encodeRecord(d);
    Design again;
    decodeRecord(once, again);
    ASSERT_EQ(encodeRecord(again), once);
}

struct HostileRow {
    const char* name;
    std::function<void(RawRecord&)> spoil;

    friend void PrintTo(const HostileRow& r, std::ostream* os) { *os << r.name; }
};

class HostileRecord : public testing::TestWithParam<HostileRow> {};

// Each spoiled record is tried with every network the program has, so every
// synthesis and evaluator meets the bad values.
TEST_P(HostileRecord, OpensAndDrawsEveryNetwork)
{
    int sweep = 0;
    for (std::uint16_t channel : {2, 3})
        for (std::uint16_t order = 1; order <= 4; ++order)
            for (const char* key : kKeys) {
                RawRecord r = test::defaultRecordByHand();
                r.text(0, key).u16(63, channel).u16(65, order);
                GetParam().spoil(r);
                Design d;
                decodeRecord(r.bytes, d);
                for (int s = 0; s < 3; ++s) {
                    ASSERT_NO_FATAL_FAILURE(openAndDraw(d, sweep + s))
                        << channel << "-way order " << order << " " << key;
                }
                ++sweep;
                ASSERT_NO_FATAL_FAILURE(expectStableRecord(d));
            }
}

HostileRow someFloats(const char* name, std::vector<std::size_t> offsets, std::uint32_t bits)
{
    return {name, [offsets, bits](RawRecord& r) {
                for (std::size_t o : offsets) r.u32(o, bits);
            }};
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HostileRecord,
    testing::Values(
        someFloats("all_nan", floatOffsets(), 0x7FC00000), someFloats("all_infinite", floatOffsets(), 0x7F800000),
        someFloats("all_minus_infinite", floatOffsets(), 0xFF800000), someFloats("all_zero", floatOffsets(), 0),
        someFloats("all_denormal", floatOffsets(), 0x00000001), someFloats("all_largest", floatOffsets(), 0x7F7FFFFF),
        someFloats("all_negative", floatOffsets(), 0xBF800000), someFloats("zero_resistances", {79, 83, 87}, 0),
        someFloats("zero_inductances", {91, 95, 99}, 0), someFloats("nan_frequencies", {67, 71, 75}, 0x7FC00000),
        someFloats("negative_frequencies", {67, 71, 75}, 0xC4228000),
        someFloats("infinite_levels", {111, 115, 119, 318, 362}, 0x7F800000),
        HostileRow{"low_above_high_crossover", [](RawRecord& r) { r.u32(71, 0x44FA0000).u32(75, 0x43480000); }},
        HostileRow{"text_without_markers",
                   [](RawRecord& r) {
                       for (std::size_t t : kTextOffsets)
                           for (std::size_t i = 0; i < 63; ++i) r.bytes[t + i] = 0xFF;
                   }},
        // Selections that no menu can make: no network is drawn.
        HostileRow{"absurd_channel_and_order", [](RawRecord& r) { r.u16(63, 0x8000).u16(65, 0xFFFD); }},
        HostileRow{"channel_4_order_5", [](RawRecord& r) { r.u16(63, 4).u16(65, 5).text(0, "Nonsense"); }},
        HostileRow{"key_no_menu_offers", [](RawRecord& r) { r.text(0, "\xFF\x01"); }},
        HostileRow{"menu_items_out_of_range",
                   [](RawRecord& r) {
                       for (std::size_t o : {123, 125, 127, 414, 416}) r.u16(o, 0x8000);
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

// Bounded random search with a fixed seed: 20000 buffers of 0 to 600 bytes,
// a quarter pure noise, the rest real records with hostile fields mixed in.
TEST(HostileRecord, RandomBuffers)
{
    std::mt19937 gen(20240607U);
    const auto floats = floatOffsets();
    const auto integers = integerOffsets();
    const auto pick = [&gen](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(gen); };
    for (int round = 0; round < 20000; ++round) {
        const std::size_t length = std::uniform_int_distribution<std::size_t>(0, 600)(gen);
        Bytes bytes;
        if (round % 4 == 0) {
            bytes.resize(length);
            for (auto& b : bytes) b = static_cast<std::uint8_t>(gen());
        } else {
            RawRecord r = test::defaultRecordByHand();
            r.text(0, kKeys[pick(5)])
                .u16(63, static_cast<std::uint16_t>(2 + pick(2)))
                .u16(65, static_cast<std::uint16_t>(1 + pick(4)));
            const std::size_t spoilt = 1 + pick(8);
            for (std::size_t k = 0; k < spoilt; ++k) {
                switch (pick(4)) {
                    case 0:
                        r.u32(floats[pick(floats.size())], kHostileFloats[pick(kHostileFloats.size())]);
                        break;
                    case 1:
                        r.u32(floats[pick(floats.size())], static_cast<std::uint32_t>(gen()));
                        break;
                    case 2:
                        r.u16(integers[pick(integers.size())], static_cast<std::uint16_t>(gen()));
                        break;
                    default: {
                        const std::size_t t = kTextOffsets[pick(kTextOffsets.size())];
                        for (std::size_t i = 0; i < 63; ++i) r.bytes[t + i] = static_cast<std::uint8_t>(gen());
                    }
                }
            }
            bytes = r.bytes;
            bytes.resize(length, static_cast<std::uint8_t>(gen()));
        }
        Design d;
        decodeRecord(bytes, d);
        ASSERT_NO_FATAL_FAILURE(openAndDraw(d, round)) << "round " << round;
        ASSERT_NO_FATAL_FAILURE(expectStableRecord(d)) << "round " << round;
    }
}

}  // namespace
}  // namespace larkspan
