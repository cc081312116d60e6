#include "design/document_record.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "design/raw_record.h"

namespace larkspan {
namespace {

using test::Bytes;
using test::defaultRecordByHand;
using test::firstDifference;
using test::RawRecord;

Bytes toBytes(const Record& r)
{
    return Bytes(r.begin(), r.end());
}

TEST(DocumentRecord, NewDesignWritesTheHandBuiltRecord)
{
    const Bytes expected = defaultRecordByHand().bytes;
    const Bytes written = toBytes(encodeRecord(Design{}));
    EXPECT_EQ(written, expected) << firstDifference(written, expected);
}

TEST(DocumentRecord, ReadsAHandBuiltRecordField_by_field)
{
    RawRecord r;
    r.text(0, "Chebyc")
        .u16(63, 3)
        .u16(65, 4)
        .u32(67, 0x449A5000)   // FX 1234.5
        .u32(71, 0x43480000)   // FXL 200
        .u32(75, 0x4592E000)   // FXH 4700
        .u32(79, 0x40800000)   // RE 4
        .u32(83, 0x41000000)   // RM 8
        .u32(87, 0x40533333)   // RH 3.3
        .u32(91, 0x3F19999A)   // LE 0.6
        .u32(95, 0x3EB33333)   // LM 0.35
        .u32(99, 0x3C9374BC)   // LH 0.018
        .u32(103, 0x41400000)  // PinH 12
        .u32(107, 0x40E00000)  // PinM 7
        .u32(111, 0x42AF0000)  // LowSPL 87.5
        .u32(115, 0x42B68000)  // MidSPL 91.25, overridden below
        .u32(119, 0x42B80000)  // HigSPL 92, overridden below
        .u16(123, 4)
        .u16(125, 2)
        .u16(127, 5)
        .text(129, "Woofer W-18")
        .text(192, "Mid M5")
        .text(255, "Dome T1")
        .u32(318, 0x42C50000)   // HigSPL 98.5: the later copy wins
        .u32(322, 0x44BB8000)   // HigFS 1500
        .u32(326, 0x3E000000)   // HigVAS 0.125
        .u32(330, 0x3F000000)   // HigQTS 0.5
        .u32(334, 0x3F19999A)   // HigQES 0.6
        .u32(338, 0x40E00000)   // HigQMS 7
        .u32(342, 0x42AF0000)   // HigEFI 87.5
        .u32(346, 0x3E800000)   // HigVB 0.25
        .u32(350, 0x44FA0000)   // HigFC 2000
        .u32(354, 0x3FE66666)   // HigQTC 1.8
        .u32(358, 0x41700000)   // HigQA 15
        .u32(362, 0x42C00000)   // MidSPL 96: the later copy wins
        .u32(366, 0x43480000)   // MidFS 200
        .u32(370, 0x41400000)   // MidVAS 12
        .u32(374, 0x3EB33333)   // MidQTS 0.35
        .u32(378, 0x3EF0A3D7)   // MidQES 0.47
        .u32(382, 0x40B33333)   // MidQMS 5.6
        .u32(386, 0x42B40000)   // MifnI 90
        .u32(390, 0x41000000)   // MidVB 8
        .u32(394, 0x43960000)   // MidFC 300
        .u32(398, 0xBFC00000)   // MidQTC -1.5
        .u32(402, 0x40A00000)   // MidQA 5
        .u16(406, 0)            // HigNotchAorG
        .u16(408, 1)            // MidNotchAorG
        .u16(410, 2)            // HigNotchGrp
        .u16(412, 1)            // MidNotchGrp
        .u16(414, 4)            // HigQAPopItem
        .u16(416, 1)            // MidQAPopItem
        .u16(418, 1)            // HigCorrDisp
        .u16(420, 0)            // MidCorrDisp
        .u16(422, 0xFFFF)       // HigRemvImpInc -1
        .u16(424, 1)            // MidRemvImpInc
        .u32(426, 0x40B33333)   // RNTH 5.6
        .u32(430, 0x38D1B717)   // LNTH 1e-4
        .u32(434, 0x3613A3B6)   // CNTH 2.2e-6
        .u32(438, 0x41000000)   // RNTM 8
        .u32(442, 0x3EF0A3D7)   // LNTM 0.47
        .u32(446, 0x380A697B);  // CNTM 3.3e-5

    Design d;
    decodeRecord(r.bytes, d);

    EXPECT_EQ(d.s_Type, "Chebyc");
    EXPECT_EQ(d.channel, 3);
    EXPECT_EQ(d.order, 4);
    EXPECT_EQ(d.FX, 1234.5F);
    EXPECT_EQ(d.FXL, 200.0F);
    EXPECT_EQ(d.FXH, 4700.0F);
    EXPECT_EQ(d.RE, 4.0F);
    EXPECT_EQ(d.RM, 8.0F);
    EXPECT_EQ(d.RH, 3.3F);
    EXPECT_EQ(d.LE, 0.6F);
    EXPECT_EQ(d.LM, 0.35F);
    EXPECT_EQ(d.LH, 0.018F);
    EXPECT_EQ(d.PinH, 12.0F);
    EXPECT_EQ(d.PinM, 7.0F);
    EXPECT_EQ(d.LowSPL, 87.5F);
    EXPECT_EQ(d.MidSPL, 96.0F);
    EXPECT_EQ(d.HigSPL, 98.5F);
    EXPECT_EQ(d.orderID, 4);
    EXPECT_EQ(d.chnelID, 2);
    EXPECT_EQ(d.filtrID, 5);
    EXPECT_EQ(d.s_SPE, "Woofer W-18");
    EXPECT_EQ(d.s_SPM, "Mid M5");
    EXPECT_EQ(d.s_SPH, "Dome T1");
    EXPECT_EQ(d.HigFS, 1500.0F);
    EXPECT_EQ(d.HigVAS, 0.125F);
    EXPECT_EQ(d.HigQTS, 0.5F);
    EXPECT_EQ(d.HigQES, 0.6F);
    EXPECT_EQ(d.HigQMS, 7.0F);
    EXPECT_EQ(d.HigEFI, 87.5F);
    EXPECT_EQ(d.HigVB, 0.25F);
    EXPECT_EQ(d.HigFC, 2000.0F);
    EXPECT_EQ(d.HigQTC, 1.8F);
    EXPECT_EQ(d.HigQA, 15.0F);
    EXPECT_EQ(d.MidFS, 200.0F);
    EXPECT_EQ(d.MidVAS, 12.0F);
    EXPECT_EQ(d.MidQTS, 0.35F);
    EXPECT_EQ(d.MidQES, 0.47F);
    EXPECT_EQ(d.MidQMS, 5.6F);
    EXPECT_EQ(d.MifnI, 90.0F);
    EXPECT_EQ(d.MidVB, 8.0F);
    EXPECT_EQ(d.MidFC, 300.0F);
    EXPECT_EQ(d.MidQTC, -1.5F);
    EXPECT_EQ(d.MidQA, 5.0F);
    EXPECT_EQ(d.HigNotchAorG, 0);
    EXPECT_EQ(d.MidNotchAorG, 1);
    EXPECT_EQ(d.HigNotchGrp, 2);
    EXPECT_EQ(d.MidNotchGrp, 1);
    EXPECT_EQ(d.HigQAPopItem, 4);
    EXPECT_EQ(d.MidQAPopItem, 1);
    EXPECT_EQ(d.HigCorrDisp, 1);
    EXPECT_EQ(d.MidCorrDisp, 0);
    EXPECT_EQ(d.HigRemvImpInc, -1);
    EXPECT_EQ(d.MidRemvImpInc, 1);
    EXPECT_EQ(d.RNTH, 5.6F);
    EXPECT_EQ(d.LNTH, 1e-4F);
    EXPECT_EQ(d.CNTH, 2.2e-6F);
    EXPECT_EQ(d.RNTM, 8.0F);
    EXPECT_EQ(d.LNTM, 0.47F);
    EXPECT_EQ(d.CNTM, 3.3e-5F);
}

// One stored variable: how to give it a value other than its default, where
// its bytes lie (two places for the doubled levels) and whether a read
// design holds the value.
struct FieldRow {
    const char* name;
    std::function<void(Design&)> set;
    std::function<bool(const Design&)> holds;
    std::vector<std::pair<std::size_t, std::size_t>> places;  // offset, size

