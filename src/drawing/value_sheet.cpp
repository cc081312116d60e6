#include "drawing/value_sheet.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "model/number_text.h"
#include "model/text_encoding.h"

namespace larkspan {

namespace {

// The sheet's rectangles are given from this origin.
constexpr float kOriginX = 15;
constexpr float kOriginY = 10;

enum class Kind { LCC, LCI, HCI, HCC };

const char* helpFor(Kind k)
{
    switch (k) {
        case Kind::LCC:
            return "Low Cut Capacitor\\@BL";
        case Kind::LCI:
            return "Low Cut Inductor\\@BL";
        case Kind::HCI:
            return "High Cut Inductor\\@BL";
        case Kind::HCC:
            break;
    }
    return "High Cut Capacitor\\@BL";
}

struct ComponentRow {
    const char* name;
    float Design::*value;
    Kind kind;
    float x;
    float y;
    unsigned twoWayOrders;  // bit n set: shown at order n
    unsigned threeWayOrders;
};

constexpr unsigned orders(std::initializer_list<int> list)
{
    unsigned bits = 0;
    for (const int n : list) bits |= 1U << n;
    return bits;
}

const ComponentRow kComponents[] = {
    {"CH1", &Design::CH1, Kind::LCC, 90, 44, orders({1, 2, 3, 4}), orders({1, 2, 3, 4})},
    {"CH2", &Design::CH2, Kind::LCC, 170, 44, orders({3, 4}), orders({3, 4})},
    {"LH1", &Design::LH1, Kind::LCI, 159, 110, orders({2, 3, 4}), orders({2, 3, 4})},
    {"LH2", &Design::LH2, Kind::LCI, 238, 110, orders({4}), orders({4})},
    {"CM1", &Design::CM1, Kind::LCC, 90, 202, 0, orders({1, 2, 3, 4})},
    {"CM2", &Design::CM2, Kind::LCC, 170, 202, 0, orders({3, 4})},
    {"CM2", &Design::CM2, Kind::HCC, 317, 268, 0, orders({2})},
    {"CM3", &Design::CM3, Kind::HCC, 317, 268, 0, orders({3, 4})},
    {"CM4", &Design::CM4, Kind::HCC, 395, 268, 0, orders({4})},
    {"LM1", &Design::LM1, Kind::HCI, 247, 202, 0, orders({1})},
    {"LM1", &Design::LM1, Kind::LCI, 159, 268, 0, orders({2, 3, 4})},
    {"LM2", &Design::LM2, Kind::HCI, 247, 202, 0, orders({2, 3})},
    {"LM2", &Design::LM2, Kind::LCI, 238, 268, 0, orders({4})},
    {"LM3", &Design::LM3, Kind::HCI, 325, 202, 0, orders({3})},
    {"LM3", &Design::LM3, Kind::HCI, 247, 202, 0, orders({4})},
    {"LM4", &Design::LM4, Kind::HCI, 325, 202, 0, orders({4})},
    {"LL1", &Design::LL1, Kind::HCI, 247, 360, orders({1, 2, 3, 4}), orders({1, 2, 3, 4})},
    {"LL2", &Design::LL2, Kind::HCI, 325, 360, orders({3, 4}), orders({3, 4})},
    {"CL1", &Design::CL1, Kind::HCC, 317, 426, orders({2, 3, 4}), orders({2, 3, 4})},
    {"CL2", &Design::CL2, Kind::HCC, 395, 426, orders({4}), orders({4})},
};

// The printed form of a frequency: a whole number right-aligned in five.
std::string fiveDigits(float hz)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%5.0f", static_cast<double>(hz));
    return buf;
}

// A value with its unit, or the placeholder when a component is absent.
std::string valueOrPlaceholder(float v, const char* unit)
{
    if (v == 0) return std::string("#.###") + unit;
    return valueText(v) + unit;
}

class SheetBuilder {
public:
    SheetBuilder(const Design& d, bool printing) : d_(d), printing_(printing) {}

