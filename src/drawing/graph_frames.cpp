#include "drawing/graph_frames.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <tuple>
#include <utility>

#include "drawing/legend.h"
#include "response/axis.h"
#include "response/step_response.h"

namespace larkspan {

namespace {

// The half-point that puts a thin screen line on a pixel centre.
float half(const DrawTarget& t)
{
    return t.DoPrint ? 0.0F : 0.5F;
}

// A computed grid position, rounded as the screen wants it.
float gridPosition(double position, const DrawTarget& t)
{
    return static_cast<float>(std::rint(position + 0.5) + half(t));
}

Pen gridPen(const DrawTarget& t, float printWidth, Dash dash = Dash::Solid)
{
    return Pen{t.DoPrint ? printWidth : 0.0F, kGridGrey, dash};
}

Pen framePen(const DrawTarget& t)
{
    return Pen{t.DoPrint ? 1.0F : 0.0F, kFrameGrey, Dash::Solid};
}

void label(DrawTarget& t, float x, float y, const std::string& text)
{
    t.canvas.text(x, y, text, 13, Colour{});
}

void title(DrawTarget& t, float x, const std::string& text)
{
    label(t, x, 20, text);
}

void horizontal(DrawTarget& t, float y, float x1, float x2, const Pen& pen)
{
    t.canvas.line(x1, y, x2, y, pen);
}

// The frame rectangle of a graph whose corners are given on screen.
void frame(DrawTarget& t, float left, float top, float right, float bottom)
{
    const float shift = 0.5F - half(t);
    t.canvas.rect(left - shift, top - shift, right - shift, bottom - shift, framePen(t), false);
}

void captionAndLegend(DrawTarget& t, const Design& d, CaptionState& caption)
{
    netSys(t, d, caption);
    Explanation(t, d);
}

}  // namespace

float axisLabelWidth(const std::string& label)
{
    // Advances of a 13-point sans-serif face, in whole points.
    float w = 0;
    for (const char c : label) {
        if (c >= '0' && c <= '9')
            w += 8;
        else if (c == '.')
            w += 4;
        else if (c == '+')
            w += 10;
        else if (c == '-')
            w += 7;
        else
            w += 8;
    }
    return w;
}

void freqDrawLine(DrawTarget& target)
{
    const Pen pen = gridPen(target, 0.5F);
    const auto at = [&](double hz) {
        const double x = kFrequencyAxis.map(std::log10(hz) / std::log10(20.0));
        const float gx = static_cast<float>(std::trunc(x) + half(target));
        target.canvas.line(gx, 50, gx, 330, pen);
    };
    for (int i = 2; i <= 10; ++i) at(i * 10.0);
    for (int i = 1; i <= 10; ++i) at(i * 100.0);
    for (int i = 1; i <= 10; ++i) at(i * 1000.0);
    at(10000);
    at(20000);
    frame(target, 45.5F, 50.5F, 506.5F, 330.5F);
}

void freqScale(DrawTarget& target)
{
    const std::pair<float, const char*> labels[] = {{37, "20"},  {99, "50"},  {140, "100"}, {247, "500"},
                                                    {299, "1k"}, {406, "5k"}, {449, "10k"}, {494, "20k"}};
    for (const auto& [x, text] : labels) label(target, x, 347, text);
    label(target, 345, 347, "[ Hz ]");
}

void ampGraph(DrawTarget& target, const Design& d, CaptionState& caption)
{
    for (int y = 50; y <= 330; y += 40)
        horizontal(target, static_cast<float>(y) + half(target), 45, 506, gridPen(target, 1));
    freqDrawLine(target);
    freqScale(target);
    title(target, 240, "Amplitude");
    const std::pair<float, const char*> labels[] = {{15, "+10"}, {22, "+5"},  {32, "0"},   {25, "-5"},
                                                    {17, "-10"}, {17, "-15"}, {17, "-20"}, {17, "-25"}};
    label(target, 26, 40, "dB");
    for (int i = 0; i < 8; ++i) label(target, labels[i].first, static_cast<float>(55 + 40 * i), labels[i].second);
    captionAndLegend(target, d, caption);
}

void impGraph(DrawTarget& target, const Design& d, CaptionState& caption)
{
    const auto line = [&](int ohm) {
        const double y = kImpedanceAxis.map(std::log10(static_cast<double>(ohm)));
        horizontal(target, gridPosition(y, target), 45, 506, gridPen(target, 1));
    };
    for (int r = 1; r <= 10; ++r) line(r);
    for (int r = 10; r <= 100; r += 10) line(r);
    for (int r = 100; r <= 1000; r += 100) line(r);
    freqDrawLine(target);
    freqScale(target);
    if (d.s_Resp == "HigCorrImp")
        title(target, 175, "High Range Impedance Correct");
    else if (d.s_Resp == "MidCorrImp")
        title(target, 178, "Mid Range Impedance Correct");
    else
        title(target, 218, "Input Impedance");
    const std::tuple<float, float, const char*> labels[] = {{13, 40, "Ohms"}, {17, 55, "1  k"}, {17, 83, "500"},
                                                            {17, 147, "100"}, {25, 176, "50"},  {25, 240, "10"},
                                                            {33, 269, "5"},   {33, 335, "1"}};
    for (const auto& [x, y, text] : labels) label(target, x, y, text);
    captionAndLegend(target, d, caption);
}

void phGraph(DrawTarget& target, const Design& d, CaptionState& caption)
{
    for (int i = 0; 50 + 23.333 * i <= 310; ++i)
        horizontal(target, gridPosition(50 + 23.333 * i, target), 45, 506, gridPen(target, 0.5F, Dash::OneThree));
    for (const int y : {120, 190, 260})
        horizontal(target, static_cast<float>(y) + half(target), 45, 506, gridPen(target, 0.5F));
    freqDrawLine(target);
    freqScale(target);
    title(target, 251, "Phase");
    const std::tuple<float, float, const char*> labels[] = {{7, 35, "Degrees"}, {7, 55, "+180"},  {15, 125, "+90"},
                                                            {33, 195, "0"},     {18, 265, "-90"}, {10, 335, "-180"}};
    for (const auto& [x, y, text] : labels) label(target, x, y, text);
    captionAndLegend(target, d, caption);
}

std::optional<std::array<const char*, 11>> gdLabels(float GDscl)
{
    struct Scale {
        long milli;
        std::array<const char*, 11> labels;
    };
    static const Scale kScales[] = {
        {50, {"+0.05", "+0.04", "+0.03", "+0.02", "+0.01", "0", "-0.01", "-0.02", "-0.03", "-0.04", "-0.05"}},
        {100, {"+0.10", "+0.08", "+0.06", "+0.04", "+0.02", "0", "-0.02", "-0.04", "-0.06", "-0.08", "-0.10"}},
        {250, {"+0.25", "+0.20", "+0.15", "+0.10", "+0.05", "0", "-0.05", "-0.10", "-0.15", "-0.20", "-0.25"}},
        {500, {"+0.5", "+0.4", "+0.3", "+0.2", "+0.1", "0", "-0.1", "-0.2", "-0.3", "-0.4", "-0.5"}},
        {1000, {"+1.0", "+0.8", "+0.6", "+0.4", "+0.2", "0", "-0.2", "-0.4", "-0.6", "-0.8", "-1.0"}},
        {2500, {"+2.5", "+2.0", "+1.5", "+1.0", "+0.5", "0", "-0.5", "-1.0", "-1.5", "-2.0", "-2.5"}},
        {5000, {"+5", "+4", "+3", "+2", "+1", "0", "-1", "-2", "-3", "-4", "-5"}},
        {10000, {"+10", "+8", "+6", "+4", "+2", "0", "-2", "-4", "-6", "-8", "-10"}},
        {25000, {"+25", "+20", "+15", "+10", "+5", "0", "-5", "-10", "-15", "-20", "-25"}},
    };
    const double milli = std::rint(static_cast<double>(GDscl) * 1000);
    for (const auto& s : kScales)
        if (milli == static_cast<double>(s.milli)) return s.labels;
    return std::nullopt;
}

void gdGraph(DrawTarget& target, const Design& d, CaptionState& caption, float GDscl)
{
    for (int y = 50; y <= 330; y += 28)
        horizontal(target, static_cast<float>(y) + half(target), 45, 506, gridPen(target, 0.5F));
    freqDrawLine(target);
    freqScale(target);
    title(target, 231, "Group Delay");
    label(target, 13, 40, "msec");
    if (const auto labels = gdLabels(GDscl)) {
        for (std::size_t i = 0; i < labels->size(); ++i) {
            const std::string text = (*labels)[i];
            // Right-aligned on the edge the "0" at x = 33 ends on, kept
            // between x = 3 and 33.
            const float x = text == "0" ? 33.0F : std::clamp(41.0F - axisLabelWidth(text), 3.0F, 33.0F);
            label(target, x, static_cast<float>(55 + 28 * i), text);
        }
    }
    captionAndLegend(target, d, caption);
}

void nqGraph(DrawTarget& target, const Design& d, CaptionState& caption)
{
    const float h = half(target);
    const Pen axis = gridPen(target, 0.5F, Dash::OneOne);
    target.canvas.line(130, 190 + h, 409, 190 + h, axis);
    target.canvas.line(270 + h, 50, 270 + h, 330, axis);
    const Pen tick = framePen(target);
    for (const float y : {120.0F, 260.0F}) target.canvas.line(268, y + h, 273, y + h, tick);
    for (const float x : {200.0F, 340.0F}) target.canvas.line(x + h, 188, x + h, 193, tick);
    frame(target, 130.5F, 50.5F, 410.5F, 330.5F);
    title(target, 218, "Nyquist Diagram");
    captionAndLegend(target, d, caption);
}

const std::array<const char*, 6>& stepTimeLabels(int band)
{
    static const std::array<const char*, 6> kLabels[] = {
        {"0", "40", "80", "120", "160", "200"},
        {"0", "20", "40", "60", "80", "100"},
        {"0", "10", "20", "30", "40", "50"},
        {"0", "5", "10", "15", "20", "25"},
        {"0", "2", "4", "6", "8", "10"},
        {"0", "1", "2", "3", "4", "5"},
        {"0", "0.5", "1.0", "1.5", "2.0", "2.5"},
        {"0", "0.2", "0.4", "0.6", "0.8", "1.0"},
        {"0", "0.1", "0.2", "0.3", "0.4", "0.5"},
        {"0", "0.05", "0.10", "0.15", "0.20", "0.25"},
        {"0", "0.02", "0.04", "0.06", "0.08", "0.10"},
    };
    return kLabels[static_cast<std::size_t>(std::clamp(band, 0, static_cast<int>(std::size(kLabels)) - 1))];
}

void StepGraph(DrawTarget& target, const Design& d, CaptionState& caption)
{
    const float h = half(target);
    for (int y = 64; y <= 316; y += 14)
        horizontal(target, static_cast<float>(y) + h, 45, 505, gridPen(target, 0.5F, Dash::OneThree));
    for (const int y : {120, 190, 260}) horizontal(target, static_cast<float>(y) + h, 45, 505, gridPen(target, 0.5F));
    for (int i = 0; i <= 10; ++i) {
        const float x = static_cast<float>(45 + 46 * i) + h;
        target.canvas.line(x, 50, x, 330, gridPen(target, 0.5F));
    }
    frame(target, 45.5F, 50.5F, 505.5F, 330.5F);
    title(target, 224, "Step Response");
    const std::tuple<float, float, const char*> labels[] = {{20, 35, "F(t)"},  {11, 55, "+1.5"}, {11, 125, "+1.0"},
                                                            {11, 195, "+0.5"}, {33, 265, "0"},   {13, 335, "-0.5"}};
    for (const auto& [x, y, text] : labels) label(target, x, y, text);
    // Each time label stands centred on every second vertical line.
    // The labels follow the band that sets the curves' time scale.
    const auto& times = stepTimeLabels(stepTimeAxis(d).band);
    for (int j = 0; j < 6; ++j) {
        const std::string text = times[static_cast<std::size_t>(j)];
        label(target, std::floor(45.0F + 92.0F * static_cast<float>(j) - axisLabelWidth(text) / 2), 347, text);
    }
    label(target, 442, 347, "msec");
    captionAndLegend(target, d, caption);
}

}  // namespace larkspan
