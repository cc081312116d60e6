// The caption, the legend and the driver pictures.
#include <gtest/gtest.h>

#include "drawing/caption.h"
#include "drawing/legend.h"
#include "drawing/speaker_pictures.h"
#include "drawing_test_support.h"

namespace larkspan {
namespace {

using test::Recorder;

struct CaptionRow {
    int order;
    const char* key;
    const char* text;  // 2-way; the 3-way text reads "3wey" instead
    float offset;
};

// Every combination that has a caption, written out.
const CaptionRow kCaptions[] = {
    {1, "Butter", "'2wey 1st Order Butterworth'", 179},    {2, "Butter", "'2wey 2nd Order Butterworth'", 179},
    {2, "Linkwi", "'2wey 2nd Order Linkwitz-Riley'", 174}, {2, "ButAsy", "'2wey 2nd Order Butterworth Asymmetry'", 149},
    {2, "Bessel", "'2wey 2nd Order Bessel'", 199},         {2, "Chebyc", "'2wey 2nd Order Chebychev'", 188},
    {3, "Butter", "'2wey 3rd Order Butterworth'", 179},    {3, "Bessel", "'2wey 3rd Order Bessel'", 199},
    {3, "Chebyc", "'2wey 3rd Order Chebychev'", 188},      {4, "Butter", "'2wey 4th Order Butterworth'", 179},
    {4, "Linkwi", "'2wey 4th Order Linkwitz-Riley'", 174}, {4, "ButAsy", "'2wey 4th Order Butterworth Asymmetry'", 149},
    {4, "Bessel", "'2wey 4th Order Bessel'", 199},         {4, "Chebyc", "'2wey 4th Order Chebychev'", 188},
};

Design designOf(int channel, int order, const char* key, const char* view = "amp")
{
    Design d;
    d.channel = static_cast<std::int16_t>(channel);
    d.order = static_cast<std::int16_t>(order);
    d.s_Type = key;
    d.s_Resp = view;
    return d;
}

TEST(Caption, EveryCombinationInBothWaysAndBothViewKinds)
{
    for (const auto& row : kCaptions) {
        for (const int channel : {2, 3}) {
            std::string text = row.text;
            text[1] = channel == 2 ? '2' : '3';
            for (const bool schema : {false, true}) {
                SCOPED_TRACE(text + (schema ? " schema" : " graph"));
                Recorder r;
                CaptionState state;
                netSys(r.target, designOf(channel, row.order, row.key, schema ? "schema" : "amp"), state);
                ASSERT_EQ(r.canvas.primitives.size(), 1U);
                const Primitive& t = r.canvas.primitives[0];
                EXPECT_EQ(t.text, text);
                EXPECT_EQ(t.x1, schema ? 135 + row.offset : row.offset);
                EXPECT_EQ(t.y1, schema ? 44 : 40);
                EXPECT_EQ(t.fontSize, 13);
                EXPECT_EQ(t.colour, Colour{});
            }
        }
    }
}

TEST(Caption, CombinationsWithoutACaptionDrawThePreviousOneAgain)
{
    struct Row {
        const char* name;
        int channel, order;
        const char* key;
    };
    const Row rows[] = {
        {"first order Bessel", 2, 1, "Bessel"}, {"third order asymmetric", 3, 3, "ButAsy"},
        {"unknown key", 2, 2, "Foo"},           {"order five", 2, 5, "Butter"},
        {"four ways", 4, 2, "Butter"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CaptionState state;
        Recorder first;
        netSys(first.target, designOf(2, 2, "Bessel"), state);
        Recorder second;
        netSys(second.target, designOf(row.channel, row.order, row.key, "schema"), state);
        ASSERT_EQ(second.canvas.primitives.size(), 1U);
        EXPECT_EQ(second.canvas.primitives[0].text, "'2wey 2nd Order Bessel'");
        EXPECT_EQ(second.canvas.primitives[0].x1, 135 + 199);
        EXPECT_EQ(second.canvas.primitives[0].y1, 44);
    }
}

TEST(Caption, NothingBeforeTheFirstCaption)
{
    Recorder r;
    CaptionState state;
    netSys(r.target, designOf(2, 3, "Linkwi"), state);
    EXPECT_TRUE(r.canvas.primitives.empty());
}

// --- Legend --------------------------------------------------------------------------

struct Sample {
    float x1, x2, y, width;
    Colour colour;
};
struct Name {
    int id;
    const char* text;
    float x;
    const char* help;
};
struct LegendRow {
    const char* name;
    int channel;
    const char* view;
    std::vector<Sample> samples;  // on screen
    std::vector<Name> names;
};

const Colour kOrange{1, 0.5294F, 0};
const Colour kGreen{0, 0.7843F, 0};
const Colour kBlue{0, 0.5112F, 1};
const Colour kCyan{0, 0.9412F, 1};

std::vector<LegendRow> legendRows()
{
    const std::vector<Sample> twoWay{
        {45, 95, 360, 2, kOrange}, {145, 195, 360.5F, 0, kGreen}, {245, 295, 360.5F, 0, kBlue}};
    const std::vector<Name> twoWayNames{{71, "Total", 102, "Total Response\\@LB"},
                                        {72, "Low", 202, "Low Range Response\\@LB"},
                                        {73, "High", 302, "High Range Response\\@LB"}};
    const std::vector<Sample> threeWay{{45, 95, 360, 2, kOrange},
                                       {145, 195, 360.5F, 0, kGreen},
                                       {245, 295, 360.5F, 0, kBlue},
                                       {345, 395, 360.5F, 0, kCyan}};
    const std::vector<Name> threeWayNames{{71, "Total", 100, "Total Response\\@LB"},
                                          {72, "Low", 200, "Low Range Response\\@LB"},
                                          {73, "Mid", 300, "Mid Range Response\\@LB"},
                                          {74, "High", 400, "High Range Response\\@LB"}};
    const std::vector<Sample> correction{{45, 95, 360, 2, kOrange}, {145, 195, 360.5F, 0, kGreen}};
    const std::vector<Name> correctionNames{{71, "After", 102, "After Correct Response\\@LB"},
                                            {72, "Before", 202, "Before Correct Response\\@LB"}};
    std::vector<LegendRow> rows;
    for (const char* v : {"amp", "imp", "ph", "gd", "st"}) {
        rows.push_back({"2-way graph", 2, v, twoWay, twoWayNames});
        rows.push_back({"3-way graph", 3, v, threeWay, threeWayNames});
    }
    for (const char* v : {"HigCorrImp", "MidCorrImp"})
        for (const int ch : {2, 3}) rows.push_back({"correction", ch, v, correction, correctionNames});
    rows.push_back({"2-way Nyquist",
                    2,
                    "nq",
                    {{130, 180, 360.5F, 0, kOrange}, {230, 280, 360.5F, 0, kGreen}, {325, 375, 360.5F, 0, kBlue}},
                    {{71, "Total", 185, "Total Response\\@LB"},
                     {72, "Low", 285, "Low Range Response\\@LB"},
                     {73, "High", 380, "High Range Response\\@LB"}}});
    rows.push_back({"3-way Nyquist",
                    3,
                    "nq",
                    {{130, 160, 360.5F, 0, kOrange},
                     {210, 240, 360.5F, 0, kGreen},
                     {280, 310, 360.5F, 0, kBlue},
                     {350, 380, 360.5F, 0, kCyan}},
                    {{71, "Total", 165, "Total Response\\@LB"},
                     {72, "Low", 245, "Low Range Response\\@LB"},
                     {73, "Mid", 315, "Mid Range Response\\@LB"},
                     {74, "High", 385, "High Range Response\\@LB"}}});
    return rows;
}

TEST(Legend, SamplesAndNameControlsOnScreen)
{
    for (const auto& row : legendRows()) {
        SCOPED_TRACE(std::string(row.name) + " " + row.view);
        Recorder r;
        Explanation(r.target, designOf(row.channel, 1, "Butter", row.view));
        const auto lines = r.canvas.of(Primitive::Kind::Line);
        ASSERT_EQ(lines.size(), row.samples.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const Sample& s = row.samples[i];
            EXPECT_EQ(lines[i].x1, s.x1);
            EXPECT_EQ(lines[i].x2, s.x2);
            EXPECT_EQ(lines[i].y1, s.y);
            EXPECT_EQ(lines[i].y2, s.y);
            EXPECT_EQ(lines[i].pen, (Pen{s.width, s.colour, Dash::Solid}));
        }
        EXPECT_TRUE(r.canvas.of(Primitive::Kind::Text).empty());
        ASSERT_EQ(r.target.controls.size(), row.names.size());
        for (std::size_t i = 0; i < row.names.size(); ++i) {
            const StaticText& c = r.target.controls[i];
            EXPECT_EQ(c.id, row.names[i].id);
            EXPECT_EQ(c.text, row.names[i].text);
            EXPECT_EQ(c.left, row.names[i].x);
            EXPECT_EQ(c.top, 352);
            EXPECT_EQ(c.bottom, 368);
            EXPECT_GT(c.right, c.left);
            EXPECT_EQ(c.help, row.names[i].help);
            EXPECT_EQ(splitHelpTag(c.help).placement, "LB");
        }
    }
}

TEST(Legend, PrintedNamesAreTextAtY364AndSamplesOnePointWide)
{
    for (const auto& row : legendRows()) {
        SCOPED_TRACE(std::string(row.name) + " " + row.view);
        const Design d = designOf(row.channel, 1, "Butter", row.view);
        Recorder r(true);
        Explanation(r.target, d);
        EXPECT_TRUE(r.target.controls.empty());
        const auto lines = r.canvas.of(Primitive::Kind::Line);
        const auto texts = r.canvas.of(Primitive::Kind::Text);
        ASSERT_EQ(lines.size(), row.samples.size());
        ASSERT_EQ(texts.size(), row.names.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].pen.width, row.samples[i].width == 2 ? 2.0F : 1.0F);
            EXPECT_EQ(lines[i].y1, 360);
            EXPECT_EQ(texts[i].text, row.names[i].text);
            EXPECT_EQ(texts[i].x1, row.names[i].x);
            EXPECT_EQ(texts[i].y1, 364);
        }
    }
}

TEST(Legend, NoneForTheSchematicOrAnUnknownView)
{
    for (const char* v : {"schema", "", "Amp"}) {
        Recorder r;
        Explanation(r.target, designOf(2, 1, "Butter", v));
        EXPECT_TRUE(r.canvas.primitives.empty()) << v;
        EXPECT_TRUE(r.target.controls.empty()) << v;
    }
}

TEST(HelpTags, SplitIntoTextAndPlacement)
{
    EXPECT_EQ(splitHelpTag("Total Response\\@LB"), (HelpTag{"Total Response", "LB"}));
    EXPECT_EQ(splitHelpTag("High Range Driver\\@BL"), (HelpTag{"High Range Driver", "BL"}));
    EXPECT_EQ(splitHelpTag("No code"), (HelpTag{"No code", ""}));
    EXPECT_EQ(splitHelpTag("Odd \\@B"), (HelpTag{"Odd \\@B", ""}));
    EXPECT_EQ(splitHelpTag(""), (HelpTag{"", ""}));
}

// --- Driver pictures -----------------------------------------------------------------

TEST(SpeakerPictures, ThreeWayAddsTheMidRangePicture)
{
    struct Pic {
        const char* file;
        float l, t, r, b;
    };
    const Pic tweeter{"TweeterImage.png", 710, 114, 733, 153};
    const Pic mid{"MidRangeImage.png", 711, 266, 738, 318};
    const Pic woofer{"WooferImage.png", 711, 416, 745, 484};
    struct Row {
        int channel;
        std::vector<Pic> pictures;
    };
    for (const Row& row : {Row{2, {tweeter, woofer}}, Row{3, {tweeter, mid, woofer}}}) {
        Recorder r;
        r.target.imagesDir = "/data/Images";
        GetSpeakerPict(r.target, designOf(row.channel, 2, "Linkwi", "schema"));
        const auto images = r.canvas.of(Primitive::Kind::Image);
        ASSERT_EQ(images.size(), row.pictures.size());
        for (std::size_t i = 0; i < images.size(); ++i) {
            EXPECT_EQ(images[i].text, std::string("/data/Images/") + row.pictures[i].file);
            EXPECT_EQ(images[i].x1, row.pictures[i].l);
            EXPECT_EQ(images[i].y1, row.pictures[i].t);
            EXPECT_EQ(images[i].x2, row.pictures[i].r);
            EXPECT_EQ(images[i].y2, row.pictures[i].b);
        }
    }
}

}  // namespace
}  // namespace larkspan