    // A field at (left, top)-(right, bottom) from the sheet's origin.
    void field(float left, float top, float right, float bottom, std::string text, int size, const char* help = nullptr)
    {
        StaticText t;
        t.id = nextId_++;
        t.left = left + kOriginX;
        t.top = top + kOriginY;
        t.right = right + kOriginX;
        t.bottom = bottom + kOriginY;
        t.text = std::move(text);
        t.fontSize = size;
        if (help && !printing_) t.help = help;
        fields_.push_back(std::move(t));
    }

    // A label with its value 12 points lower in a rectangle of its own.
    void labelled(float lx0, float ly0, float lx1, float ly1, const char* label, const char* help, float vx0, float vy0,
                  float vx1, float vy1, std::string value)
    {
        field(lx0, ly0, lx1, ly1, label, 9, help);
        field(vx0, vy0, vx1, vy1, std::move(value), 9);
    }

    void branchNames()
    {
        field(15, 113, 55, 129, "Input", 12);
        field(724, 115, 764, 131, "High", 12, "High Range Driver\\@BL");
        if (d_.channel == 3) field(730, 274, 770, 290, "Mid", 12, "Mid Range Driver\\@BL");
        field(733, 431, 773, 447, "Low", 12, "Low Range Driver\\@BL");
    }

    void polarityMarks()
    {
        field(20, 66, 30, 86, "+", 14);
        field(20, 161, 30, 181, "-", 14);
        const bool threeWay = d_.channel == 3;
        const bool reversed = d_.pole == -1;
        std::string high = "+", mid = "+";
        switch (d_.order) {
            case 2:
                high = threeWay ? "+" : "-";
                mid = "-";
                break;
            case 3:
                high = (!threeWay && reversed) ? "-" : "+";
                mid = reversed ? "-" : "+";
                break;
            default:
                break;
        }
        field(710, 66, 726, 86, high, 14);
        if (threeWay) field(710, 226, 726, 246, mid, 14);
        field(710, 384, 726, 404, "+", 14);
    }

    void frequencies()
    {
        if (d_.channel == 3) {
            if (printing_) {
                field(550, 22, 650, 36, "FXH:" + fiveDigits(d_.FXH) + " Hz", 13);
                field(550, 38, 650, 52, "FXL:" + fiveDigits(d_.FXL) + " Hz", 13);
                return;
            }
            field(550, 22, 590, 36, "FXH:", 13, "High Side Crossover Frequency\\@BL");
            field(550, 38, 590, 52, "FXL:", 13, "Low Side Crossover Frequency\\@BL");
            field(580, 22, 650, 36, valueText(d_.FXH) + " Hz", 13);
            field(580, 38, 650, 52, valueText(d_.FXL) + " Hz", 13);
            return;
        }
        if (printing_)
            field(550, 22, 650, 36, "FX:" + fiveDigits(d_.FX) + " Hz", 13);
        else
            field(550, 22, 650, 36, "FX : " + numberToText(d_.FX) + " Hz", 13, "Crossover Frequency\\@BL");
    }

    void components()
    {
        const int order = d_.order;
        if (order < 1 || order > 4) return;
        const float w = (d_.channel == 2 && order <= 3) ? 80 : 50;
        for (const auto& c : kComponents) {
            const unsigned shown = d_.channel == 3 ? c.threeWayOrders : d_.channel == 2 ? c.twoWayOrders : 0;
            if (!(shown & (1U << order))) continue;
            const char* unit = c.name[0] == 'C' ? "uF" : "mH";
            field(c.x, c.y, c.x + w, c.y + 10, std::string(c.name) + ":", 9, helpFor(c.kind));
            field(c.x, c.y + 12, c.x + w, c.y + 22, valueText(d_.*c.value) + unit, 9);
        }
    }

    // Where an L-pad's fields stand: label and value rectangles (left, top,
    // right, bottom each) of Rs, Rs/Pw, Rp and Rp/Pw, then the attenuation line.
    struct LPadPlaces {
        std::array<std::array<float, 8>, 4> labelled;
        std::array<float, 4> attenuation;
    };

