#include "sheets/parameter_paste.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "support/golden.h"

namespace larkspan {
namespace {

using namespace std::string_literals;

// A full parameter text as the enclosure program writes it: fifteen fields,
// each followed by two blanks.
const std::string kGoodText =
    "DUMMY%  Vifa D26 NE  91.5  650.25  0.05  0.81  1.2  2.5  0.3  6  0.05  7.5  1200  0.7  15  ";

// Everything the reader writes, on one line: the marker and the name, each
// number's text with the float it reads as, the rear-type button and the Qa
// popup item.
std::string readBack(const NotchWorkingSet& w)
{
    std::string s = w.s_DUMMY + "|" + w.s_SP;
    const std::pair<const std::string&, float> numbers[] = {
        {w.s_SPL, w.SPL}, {w.s_FS, w.FS},   {w.s_VAS, w.VAS}, {w.s_QTS, w.QTS}, {w.s_QES, w.QES},
        {w.s_QMS, w.QMS}, {w.s_EFI, w.EFI}, {w.s_REE, w.REE}, {w.s_LEE, w.LEE}, {w.s_VB, w.VB},
        {w.s_FC, w.FC},   {w.s_QTC, w.QTC}, {w.s_QA, w.QA}};
    for (const auto& [text, value] : numbers) s += "|" + text + "=" + test::number(value);
    return s + "| grp " + std::to_string(w.NotchGrp) + " item " + std::to_string(w.QAPopItem);
}

// Pasted over a set that already holds a name and a few values.
std::string pastedOverValues(const std::string& text)
{
    NotchWorkingSet w;
    w.s_SP = "Before", w.SPL = 93, w.FS = 500, w.VB = 3, w.QA = 7, w.QAPopItem = 2, w.NotchGrp = 1;
    Paste(w, text);
    PicUpTextToParam(w);
    return readBack(w);
}

TEST(ParameterPaste, FieldsReadFromTheText)
{
    struct Row {
        const char* name;
        std::string text;
        std::string read;
    };
    const Row rows[] = {
        // Each number is the decimal's nearest float; Vas not 0 is the first
        // rear-type button; Qa 15 is the fourth popup item.
        {"good text", kGoodText,
         "DUMMY%|Vifa D26 NE|91.5=91.5|650.25=650.25|0.05=0.05|0.81=0.81|1.2=1.2|2.5=2.5|0.3=0.3|6=6|0.05=0.05|7.5=7.5|"
         "1200=1200|0.7=0.7|15=15| grp 1 item 4"},
        {"two blanks end the name", "DUMMY%  Big  Woofer  90  50  ",
         "DUMMY%|Big|Woofer=0|90=90|50=50|=0|=0|=0|=0|=0|=0|=0|=0|=0|=0| grp 1 item 2"},
        {"three blanks leave one", "DUMMY%   Name  96  ",
         "DUMMY%| Name|96=96|=0|=0|=0|=0|=0|=0|=0|=0|=0|=0|=0|=0| grp 2 item 2"},
        {"missing fields read as empty and zero", "DUMMY%  Short  88  70  ",
         "DUMMY%|Short|88=88|70=70|=0|=0|=0|=0|=0|=0|=0|=0|=0|=0|=0| grp 2 item 2"},
        {"last field without its blanks", kGoodText.substr(0, kGoodText.size() - 2),
         "DUMMY%|Vifa D26 NE|91.5=91.5|650.25=650.25|0.05=0.05|0.81=0.81|1.2=1.2|2.5=2.5|0.3=0.3|6=6|0.05=0.05|7.5=7.5|"
         "1200=1200|0.7=0.7|=0| grp 1 item 2"},
        // Mac Roman text is decoded and control characters kept; a number
        // stops at a control character, and a field that starts with a NUL
        // is not one.
        {"control characters",
         "DUMMY%  Sc\x8Enic\tH\r\n  9\x01"
         "0  \0"
         "55  "s,
         "DUMMY%|Sc\xC3\xA9nic\tH\r\n|9\x01"
         "0=9|\0"
         "55=0|=0|=0|=0|=0|=0|=0|=0|=0|=0|=0|=0| grp 2 item 2"s},
        // A first field other than the marker changes only s_DUMMY.
        {"lower-case marker", "dummy%  Name  90  ",
         "dummy%|Before|=93|=500|=0|=0|=0|=0|=0|=0|=0|=3|=0|=0|=7| grp 1 item 2"},
        {"blank inside the marker", "DUMMY %  Name  ",
         "DUMMY %|Before|=93|=500|=0|=0|=0|=0|=0|=0|=0|=3|=0|=0|=7| grp 1 item 2"},
        {"leading blank", " DUMMY%  Name  ", " DUMMY%|Before|=93|=500|=0|=0|=0|=0|=0|=0|=0|=3|=0|=0|=7| grp 1 item 2"},
        {"marker and more", "DUMMY%X  Name  ",
         "DUMMY%X|Before|=93|=500|=0|=0|=0|=0|=0|=0|=0|=3|=0|=0|=7| grp 1 item 2"},
        {"one blank after the marker", "DUMMY% Name  90  ",
         "DUMMY% Name|Before|=93|=500|=0|=0|=0|=0|=0|=0|=0|=3|=0|=0|=7| grp 1 item 2"},
        {"marker alone", "DUMMY%", "|Before|=93|=500|=0|=0|=0|=0|=0|=0|=0|=3|=0|=0|=7| grp 1 item 2"},
        {"empty text", "", "|Before|=93|=500|=0|=0|=0|=0|=0|=0|=0|=3|=0|=0|=7| grp 1 item 2"},
        {"sentence", "Hello, world", "|Before|=93|=500|=0|=0|=0|=0|=0|=0|=0|=3|=0|=0|=7| grp 1 item 2"},
        {"tabs", "DUMMY%\t\tName\t\t90\t\t", "|Before|=93|=500|=0|=0|=0|=0|=0|=0|=0|=3|=0|=0|=7| grp 1 item 2"},
    };
    for (const Row& row : rows) EXPECT_EQ(pastedOverValues(row.text), row.read) << row.name;
}

// The rear-type button follows Vas being 0; the Qa popup item follows an
// exact popup value and is left as it was (2) otherwise.
TEST(ParameterPaste, SelectionsFollowVasAndQa)
{
    struct Row {
        const char* vas;
        const char* qa;
        int grp, item;
    };
    const Row rows[] = {{"10", "5", 1, 1},    {"10", "7", 1, 2},  {"10", "10", 1, 3},   {"10", "10.0", 1, 3},
                        {"10", "15", 1, 4},   {"10", "20", 1, 5}, {"10", "12", 1, 2},   {"10", "9.99", 1, 2},
                        {"10", "ten", 1, 2},  {"10", "-5", 1, 2}, {"0", "10", 2, 3},    {"n/a", "10", 2, 3},
                        {"12.5", "10", 1, 3}, {"-1", "10", 1, 3}, {"1e-30", "10", 1, 3}};
    for (const Row& row : rows) {
        NotchWorkingSet w;
        w.QAPopItem = 2;
        w.NotchGrp = 7;
        Paste(w, "DUMMY%  M  90  60  "s + row.vas + "  0.4  0.5  3  0.3  6  0.5  5  100  0.7  " + row.qa + "  ");
        PicUpTextToParam(w);
        EXPECT_EQ(std::pair(int{w.NotchGrp}, int{w.QAPopItem}), std::pair(row.grp, row.item))
            << "Vas " << row.vas << ", Qa " << row.qa;
    }
}

TEST(ParameterPaste, TakesTextsShorterThan256BytesAndKeepsTheLastOne)
{
    NotchWorkingSet w;
    Paste(w, kGoodText);
    Paste(w, std::nullopt);
    EXPECT_EQ(w.ClipText, kGoodText) << "no text on the clipboard";
    const std::string fill255(255, 'x');
    Paste(w, fill255);
    EXPECT_EQ(w.ClipText, fill255);
    Paste(w, std::string(256, 'y'));
    EXPECT_EQ(w.ClipText, fill255) << "a 256-byte text is not taken";
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

TEST(PasteParametersButton, ClickOnlyWithSoundsOnAlertOnMismatch)
{
    NotchWorkingSet w;
    const SheetOutcome on = PasteParameters(w, kGoodText, 1);
    EXPECT_EQ(on, (SheetOutcome{false, false, 0, std::nullopt, "Click.aif"}));
    EXPECT_EQ(w.FS, 650.25F);
    EXPECT_EQ(PasteParameters(w, kGoodText, 0), SheetOutcome{});
    const SheetOutcome refused = PasteParameters(w, "Vifa D26 NE  91.5  ", 1);
    EXPECT_EQ(refused.beeps, 1);
    ASSERT_TRUE(refused.alert);
    EXPECT_EQ(refused.alert->title, "ALERT!   Paste Data is Mismatched.");
    EXPECT_EQ(refused.sound, "") << "no click for a refused paste";
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
