#include "sheets/parameter_paste.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace larkspan {
namespace {

using namespace std::string_literals;

// A full parameter text as the enclosure program writes it: fifteen fields,
// each followed by two blanks.
const std::string kGoodText =
    "DUMMY%  Vifa D26 NE  91.5  650.25  0.05  0.81  1.2  2.5  0.3  6  0.05  7.5  1200  0.7  15  ";

NotchWorkingSet pasted(const std::string& text)
{
    NotchWorkingSet w;
    w.QAPopItem = 2;
    w.NotchGrp = 7;  // not a value the reader would write
    Paste(w, text);
    PicUpTextToParam(w);
    return w;
}

TEST(ParameterPaste, GoodTextFillsEveryField)
{
    const NotchWorkingSet w = pasted(kGoodText);
    EXPECT_EQ(w.ClipText, kGoodText);
    EXPECT_EQ(w.s_DUMMY, "DUMMY%");
    EXPECT_EQ(w.s_SP, "Vifa D26 NE");  // single blanks stay inside the field
    // Each number is the decimal nearest float of its field.
    EXPECT_EQ(w.SPL, 91.5F);
    EXPECT_EQ(w.FS, 650.25F);
    EXPECT_EQ(w.VAS, 0.05F);
    EXPECT_EQ(w.QTS, 0.81F);
    EXPECT_EQ(w.QES, 1.2F);
    EXPECT_EQ(w.QMS, 2.5F);
    EXPECT_EQ(w.EFI, 0.3F);
    EXPECT_EQ(w.REE, 6.0F);
    EXPECT_EQ(w.LEE, 0.05F);
    EXPECT_EQ(w.VB, 7.5F);
    EXPECT_EQ(w.FC, 1200.0F);
    EXPECT_EQ(w.QTC, 0.7F);
    EXPECT_EQ(w.QA, 15.0F);
    // The texts are kept exactly as they stood.
    EXPECT_EQ(w.s_SPL, "91.5");
    EXPECT_EQ(w.s_FS, "650.25");
    EXPECT_EQ(w.s_LEE, "0.05");
    EXPECT_EQ(w.s_QA, "15");
    // Vas is not 0: the first rear-type button; Qa 15 is the fourth item.
    EXPECT_EQ(w.NotchGrp, 1);
    EXPECT_EQ(w.QAPopItem, 4);
}

TEST(ParameterPaste, TwoBlanksInsideTheNameEndTheField)
{
    const NotchWorkingSet w = pasted("DUMMY%  Big  Woofer  90  50  ");
    EXPECT_EQ(w.s_SP, "Big");
    EXPECT_EQ(w.s_SPL, "Woofer");
    EXPECT_EQ(w.SPL, 0.0F);  // not a number
    EXPECT_EQ(w.FS, 90.0F);
    EXPECT_EQ(w.VAS, 50.0F);
}

TEST(ParameterPaste, ThreeBlanksLeaveOneBlankAtTheStartOfTheNextField)
{
    const NotchWorkingSet w = pasted("DUMMY%   Name  96  ");
    EXPECT_EQ(w.s_DUMMY, "DUMMY%");
    EXPECT_EQ(w.s_SP, " Name");
    EXPECT_EQ(w.SPL, 96.0F);
}

struct MismatchRow {
    const char* name;
    std::string text;
    const char* dummy;  // what s_DUMMY holds afterwards

