// Frames, captions, legends, pictures, schematics, value sheets and whole
// views, each compared with its golden SVG file in tests/drawing/golden.
#include <gtest/gtest.h>

#include <cmath>

#include "drawing/caption.h"
#include "drawing/graph_frames.h"
#include "drawing/legend.h"
#include "drawing/recording_canvas.h"
#include "drawing/response_view.h"
#include "drawing/schematic.h"
#include "drawing/speaker_pictures.h"
#include "drawing/value_sheet.h"
#include "support/designs.h"
#include "support/golden.h"

namespace larkspan {
namespace {

using test::design;

// The same drawing on a printed page.
std::function<void(DrawTarget&)> printed(std::function<void(DrawTarget&)> draw)
{
    return [draw](DrawTarget& t) {
        t.DoPrint = true;
        draw(t);
    };
}

struct GoldenRow {
    std::string name;
    std::function<void(DrawTarget&)> draw;
    float width = 540;
    float height = 390;
};

// A graph frame drawn alone, with a fresh caption state.
template <typename Frame>
std::function<void(DrawTarget&)> frame(Frame f, Design d)
{
    return [f, d](DrawTarget& t) {
        CaptionState caption;
        f(t, d, caption);
    };
}

std::function<void(DrawTarget&)> gdFrame(float scale)
{
    return [scale](DrawTarget& t) {
        CaptionState caption;
        gdGraph(t, design().view("gd"), caption, scale);
    };
}

// The step graph of a design whose crossover (FX, or FXL in a 3-way design)
// picks the time labels; the other frequency is far off so that it cannot.
std::function<void(DrawTarget&)> stepFrame(int ways, float f)
{
    Design d = design().ways(ways).view("st");
    (ways == 3 ? d.FXL : d.FX) = f;
    (ways == 3 ? d.FX : d.FXL) = 100000;
    return frame(StepGraph, d);
}

// The caption after a first one for a 2-way 2nd-order Bessel design: where a
// combination has no caption of its own the previous one is drawn again.
std::function<void(DrawTarget&)> captionAfterBessel(Design d)
{
    return [d](DrawTarget& t) {
        CaptionState state;
        RecordingCanvas discard;
        DrawTarget first{discard};
        netSys(first, design().order(2).align("Bessel"), state);
        netSys(t, d, state);
    };
}

std::function<void(DrawTarget&)> view(Design d)
{
    return [d](DrawTarget& t) mutable {
        ViewState state;
        ResponsePlot(t, d, state);
    };
}

std::vector<GoldenRow> frames()
{
    std::vector<GoldenRow> rows = {
        {"frame_frequency_grid", [](DrawTarget& t) { freqDrawLine(t), freqScale(t); }},
        {"frame_frequency_grid_printed", printed([](DrawTarget& t) { freqDrawLine(t); })},
        {"frame_amp", frame(ampGraph, design().view("amp"))},
        {"frame_amp_printed", printed(frame(ampGraph, design().view("amp")))},
        {"frame_imp", frame(impGraph, design().view("imp"))},
        {"frame_imp_high_correction", frame(impGraph, design().view("HigCorrImp"))},
        {"frame_imp_mid_correction", frame(impGraph, design().view("MidCorrImp"))},
        {"frame_ph", frame(phGraph, design().view("ph"))},
        {"frame_ph_printed", printed(frame(phGraph, design().view("ph")))},
        {"frame_gd_scale_off_the_list", gdFrame(0.3F)},
        {"frame_gd_scale_nan", gdFrame(std::nanf(""))},
        {"frame_nq", frame(nqGraph, design().view("nq"))},
        {"frame_nq_printed", printed(frame(nqGraph, design().view("nq")))},
        {"frame_st", frame(StepGraph, design().view("st"))},
        {"frame_st_printed", printed(frame(StepGraph, design().view("st")))},
        {"frame_st_fx_nan", stepFrame(2, std::nanf(""))},
    };
    for (const float scale : {0.05F, 0.1F, 0.25F, 0.5F, 1.0F, 2.5F, 5.0F, 10.0F, 25.0F})
        rows.push_back({"frame_gd_" + test::number(scale), gdFrame(scale)});
    // Each band of the step graph's time labels at and just below its edge.
    for (const float f : {12.49F, 12.5F, 25.0F, 124.9F, 125.0F, 250.0F, 650.0F, 1250.0F, 2500.0F, 12499.0F, 12500.0F})
        rows.push_back({"frame_st_2way_fx_" + test::number(f), stepFrame(2, f)});
    for (const float f : {49.9F, 200.0F}) rows.push_back({"frame_st_3way_fxl_" + test::number(f), stepFrame(3, f)});
    return rows;
}

std::vector<GoldenRow> captionsAndLegends()
{
    std::vector<GoldenRow> rows;
    const std::pair<int, const char*> combinations[] = {
        {1, "Butter"}, {2, "Butter"}, {2, "Linkwi"}, {2, "ButAsy"}, {2, "Bessel"}, {2, "Chebyc"}, {3, "Butter"},
        {3, "Bessel"}, {3, "Chebyc"}, {4, "Butter"}, {4, "Linkwi"}, {4, "ButAsy"}, {4, "Bessel"}, {4, "Chebyc"}};
    for (const int ways : {2, 3})
        for (const auto& [order, align] : combinations)
            for (const char* v : {"amp", "schema"}) {
                const Design d = design().ways(ways).order(order).align(align).view(v);
                rows.push_back({"caption_" + std::to_string(ways) + "way_" + std::to_string(order) + align + "_" + v,
                                [d](DrawTarget& t) {
                                    CaptionState state;
                                    netSys(t, d, state);
                                }});
            }
    rows.push_back({"caption_none_before_the_first", [](DrawTarget& t) {
                        CaptionState state;
                        netSys(t, design().order(3).align("Linkwi"), state);
                    }});
    rows.push_back({"caption_1st_order_bessel_repeats", captionAfterBessel(design().align("Bessel").view("schema"))});
    rows.push_back(
        {"caption_3way_3rd_asymmetric_repeats", captionAfterBessel(design().ways(3).order(3).align("ButAsy"))});
    rows.push_back({"caption_unknown_key_repeats", captionAfterBessel(design().order(2).align("Foo"))});
    rows.push_back({"caption_5th_order_repeats", captionAfterBessel(design().order(5))});
    rows.push_back({"caption_4_ways_repeats", captionAfterBessel(design().ways(4).order(2))});
    for (const int ways : {2, 3})
        for (const char* v : {"amp", "imp", "ph", "gd", "nq", "st", "HigCorrImp", "MidCorrImp", "schema", "", "Amp"})
            for (const bool print : {false, true}) {
                const Design d = design().ways(ways).view(v);
                const std::function<void(DrawTarget&)> legend = [d](DrawTarget& t) { Explanation(t, d); };
                rows.push_back({"legend_" + std::to_string(ways) + "way_" + v + (print ? "_printed" : ""),
                                print ? printed(legend) : legend});
            }
    for (const int ways : {2, 3})
        rows.push_back({"pictures_" + std::to_string(ways) + "way",
                        [ways](DrawTarget& t) { GetSpeakerPict(t, design().ways(ways).order(2).align("Linkwi")); }, 810,
                        565});
    return rows;
}

std::vector<GoldenRow> schematicsAndViews()
{
    std::vector<GoldenRow> rows;
    for (const int ways : {2, 3})
        for (const int order : {1, 2, 3, 4}) {
            const Design d = design().ways(ways).order(order).align(order % 2 == 0 ? "Linkwi" : "Butter").computed();
            const std::string name = std::to_string(ways) + "way_" + std::to_string(order);
            rows.push_back({"schematic_" + name, [d](DrawTarget& t) { SchematicDraw(t, d); }, 810, 565});
            rows.push_back({"value_sheet_" + name, [d](DrawTarget& t) { valueDisp(t, d); }, 810, 565});
        }
    rows.push_back({"schematic_2way_1_printed", printed([](DrawTarget& t) { SchematicDraw(t, design()); }), 810, 565});
    rows.push_back({"value_sheet_3way_2_printed",
                    printed([](DrawTarget& t) { valuePrint(t, design().ways(3).order(2).align("Linkwi").computed()); }),
                    810, 565});
    // Removed corrections leave their value fields blank; absent parts show
    // placeholders.
    Design removedHigh = design().order(2).align("Linkwi");
    removedHigh.HigRemvImpInc = 1, removedHigh.REQH = 6, removedHigh.CEQH = 3.47F, removedHigh.RPH = 0;
    rows.push_back(
        {"value_sheet_removed_high_correction", [removedHigh](DrawTarget& t) { valueDisp(t, removedHigh); }, 810, 565});
    Design removedMid = design().ways(3).order(2).align("Linkwi");
    removedMid.MidRemvImpInc = 1, removedMid.REQM = 5.5F, removedMid.CEQM = 7.25F;
    removedMid.REQH = 6.5F, removedMid.CEQH = 3.75F;
    rows.push_back(
        {"value_sheet_removed_mid_correction", [removedMid](DrawTarget& t) { valueDisp(t, removedMid); }, 810, 565});
    for (const int ways : {2, 3}) {
        Design inverted = design().ways(ways).order(3);
        inverted.pole = -1;
        rows.push_back({"value_sheet_" + std::to_string(ways) + "way_3_inverted",
                        [inverted](DrawTarget& t) { valueDisp(t, inverted); }, 810, 565});
    }
    // Whole response windows: erase, frame, caption, legend and curves (the
    // group delay and the long step windows are left to their own tests).
    for (const int ways : {2, 3})
        for (const char* v : {"amp", "imp", "ph", "nq", "HigCorrImp", "MidCorrImp", "schema"}) {
            const Design d = ways == 2 ? design().view(v) : design().ways(3).order(4).align("Linkwi").view(v);
            const ViewSize size = viewSize(v);
            rows.push_back({"view_" + std::to_string(ways) + "way_" + v, view(d), size.width, size.height});
        }
    // A 2nd-order Bessel design, whose factors differ from the others' only
    // in the fifth digit.
    for (const int ways : {2, 3})
        rows.push_back({"view_" + std::to_string(ways) + "way_2Bessel_amp",
                        view(design().ways(ways).order(2).align("Bessel").view("amp"))});
    rows.push_back({"view_2way_st", view(design().view("st"))});
    rows.push_back({"view_unknown_key", view(design().view("bogus")), 810, 565});
    rows.push_back({"view_2way_amp_printed", printed([](DrawTarget& t) {
                        Design d = design();
                        ViewState state;
                        drawView(t, d, state);
                    })});
    return rows;
}

void checkGoldens(const std::vector<GoldenRow>& rows)
{
    for (const GoldenRow& row : rows) {
        SCOPED_TRACE(row.name);
        test::expectGolden(row.name, test::svgOf(row.width, row.height, row.draw));
    }
}

TEST(Golden, GraphFrames)
{
    checkGoldens(frames());
}
TEST(Golden, CaptionsLegendsAndPictures)
{
    checkGoldens(captionsAndLegends());
}
TEST(Golden, SchematicsValueSheetsAndViews)
{
    checkGoldens(schematicsAndViews());
}

}  // namespace
}  // namespace larkspan