    void lPad(const LPadPlaces& at, float RS, float PRS, float RP, float PRP, float Att)
    {
        static constexpr std::array<const char*, 4> labels{"Rs:", "Rs/Pw:", "Rp:", "Rp/Pw:"};
        static constexpr std::array<const char*, 4> helps{
            "L-Pad Series Attenuation Resistor\\@BL", "Series Resistor Power Capacity\\@BL",
            "L-Pad Parallel Attenuation Resistor\\@BL", "Parallel Resistor Power Capacity\\@BL"};
        const std::array<std::string, 4> values{valueText(RS) + "ohm", valueText(PRS) + "W",
                                                valueOrPlaceholder(RP, "ohm"), valueText(PRP) + "W"};
        for (std::size_t i = 0; i < 4; ++i) {
            const auto& p = at.labelled[i];
            labelled(p[0], p[1], p[2], p[3], labels[i], helps[i], p[4], p[5], p[6], p[7], values[i]);
        }
        const auto& a = at.attenuation;
        field(a[0], a[1], a[2], a[3], "Attenuation : " + valueText(Att) + " dB", 9, "Attenuation Level\\@BL");
    }

    void highLPad()
    {
        static constexpr LPadPlaces threeWay{{{{445, 44, 495, 54, 445, 56, 515, 66},
                                               {445, 84, 495, 94, 445, 96, 495, 106},
                                               {440, 110, 490, 122, 437, 122, 497, 132},
                                               {440, 134, 490, 146, 440, 146, 500, 156}}},
                                             {435, 174, 535, 184}};
        static constexpr LPadPlaces twoWay{{{{405, 44, 455, 54, 405, 56, 475, 66},
                                             {405, 84, 455, 94, 405, 96, 460, 106},
                                             {475, 110, 525, 122, 475, 122, 535, 132},
                                             {475, 134, 525, 146, 475, 146, 535, 156}}},
                                           {420, 178, 520, 188}};
        lPad(d_.channel == 3 ? threeWay : twoWay, d_.RSH, d_.PRSH, d_.RPH, d_.PRPH, d_.AttH);
    }

    void midLPad()
    {
        labelled(391, 202, 441, 212, "Ran:", "Mid Shift Attenuation Resistor\\@BL", 391, 214, 451, 224,
                 valueText(d_.RAN) + "ohm");
        labelled(399, 242, 449, 252, "Ran/Pw:", "Mid Shift Attenuation Resistor Power Capacity\\@BL", 399, 254, 459,
                 264, valueText(d_.PRAN) + "W");
        static constexpr LPadPlaces places{{{{445, 202, 495, 212, 445, 214, 505, 224},
                                             {449, 242, 499, 252, 449, 254, 499, 264},
                                             {443, 268, 473, 280, 440, 280, 497, 290},
                                             {443, 292, 483, 304, 440, 304, 495, 314}}},
                                           {435, 332, 535, 342}};
        lPad(places, d_.RSM, d_.PRSM, d_.RPM, d_.PRPM, d_.AttM);
        field(380, 188, 580, 198,
              std::string(printing_ ? "(Ran+Rs:" : "(Ran+Rs :") + valueText(d_.RST) + "ohm " + valueText(d_.PRT) + "W)",
              9);
    }

    // A driver's correction: label positions from the resistor label's top.
    void correction(float top, float REQ, float CEQ, bool removed)
    {
        const char* reqHelp = "Impedance Increase Correction Resistor\\@BL";
        const char* ceqHelp = "Impedance Increase Correction Capacitor\\@BL";
        labelled(553, top, 603, top + 12, "Req:", reqHelp, 553, top + 12, 613, top + 22,
                 removed ? std::string() : valueText(REQ) + "ohm");
        labelled(553, top + 34, 603, top + 46, "Ceq:", ceqHelp, 553, top + 46, 613, top + 56,
                 removed ? std::string() : valueText(CEQ) + "uF");
    }

