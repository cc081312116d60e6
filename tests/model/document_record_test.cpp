#include "model/document_record.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/raw_record.h"
#include "support/design_changes.h"

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

// One stored variable: how to give it a value other than its default, the
// bytes that value is stored as and where (two places for the doubled
// levels). Float bit patterns come from Python's struct.pack('>f', v).
struct FieldRow {
    const char* name;
    std::function<void(Design&)> set;
    std::function<bool(const Design&)> holds;
    Bytes field;
    std::vector<std::size_t> offsets;

    friend void PrintTo(const FieldRow& r, std::ostream* os) { *os << r.name; }
};

Bytes bigEndian(std::uint32_t v, std::size_t size)
{
    Bytes b;
    for (std::size_t i = size; i-- > 0;) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    return b;
}

Bytes blankPadded(std::string text)
{
    text.resize(63, ' ');
    return Bytes(text.begin(), text.end());
}

// clang-format off
#define FIELD(m, v, bytes, ...) \
    FieldRow{#m, [](Design& d) { d.m = (v); }, [](const Design& d) { return d.m == (v); }, bytes, {__VA_ARGS__}}
#define FLOAT(m, v, bits, ...) FIELD(m, v, bigEndian(bits, 4), __VA_ARGS__)
#define INT16(m, v, at) FIELD(m, std::int16_t{v}, bigEndian(static_cast<std::uint16_t>(v), 2), at)
#define TEXT(m, v, at) FIELD(m, std::string(v), blankPadded(v), at)
// clang-format on

class EveryField : public testing::TestWithParam<FieldRow> {};

// The record of a design with one variable changed is the hand-built default
// record with that variable's bytes put in, and reading it gives the value.
TEST_P(EveryField, SitsAtItsOffsetAndRoundTrips)
{
    const FieldRow& row = GetParam();
    Design d;
    row.set(d);
    const Bytes written = toBytes(encodeRecord(d));
    Bytes expected = defaultRecordByHand().bytes;
    for (const std::size_t at : row.offsets) std::copy(row.field.begin(), row.field.end(), expected.begin() + at);
    EXPECT_EQ(written, expected) << firstDifference(written, expected);

    Design read;
    decodeRecord(expected, read);
    EXPECT_TRUE(row.holds(read)) << row.name;
}

INSTANTIATE_TEST_SUITE_P(
    Layout, EveryField,
    testing::Values(
        TEXT(s_Type, "ButAsy", 0), INT16(channel, -2, 63), INT16(order, 4, 65), FLOAT(FX, 1234.5F, 0x449A5000, 67),
        FLOAT(FXL, 180.0F, 0x43340000, 71), FLOAT(FXH, 4700.0F, 0x4592E000, 75), FLOAT(RE, 4.0F, 0x40800000, 79),
        FLOAT(RM, 8.0F, 0x41000000, 83), FLOAT(RH, 3.3F, 0x40533333, 87), FLOAT(LE, 0.6F, 0x3F19999A, 91),
        FLOAT(LM, 0.35F, 0x3EB33333, 95), FLOAT(LH, 0.018F, 0x3C9374BC, 99), FLOAT(PinH, 12.0F, 0x41400000, 103),
        FLOAT(PinM, 7.0F, 0x40E00000, 107), FLOAT(LowSPL, 87.5F, 0x42AF0000, 111),
        FLOAT(MidSPL, 91.25F, 0x42B68000, 115, 362), FLOAT(HigSPL, 92.0F, 0x42B80000, 119, 318), INT16(orderID, 4, 123),
        INT16(chnelID, 2, 125), INT16(filtrID, 5, 127), TEXT(s_SPE, "Woofer", 129), TEXT(s_SPM, "Mid", 192),
        TEXT(s_SPH, "Tweeter", 255), FLOAT(HigFS, 1500.0F, 0x44BB8000, 322), FLOAT(HigVAS, 0.125F, 0x3E000000, 326),
        FLOAT(HigQTS, 0.5F, 0x3F000000, 330), FLOAT(HigQES, 0.6F, 0x3F19999A, 334),
        FLOAT(HigQMS, 7.0F, 0x40E00000, 338), FLOAT(HigEFI, 87.5F, 0x42AF0000, 342),
        FLOAT(HigVB, 0.25F, 0x3E800000, 346), FLOAT(HigFC, 2000.0F, 0x44FA0000, 350),
        FLOAT(HigQTC, 1.8F, 0x3FE66666, 354), FLOAT(HigQA, 15.0F, 0x41700000, 358),
        FLOAT(MidFS, 200.0F, 0x43480000, 366), FLOAT(MidVAS, 12.0F, 0x41400000, 370),
        FLOAT(MidQTS, 0.35F, 0x3EB33333, 374), FLOAT(MidQES, 0.47F, 0x3EF0A3D7, 378),
        FLOAT(MidQMS, 5.6F, 0x40B33333, 382), FLOAT(MifnI, 90.0F, 0x42B40000, 386), FLOAT(MidVB, 8.0F, 0x41000000, 390),
        FLOAT(MidFC, 300.0F, 0x43960000, 394), FLOAT(MidQTC, -1.5F, 0xBFC00000, 398),
        FLOAT(MidQA, 5.0F, 0x40A00000, 402), INT16(HigNotchAorG, 0, 406), INT16(MidNotchAorG, 0, 408),
        INT16(HigNotchGrp, 2, 410), INT16(MidNotchGrp, 2, 412), INT16(HigQAPopItem, 5, 414),
        INT16(MidQAPopItem, 1, 416), INT16(HigCorrDisp, 1, 418), INT16(MidCorrDisp, 1, 420),
        INT16(HigRemvImpInc, 1, 422), INT16(MidRemvImpInc, -32768, 424), FLOAT(RNTH, 5.6F, 0x40B33333, 426),
        FLOAT(LNTH, 1e-4F, 0x38D1B717, 430), FLOAT(CNTH, 2.2e-6F, 0x3613A3B6, 434), FLOAT(RNTM, 8.0F, 0x41000000, 438),
        FLOAT(LNTM, 0.47F, 0x3EF0A3D7, 442), FLOAT(CNTM, 3.3e-5F, 0x380A697B, 446)),
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
                    // Mac Roman in the file: "é" is one byte there, so it fits as the 61st.
                    TextRow{"mac_roman_one_byte_each", std::string(60, 'a') + "\xC3\xA9" + "b",
                            std::string(60, 'a') + "\x8E", std::string(60, 'a') + "\xC3\xA9"},
                    TextRow{"not_in_mac_roman", "Mid \xE6\x97\xA5", "Mid ?", "Mid ?"},
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

// Every field of this record differs from the defaults (those it does not
// set are 0).
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

// A file shorter than the record: the fields it holds entirely are read, all
// others keep the new-design defaults (not the values of the design before);
// where only the first copies of the doubled levels are there, they stand.
TEST(DocumentRecord, ShortFileKeepsDefaultsForMissingFields)
{
    const std::string head = "s_Type \"Butter\"→\"Bessel\" channel 2→3 order 1→2";
    const std::string ids = " chnelID 1→0 orderID 1→0 filtrID 1→0";
    const std::string zeros =
        " FX 650→1234.5 FXL 200→0 FXH 2000→0 RE 6→0 RM 6→0 RH 6→0 LE 0.5→0 LM 0.25→0 LH 0.125→0 "
        "LowSPL 90→0";
    const std::string pins = " PinH 10→0 PinM 10→0";
    const std::string texts =
        " s_SPE \"Default Low\"→\"Woofer W-18\" s_SPM \"Default Mid\"→\"Mid M5\" s_SPH "
        "\"Default High\"→\"Dome T1\"";
    const std::string notch =
        " HigQA 10→0 HigQAPopItem 3→0 MidQA 10→0 MidQAPopItem 3→0 HigNotchAorG 1→0 MidNotchAorG "
        "1→0 HigNotchGrp 1→0 MidNotchGrp 1→0 MidRemvImpInc 0→1";
    const std::string last = head + ids + zeros + " MidSPL 96→91.25 HigSPL 100→98.5" + pins + texts + notch;
    const std::pair<std::size_t, std::string> rows[] = {
        {0, ""},
        {62, ""},
        {63, "s_Type \"Butter\"→\"Bessel\""},
        {69, head},
        {71, head + " FX 650→1234.5"},
        {123, head + zeros + " MidSPL 96→87.5 HigSPL 100→92" + pins},
        {322, head + ids + zeros + " MidSPL 96→87.5 HigSPL 100→98.5" + pins + texts},
        {449, last},
        {450, last + " CNTM 0→3.3e-05"},
    };
    const Bytes full = fullNonDefaultRecord().bytes;
    for (const auto& [length, expected] : rows) {
        Design d;  // as if another design had been open
        d.s_Type = "Chebyc", d.channel = 3, d.FX = 777, d.HigSPL = 80, d.s_SPH = "Old", d.CNTM = 9;
        decodeRecord(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length)), d);
        EXPECT_EQ(test::changes(Design{}, d), expected) << length;
    }
}

TEST(DocumentRecord, BytesPastTheRecordAreIgnored)
{
    Bytes longer = fullNonDefaultRecord().bytes;
    longer.resize(600, 0xFF);
    Design d;
    decodeRecord(longer, d);
    EXPECT_EQ(d.FX, 1234.5F);
    EXPECT_EQ(d.CNTM, 3.3e-5F);
}

}  // namespace
}  // namespace larkspan