    friend void PrintTo(const MismatchRow& r, std::ostream* os) { *os << r.name; }
};

class ParameterPasteMismatch : public testing::TestWithParam<MismatchRow> {};

TEST_P(ParameterPasteMismatch, OnlyTheMarkerFieldChanges)
{
    NotchWorkingSet w;
    w.s_SP = "Before";
    w.SPL = 93;
    w.FS = 500;
    w.QA = 7;
    w.QAPopItem = 2;
    w.NotchGrp = 1;
    Paste(w, GetParam().text);
    PicUpTextToParam(w);
    EXPECT_EQ(w.s_DUMMY, GetParam().dummy);
    EXPECT_EQ(w.s_SP, "Before");
    EXPECT_EQ(w.SPL, 93.0F);
    EXPECT_EQ(w.FS, 500.0F);
    EXPECT_EQ(w.QA, 7.0F);
    EXPECT_EQ(w.QAPopItem, 2);
    EXPECT_EQ(w.NotchGrp, 1);
    EXPECT_TRUE(w.s_SPL.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, ParameterPasteMismatch,
                         testing::Values(MismatchRow{"lower_case_marker", "dummy%  Name  90  ", "dummy%"},
                                         MismatchRow{"blank_inside_the_marker", "DUMMY %  Name  ", "DUMMY %"},
                                         MismatchRow{"marker_with_a_leading_blank", " DUMMY%  Name  ", " DUMMY%"},
                                         MismatchRow{"marker_and_more", "DUMMY%X  Name  ", "DUMMY%X"},
                                         MismatchRow{"one_blank_after_the_marker", "DUMMY% Name  90  ", "DUMMY% Name"},
                                         MismatchRow{"marker_without_separator", "DUMMY%", ""},
                                         MismatchRow{"empty_text", "", ""},
                                         MismatchRow{"plain_sentence", "Hello, world", ""},
                                         MismatchRow{"tab_separated", "DUMMY%\t\tName\t\t90\t\t", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ParameterPaste, ClipboardWithoutTextKeepsThePreviousText)
{
    NotchWorkingSet w;
    Paste(w, kGoodText);
    Paste(w, std::nullopt);
    EXPECT_EQ(w.ClipText, kGoodText);
    // The previous text is read again.
    w.FS = 0;
    PicUpTextToParam(w);
    EXPECT_EQ(w.FS, 650.25F);
}

TEST(ParameterPaste, TakesTextsShorterThan256Bytes)
{
    const std::string fill255(255, 'x');
    const std::string fill256(256, 'y');
    NotchWorkingSet w;
    Paste(w, fill255);
    EXPECT_EQ(w.ClipText, fill255);
    Paste(w, fill256);
    EXPECT_EQ(w.ClipText, fill255) << "a 256-byte text is not taken";
    Paste(w, std::string(1000, 'z'));
    EXPECT_EQ(w.ClipText, fill255);
    Paste(w, "");
    EXPECT_EQ(w.ClipText, "") << "an empty text is a text";
    // Bytes, not characters, count: "é" is two bytes in UTF-8.
    std::string accents;
    for (int i = 0; i < 127; ++i) accents += "\xC3\xA9";
    Paste(w, accents + "a");
    EXPECT_EQ(w.ClipText.size(), 255U);
    Paste(w, accents + "ab");
    EXPECT_EQ(w.ClipText.size(), 255U) << "256 bytes are not taken";
}

TEST(ParameterPaste, NonAsciiAndControlCharactersAreKeptInTheFields)
{
    const std::string text =
        "DUMMY%  Sc\x8Enic\tH\r\n  9\x01"
        "0  \0"
        "55  "s;
    const NotchWorkingSet w = pasted(text);
    EXPECT_EQ(w.s_SP, "Sc\xC3\xA9nic\tH\r\n") << "Mac Roman decoded";
    EXPECT_EQ(w.s_SPL,
              "9\x01"
              "0");
    EXPECT_EQ(w.SPL, 9.0F) << "the leading number stops at the control character";
    EXPECT_EQ(w.s_FS,
              "\0"
              "55"s);
    EXPECT_EQ(w.FS, 0.0F) << "a field that starts with a NUL is not a number";
}

TEST(ParameterPaste, MissingFieldsReadAsEmptyAndZero)
{
    NotchWorkingSet w;
    w.VB = 3;
    w.QA = 20;
    w.QAPopItem = 5;
    Paste(w, "DUMMY%  Short  88  70  ");
    PicUpTextToParam(w);
    EXPECT_EQ(w.SPL, 88.0F);
    EXPECT_EQ(w.FS, 70.0F);
    EXPECT_EQ(w.VAS, 0.0F);
    EXPECT_EQ(w.VB, 0.0F);
    EXPECT_TRUE(w.s_QA.empty());
    EXPECT_EQ(w.QA, 0.0F);
    EXPECT_EQ(w.QAPopItem, 5) << "Qa 0 is no popup value";
    EXPECT_EQ(w.NotchGrp, 2) << "Vas 0";
}

TEST(ParameterPaste, LastFieldWithoutItsBlanksIsEmpty)
{
    std::string text = kGoodText;
    text.resize(text.size() - 2);  // "...  0.7  15"
    NotchWorkingSet w;
    w.QAPopItem = 1;
    Paste(w, text);
    PicUpTextToParam(w);
    EXPECT_EQ(w.QTC, 0.7F);
    EXPECT_EQ(w.s_QA, "");
    EXPECT_EQ(w.QA, 0.0F);
    EXPECT_EQ(w.QAPopItem, 1);
}

// The rear-type button follows Vas being 0; the Qa popup item follows an
// exact popup value and is left as it was (2) otherwise.
struct SelectionRow {
    const char* name;
    const char* vas;
    const char* qa;
    std::int16_t grp;
    std::int16_t item;

    friend void PrintTo(const SelectionRow& r, std::ostream* os) { *os << r.name; }
};

class ParameterPasteSelections : public testing::TestWithParam<SelectionRow> {};

TEST_P(ParameterPasteSelections, FollowVasAndQa)
{
    const SelectionRow& row = GetParam();
    const NotchWorkingSet w =
        pasted("DUMMY%  M  90  60  "s + row.vas + "  0.4  0.5  3  0.3  6  0.5  5  100  0.7  " + row.qa + "  ");
    EXPECT_EQ(w.NotchGrp, row.grp);
    EXPECT_EQ(w.QAPopItem, row.item);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParameterPasteSelections,
    testing::Values(SelectionRow{"qa5_item1", "10", "5", 1, 1}, SelectionRow{"qa7_item2", "10", "7", 1, 2},
                    SelectionRow{"qa10_item3", "10", "10", 1, 3}, SelectionRow{"qa10_written_10_0", "10", "10.0", 1, 3},
                    SelectionRow{"qa15_item4", "10", "15", 1, 4}, SelectionRow{"qa20_item5", "10", "20", 1, 5},
                    SelectionRow{"qa12_unchanged", "10", "12", 1, 2},
                    SelectionRow{"qa9_99_unchanged", "10", "9.99", 1, 2},
                    SelectionRow{"qa_text_unchanged", "10", "ten", 1, 2}, SelectionRow{"qa_minus5", "10", "-5", 1, 2},
                    SelectionRow{"vas_zero_second_button", "0", "10", 2, 3},
                    SelectionRow{"vas_text_second_button", "n/a", "10", 2, 3},
                    SelectionRow{"vas_positive_first", "12.5", "10", 1, 3},
                    SelectionRow{"vas_negative_first", "-1", "10", 1, 3},
                    SelectionRow{"vas_tiny_first", "1e-30", "10", 1, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PasteParametersButton, GoodTextAsksForTheClickOnlyWhenSoundsAreOn)
{
    NotchWorkingSet w;
    const SheetOutcome on = PasteParameters(w, kGoodText, 1);
    EXPECT_FALSE(on.closed);
    EXPECT_FALSE(on.redraw);
    EXPECT_EQ(on.beeps, 0);
    EXPECT_FALSE(on.alert);
    EXPECT_EQ(on.sound, "Click.aif");
    EXPECT_EQ(w.FS, 650.25F);

    const SheetOutcome off = PasteParameters(w, kGoodText, 0);
    EXPECT_EQ(off.sound, "");
    EXPECT_FALSE(off.alert);
}

TEST(PasteParametersButton, MismatchedTextBeepsAndAlerts)
{
    NotchWorkingSet w;
    const SheetOutcome out = PasteParameters(w, "Vifa D26 NE  91.5  ", 1);
    EXPECT_FALSE(out.closed);
    EXPECT_EQ(out.beeps, 1);
    ASSERT_TRUE(out.alert);
    EXPECT_EQ(out.alert->title, "ALERT!   Paste Data is Mismatched.");
    EXPECT_EQ(out.sound, "") << "no click for a refused paste";
}

TEST(PasteParametersButton, NothingTakenBeforeIsRefused)
{
    // A text too long to take with none taken before: the empty text is read
    // and refused.
    NotchWorkingSet fresh;
    EXPECT_TRUE(PasteParameters(fresh, std::string(300, ' '), 0).alert);
}

// Random texts, some built from valid pieces, must read without a crash and
// leave the derived selections in their ranges.
TEST(ParameterPasteRandom, ThousandsOfTextsReadSafely)
{
    std::mt19937 rng(20240611U);
    const std::string pieces[] = {"DUMMY%", "  ", " ", "12.5", "-3",  "1e400",    "1e-400", "0",   "10",   "5",
                                  ".",      "e",  "+", "nan",  "inf", "\xC3\xA9", "\t",     "\0"s, "\xFF", "abc"};
    std::uniform_int_distribution<int> pieceCount(0, 60);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> mode(0, 2);
    int matched = 0;
    for (int i = 0; i < 5000; ++i) {
        std::string text;
        switch (mode(rng)) {
            case 0:  // random bytes
                for (int n = pieceCount(rng) * 4; n > 0; --n) text += static_cast<char>(byte(rng));
                break;
            case 1:  // marker, then random pieces
                text = "DUMMY%  ";
                for (int n = pieceCount(rng); n > 0; --n) text += pieces[pick(rng)];
                break;
            default:  // a good text with a few bytes changed
                text = kGoodText;
                for (int n = 1 + pieceCount(rng) % 4; n > 0; --n)
                    text[static_cast<std::size_t>(byte(rng)) % text.size()] = static_cast<char>(byte(rng));
                break;
        }
        NotchWorkingSet w;
        w.QAPopItem = 3;
        w.NotchGrp = 1;
        const SheetOutcome out = PasteParameters(w, text, 1);
        ASSERT_LE(w.ClipText.size(), 255U);
        ASSERT_TRUE(w.NotchGrp == 1 || w.NotchGrp == 2);
        ASSERT_TRUE(w.QAPopItem >= 1 && w.QAPopItem <= 5);
        if (w.s_DUMMY != "DUMMY%") {
            ASSERT_TRUE(out.alert);
        }
        if (out.alert) continue;
        for (const float v : {w.SPL, w.FS, w.VAS, w.QTS, w.QES, w.QMS, w.EFI, w.REE, w.LEE, w.VB, w.FC, w.QTC, w.QA})
            ASSERT_TRUE(v == 0 || std::isnormal(v)) << "a value a float cannot hold was taken";
        ++matched;
    }
    // The mix must exercise both outcomes.
    EXPECT_GT(matched, 1000);
    EXPECT_LT(matched, 4500);
}

}  // namespace
}  // namespace larkspan