    // A notch: label positions from the resistor label's top; the
    // inductor's value field stands at lntValueTop.
    void notch(float top, float lntValueTop, float R, float L, float C)
    {
        labelled(634, top, 684, top + 10, "Rnt:", "Notch Correction Resistor\\@BL", 634, top + 12, 694, top + 22,
                 valueOrPlaceholder(R, "ohm"));
        labelled(634, top + 26, 684, top + 36, "Lnt:", "Notch Correction Inductor\\@BL", 634, lntValueTop, 694,
                 lntValueTop + 10, valueOrPlaceholder(L, "mH"));
        labelled(634, top + 51, 684, top + 61, "Cnt:", "Notch Correction Capacitor\\@BL", 634, top + 63, 694, top + 73,
                 valueOrPlaceholder(C, "uF"));
    }

    void driver(float x0, float top, const std::string& name, const float* pin, float spl, float re, float le)
    {
        field(x0, top, x0 + 110, top + 10, "Model : " + printableText(name), 9, "Driver Model Name\\@BL");
        if (pin)
            field(x0, top + 12, x0 + 110, top + 22, "Input Power :" + valueText(*pin) + " W", 9,
                  "Input Power in Watts\\@BL");
        field(670, top, 770, top + 10, "SPL:" + valueText(spl) + " dB", 9, "Sound Pressure Level 1W1m\\@BL");
        field(670, top + 12, 770, top + 22, "Re  :" + valueText(re) + " ohm", 9,
              "Driver Voice Coile D.C. Resistance\\@BL");
        field(670, top + 24, 770, top + 34, "Le  :" + valueText(le) + " mH", 9, "Driver Voice Coile Inductance\\@BL");
    }

    std::vector<StaticText> build()
    {
        branchNames();
        polarityMarks();
        frequencies();
        components();
        highLPad();
        if (d_.channel == 3) midLPad();
        correction(94, d_.REQH, d_.CEQH, d_.HigRemvImpInc == 1);
        if (d_.channel == 3) correction(251, d_.REQM, d_.CEQM, d_.MidRemvImpInc == 1);
        correction(411, d_.REQL, d_.CEQL, false);
        notch(88, 124, d_.RNTH, d_.LNTH, d_.CNTH);
        if (d_.channel == 3) notch(244, 282, d_.RNTM, d_.LNTM, d_.CNTM);
        driver(550, 178, d_.s_SPH, &d_.PinH, d_.HigSPL, d_.RH, d_.LH);
        if (d_.channel == 3) driver(550, 335, d_.s_SPM, &d_.PinM, d_.MidSPL, d_.RM, d_.LM);
        driver(550, 494, d_.s_SPE, nullptr, d_.LowSPL, d_.RE, d_.LE);
        return std::move(fields_);
    }

private:
    const Design& d_;
    bool printing_;
    int nextId_ = 102;
    std::vector<StaticText> fields_;
};

void drawTitle(Canvas& canvas)
{
    canvas.text(347 + kOriginX, 12 + kOriginY, "Schematics", 16, Colour{0, 0, 0});
}

}  // namespace

std::string valueText(float value)
{
    const float scaled = value * 1000.0F;  // in single precision
    const double rounded = std::nearbyint(static_cast<double>(scaled));
    return numberToText(rounded / 1000.0);
}

std::vector<StaticText> valueSheetFields(const Design& d, bool printing)
{
    return SheetBuilder(d, printing).build();
}

void valueDisp(DrawTarget& target, const Design& d)
{
    drawTitle(target.canvas);
    auto fields = valueSheetFields(d, false);
    target.controls.insert(target.controls.end(), fields.begin(), fields.end());
}

void valuePrint(DrawTarget& target, const Design& d)
{
    drawTitle(target.canvas);
    drawStaticTexts(target.canvas, valueSheetFields(d, true));
}

}  // namespace larkspan