    friend void PrintTo(const FieldRow& r, std::ostream* os) { *os << r.name; }
};

#define FIELD_ROW(m, v, ...)                                                           \
    FieldRow                                                                           \
    {                                                                                  \
#m, [](Design & d) { d.m = (v); }, [](const Design& d) { return d.m == (v); }, \
        {                                                                              \
            __VA_ARGS__                                                                \
        }                                                                              \
    }
#define AT4(o)                          \
    std::pair<std::size_t, std::size_t> \
    {                                   \
        o, 4                            \
    }
#define AT2(o)                          \
    std::pair<std::size_t, std::size_t> \
    {                                   \
        o, 2                            \
    }
#define AT63(o)                         \
    std::pair<std::size_t, std::size_t> \
    {                                   \
        o, 63                           \
    }

class EveryField : public testing::TestWithParam<FieldRow> {};

// Changing one variable changes exactly its own bytes of the record, and
// reading the record gives the value back.
TEST_P(EveryField, SitsAtItsOffsetAndRoundTrips)
{
    const FieldRow& row = GetParam();
    Design d;
    row.set(d);
    const Bytes changed = toBytes(encodeRecord(d));
    const Bytes base = toBytes(encodeRecord(Design{}));
    ASSERT_EQ(changed.size(), kRecordSize);
    for (std::size_t i = 0; i < kRecordSize; ++i) {
        bool inside = false;
        for (const auto& [at, size] : row.places) inside = inside || (i >= at && i < at + size);
        if (!inside) {
            EXPECT_EQ(changed[i], base[i]) << "byte " << i << " changed outside " << row.name;
        }
    }
    for (const auto& [at, size] : row.places)
        EXPECT_FALSE(std::equal(changed.begin() + at, changed.begin() + at + size, base.begin() + at))
            << row.name << " did not change its bytes at " << at;

    Design read;
    decodeRecord(changed, read);
    EXPECT_TRUE(row.holds(read)) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Layout, EveryField,
    testing::Values(
        FIELD_ROW(s_Type, std::string("ButAsy"), AT63(0)), FIELD_ROW(channel, std::int16_t{-2}, AT2(63)),
        FIELD_ROW(order, std::int16_t{4}, AT2(65)), FIELD_ROW(FX, 1234.5F, AT4(67)), FIELD_ROW(FXL, 180.0F, AT4(71)),
        FIELD_ROW(FXH, 4700.0F, AT4(75)), FIELD_ROW(RE, 4.0F, AT4(79)), FIELD_ROW(RM, 8.0F, AT4(83)),
        FIELD_ROW(RH, 3.3F, AT4(87)), FIELD_ROW(LE, 0.6F, AT4(91)), FIELD_ROW(LM, 0.35F, AT4(95)),
        FIELD_ROW(LH, 0.018F, AT4(99)), FIELD_ROW(PinH, 12.0F, AT4(103)), FIELD_ROW(PinM, 7.0F, AT4(107)),
        FIELD_ROW(LowSPL, 87.5F, AT4(111)), FIELD_ROW(MidSPL, 91.25F, AT4(115), AT4(362)),
        FIELD_ROW(HigSPL, 92.0F, AT4(119), AT4(318)), FIELD_ROW(orderID, std::int16_t{4}, AT2(123)),
        FIELD_ROW(chnelID, std::int16_t{2}, AT2(125)), FIELD_ROW(filtrID, std::int16_t{5}, AT2(127)),
        FIELD_ROW(s_SPE, std::string("Woofer"), AT63(129)), FIELD_ROW(s_SPM, std::string("Mid"), AT63(192)),
        FIELD_ROW(s_SPH, std::string("Tweeter"), AT63(255)), FIELD_ROW(HigFS, 1500.0F, AT4(322)),
        FIELD_ROW(HigVAS, 0.125F, AT4(326)), FIELD_ROW(HigQTS, 0.5F, AT4(330)), FIELD_ROW(HigQES, 0.6F, AT4(334)),
        FIELD_ROW(HigQMS, 7.0F, AT4(338)), FIELD_ROW(HigEFI, 87.5F, AT4(342)), FIELD_ROW(HigVB, 0.25F, AT4(346)),
        FIELD_ROW(HigFC, 2000.0F, AT4(350)), FIELD_ROW(HigQTC, 1.8F, AT4(354)), FIELD_ROW(HigQA, 15.0F, AT4(358)),
        FIELD_ROW(MidFS, 200.0F, AT4(366)), FIELD_ROW(MidVAS, 12.0F, AT4(370)), FIELD_ROW(MidQTS, 0.35F, AT4(374)),
        FIELD_ROW(MidQES, 0.47F, AT4(378)), FIELD_ROW(MidQMS, 5.6F, AT4(382)), FIELD_ROW(MifnI, 90.0F, AT4(386)),
        FIELD_ROW(MidVB, 8.0F, AT4(390)), FIELD_ROW(MidFC, 300.0F, AT4(394)), FIELD_ROW(MidQTC, -1.5F, AT4(398)),
        FIELD_ROW(MidQA, 5.0F, AT4(402)), FIELD_ROW(HigNotchAorG, std::int16_t{0}, AT2(406)),
        FIELD_ROW(MidNotchAorG, std::int16_t{0}, AT2(408)), FIELD_ROW(HigNotchGrp, std::int16_t{2}, AT2(410)),
        FIELD_ROW(MidNotchGrp, std::int16_t{2}, AT2(412)), FIELD_ROW(HigQAPopItem, std::int16_t{5}, AT2(414)),
        FIELD_ROW(MidQAPopItem, std::int16_t{1}, AT2(416)), FIELD_ROW(HigCorrDisp, std::int16_t{1}, AT2(418)),
        FIELD_ROW(MidCorrDisp, std::int16_t{1}, AT2(420)), FIELD_ROW(HigRemvImpInc, std::int16_t{1}, AT2(422)),
        FIELD_ROW(MidRemvImpInc, std::int16_t{-32768}, AT2(424)), FIELD_ROW(RNTH, 5.6F, AT4(426)),
        FIELD_ROW(LNTH, 1e-4F, AT4(430)), FIELD_ROW(CNTH, 2.2e-6F, AT4(434)), FIELD_ROW(RNTM, 8.0F, AT4(438)),
        FIELD_ROW(LNTM, 0.47F, AT4(442)), FIELD_ROW(CNTM, 3.3e-5F, AT4(446))),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentRecord, LaterCopyOfTheDoubledLevelsWins)
{
    // Both copies of HigSPL and MidSPL disagree; the second ones count.
    RawRecord r = defaultRecordByHand();
    r.u32(119, 0x42B80000).u32(318, 0x42C50000);  // HigSPL 92, then 98.5
    r.u32(115, 0x42AF0000).u32(362, 0x42B68000);  // MidSPL 87.5, then 91.25
    Design d;
    decodeRecord(r.bytes, d);
    EXPECT_EQ(d.HigSPL, 98.5F);
    EXPECT_EQ(d.MidSPL, 91.25F);
}

// Text fields: what a name turns into in memory once written, what the field
// bytes hold, and what reading them back gives.
struct TextRow {
    const char* name;
    std::string given;
    std::string fieldChars;  // the field's bytes before the trailing blanks
    std::string afterWrite;  // in memory after writing, and read back

    friend void PrintTo(const TextRow& r, std::ostream* os) { *os << r.name; }
};

class TextFields : public testing::TestWithParam<TextRow> {};

TEST_P(TextFields, WrittenAndReadBack)
{
    const TextRow& row = GetParam();
    Design d;
    d.s_SPM = row.given;
    const Bytes bytes = toBytes(encodeRecord(d));
    std::string expectedField = row.fieldChars;
    expectedField.resize(63, ' ');
    EXPECT_EQ(std::string(bytes.begin() + 192, bytes.begin() + 255), expectedField);

    leaveTextFieldsAsWritten(d);
    EXPECT_EQ(d.s_SPM, row.afterWrite);
    Design read;
    decodeRecord(bytes, read);
    EXPECT_EQ(read.s_SPM, row.afterWrite);
}

INSTANTIATE_TEST_SUITE_P(
    Names, TextFields,
    testing::Values(TextRow{"empty", "", "", ""}, TextRow{"plain", "Mid M5", "Mid M5", "Mid M5"},
                    TextRow{"sixty_one_kept", std::string(61, 'x'), std::string(61, 'x'), std::string(61, 'x')},
                    TextRow{"sixty_two_shortened", std::string(62, 'y'), std::string(61, 'y'), std::string(61, 'y')},
                    TextRow{"long_shortened", std::string(60, 'z') + "0123456789", std::string(60, 'z') + "0",
                            std::string(60, 'z') + "0"},
                    // 60 ASCII bytes then "é" (2 bytes): cutting at 61 would split it.
                    TextRow{"utf8_not_split", std::string(60, 'a') + "\xC3\xA9" + "b", std::string(60, 'a'),
                            std::string(60, 'a')},
                    TextRow{"utf8_fits", std::string(59, 'a') + "\xC3\xA9", std::string(59, 'a') + "\xC3\xA9",
                            std::string(59, 'a') + "\xC3\xA9"},
                    // The file keeps the whole name; the marker search cuts it.
                    TextRow{"two_blanks_cut", "Mid  Range 5", "Mid  Range 5", "Mid"},
                    TextRow{"single_blanks_kept", "Mid Range 5", "Mid Range 5", "Mid Range 5"},
                    TextRow{"trailing_blank_lost", "Mid ", "Mid ", "Mid"},
                    TextRow{"leading_two_blanks_empty", "  Mid", "  Mid", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentRecord, TextWithoutMarkerReadsAsEmpty)
{
    // 63 non-blank characters, and a field of NUL bytes: neither has two
    // adjacent blanks, so both names come out empty.
    RawRecord r = defaultRecordByHand();
    for (std::size_t i = 0; i < 63; ++i) r.bytes[129 + i] = 'Q';
    for (std::size_t i = 0; i < 63; ++i) r.bytes[i] = 0;
    // A single blank at the very end of the field is not a marker either.
    for (std::size_t i = 0; i < 63; ++i) r.bytes[255 + i] = i == 62 ? ' ' : 'T';
    Design d;
    decodeRecord(r.bytes, d);
    EXPECT_EQ(d.s_SPE, "");
    EXPECT_EQ(d.s_Type, "");
    EXPECT_EQ(d.s_SPH, "");
    EXPECT_EQ(d.s_SPM, "Default Mid");
}

TEST(DocumentRecord, ExtractionTextCutsAtTheFirstMarker)
{
    Design d;
    d.s_Type = "Bessel  " + std::string(55, ' ');
    d.s_SPE = "A B  C  D";
    d.s_SPM = "no marker";
    d.s_SPH = "  ";
    ExtractionText(d);
    EXPECT_EQ(d.s_Type, "Bessel");
    EXPECT_EQ(d.s_SPE, "A B");
    EXPECT_EQ(d.s_SPM, "");
    EXPECT_EQ(d.s_SPH, "");
}

// A file shorter than the record: the fields it holds entirely are read, all
// others keep the new-design defaults (not the values of the design before).
struct ShortRow {
    const char* name;
    std::size_t length;
    std::function<void(const Design&)> check;

    friend void PrintTo(const ShortRow& r, std::ostream* os) { *os << r.name; }
};

class ShortFile : public testing::TestWithParam<ShortRow> {};

// Every field of this record differs from the defaults.
RawRecord fullNonDefaultRecord()
{
    RawRecord r;
    r.text(0, "Bessel").u16(63, 3).u16(65, 2).u32(67, 0x449A5000);  // FX 1234.5
    r.u32(115, 0x42AF0000).u32(119, 0x42B80000);                    // MidSPL 87.5, HigSPL 92
    r.text(129, "Woofer W-18").text(192, "Mid M5").text(255, "Dome T1");
    r.u32(318, 0x42C50000);              // HigSPL 98.5
    r.u32(362, 0x42B68000);              // MidSPL 91.25
    r.u16(424, 1).u32(446, 0x380A697B);  // MidRemvImpInc 1, CNTM 3.3e-5
    return r;
}

TEST_P(ShortFile, KeepsDefaultsForMissingFields)
{
    const Bytes full = fullNonDefaultRecord().bytes;
    const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(GetParam().length));
    Design d;  // as if another design had been open
    d.s_Type = "Chebyc";
    d.channel = 3;
    d.FX = 777;
    d.HigSPL = 80;
    d.s_SPH = "Old";
    d.CNTM = 9;
    decodeRecord(cut, d);
    GetParam().check(d);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, ShortFile,
    testing::Values(ShortRow{"empty", 0,
                             [](const Design& d) {
                                 EXPECT_EQ(d.s_Type, "Butter");
                                 EXPECT_EQ(d.channel, 2);
                                 EXPECT_EQ(d.FX, 650.0F);
                                 EXPECT_EQ(d.HigSPL, 100.0F);
                                 EXPECT_EQ(d.s_SPH, "Default High");
                                 EXPECT_EQ(d.CNTM, 0.0F);
                             }},
                    // 62 bytes: the alignment key's field is incomplete and not read.
                    ShortRow{"part_of_first_text", 62, [](const Design& d) { EXPECT_EQ(d.s_Type, "Butter"); }},
                    ShortRow{"first_text_only", 63,
                             [](const Design& d) {
                                 EXPECT_EQ(d.s_Type, "Bessel");
                                 EXPECT_EQ(d.channel, 2);
                             }},
                    // 70 bytes: FX (67..70) is complete, FXL is not.
                    ShortRow{"through_fx", 71,
                             [](const Design& d) {
                                 EXPECT_EQ(d.channel, 3);
                                 EXPECT_EQ(d.order, 2);
                                 EXPECT_EQ(d.FX, 1234.5F);
                                 EXPECT_EQ(d.FXL, 200.0F);
                             }},
                    ShortRow{"half_of_fx", 69, [](const Design& d) { EXPECT_EQ(d.FX, 650.0F); }},
                    // Only the first copies of the levels: they stand.
                    ShortRow{"first_level_copies", 123,
                             [](const Design& d) {
                                 EXPECT_EQ(d.HigSPL, 92.0F);
                                 EXPECT_EQ(d.MidSPL, 87.5F);
                                 EXPECT_EQ(d.s_SPE, "Default Low");
                             }},
                    ShortRow{"second_high_copy", 322,
                             [](const Design& d) {
                                 EXPECT_EQ(d.HigSPL, 98.5F);
                                 EXPECT_EQ(d.MidSPL, 87.5F);
                                 EXPECT_EQ(d.s_SPH, "Dome T1");
                             }},
                    ShortRow{"last_field_missing", 449,
                             [](const Design& d) {
                                 EXPECT_EQ(d.MidSPL, 91.25F);
                                 EXPECT_EQ(d.MidRemvImpInc, 1);
                                 EXPECT_EQ(d.CNTM, 0.0F);
                             }},
                    ShortRow{"complete", 450, [](const Design& d) { EXPECT_EQ(d.CNTM, 3.3e-5F); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentRecord, BytesPastTheRecordAreIgnored)
{
    Bytes longer = fullNonDefaultRecord().bytes;
    longer.resize(600, 0xFF);
    Design d;
    decodeRecord(longer, d);
    EXPECT_EQ(d.FX, 1234.5F);
    EXPECT_EQ(d.CNTM, 3.3e-5F);
}

TEST(DocumentRecord, ReadingADefaultRecordBackGivesTheDefaults)
{
    Design changed;
    changed.FX = 1000;
    changed.s_SPE = "x";
    decodeRecord(toBytes(encodeRecord(Design{})), changed);
    EXPECT_EQ(toBytes(encodeRecord(changed)), toBytes(encodeRecord(Design{})));
    EXPECT_EQ(changed.s_SPE, "Default Low");
}

}  // namespace
}  // namespace larkspan
