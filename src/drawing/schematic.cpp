#include "drawing/schematic.h"

#include "drawing/speaker_pictures.h"

namespace larkspan {

namespace {

constexpr float kPi = 3.14159265358979F;
constexpr Colour kBlack{0, 0, 0};

// One diagram being drawn: the target, the screen/print distinction and the
// symbol offsets.
class Diagram {
public:
    Diagram(DrawTarget& target, bool printing) : canvas_(target.canvas), printing_(printing) {}

    float xShift = 0;
    float yShift = 0;

    void at(float x, float y)
    {
        xShift = x;
        yShift = y;
    }

    // A connecting line, prepared as DrawLineFix does: on screen the thinnest
    // line, moved by half a point onto a pixel centre when it is horizontal
    // or vertical; printed 1 point wide and not moved.
    void line(float x1, float y1, float x2, float y2)
    {
        Pen pen{printing_ ? 1.0F : 0.0F, kBlack, Dash::Solid};
        if (!printing_) {
            if (x1 == x2) x1 = x2 = x1 + 0.5F;
            if (y1 == y2) y1 = y2 = y1 + 0.5F;
        }
        canvas_.line(x1, y1, x2, y2, pen);
    }

    // A return line, drawn 1 point longer at its right end on screen.
    void returnLine(float x1, float y, float x2) { line(x1, y, printing_ ? x2 : x2 + 1, y); }

    // A stroke of a symbol, in the symbol's own width, offsets applied.
    void stroke(float x1, float y1, float x2, float y2, float width)
    {
        canvas_.line(x1 + xShift, y1 + yShift, x2 + xShift, y2 + yShift, Pen{width, kBlack, Dash::Solid});
    }

    void arc(float cx, float cy, float r, float begin, float end, float width)
    {
        canvas_.arc(cx + xShift, cy + yShift, r, begin, end, Pen{width, kBlack, Dash::Solid}, false);
    }

    // A filled junction dot of radius 2.5, offsets applied (moved by half a
    // point on screen).
    void dot(float x, float y)
    {
        const float h = printing_ ? 0 : 0.5F;
        canvas_.arc(x + xShift + h, y + yShift + h, 2.5F, -kPi, kPi, Pen{0, kBlack, Dash::Solid}, true);
    }

    // A dot at fixed coordinates, without the symbol offsets.
    void fixedDot(float x, float y)
    {
        const float sx = xShift, sy = yShift;
        at(0, 0);
        dot(x, y);
        at(sx, sy);
    }

    void terminal(float x, float y)
    {
        canvas_.arc(x, y, 5, -kPi, kPi, Pen{printing_ ? 1.0F : 0.0F, kBlack, Dash::Solid}, false);
    }

    // A vertical zigzag resistor at x between xLeft and xRight, from y0 to y1
    // in strokes of 4, starting and ending on x.
    void verticalZigzag(float x, float xLeft, float xRight, float y0, float y1)
    {
        float px = x, py = y0 - 2;
        bool left = true;
        for (float y = y0; y <= y1 + 0.01F; y += 4) {
            const float nx = left ? xLeft : xRight;
            stroke(px, py, nx, y, 1.0F);
            px = nx;
            py = y;
            left = !left;
        }
        stroke(px, py, x, y1 + 2, 1.0F);
    }

    // A capacitor's two horizontal plates, 6 apart, across x0..x1.
    void horizontalPlates(float x0, float x1, float y)
    {
        stroke(x0, y, x1, y, 2.5F);
        stroke(x0, y + 6, x1, y + 6, 2.5F);
    }

private:
    Canvas& canvas_;
    bool printing_;
};

// Series capacitor of a high-pass section.
void LowCutCondensorDraw(Diagram& g)
{
    g.stroke(120, 79, 120, 93, 2.5F);
    g.stroke(126, 79, 126, 93, 2.5F);
}

// Shunt inductor of a high-pass section.
void LowCutCoilDraw(Diagram& g)
{
    g.stroke(163, 86, 163, 115, 1.0F);
    g.arc(163, 121, 6, -kPi / 2, kPi / 1.25F, 1.0F);
    g.arc(163, 129, 6, -kPi / 1.25F, kPi / 1.25F, 1.0F);
    g.arc(163, 137, 6, -kPi / 1.25F, kPi / 1.25F, 1.0F);
    g.arc(163, 145, 6, -kPi / 1.25F, kPi / 2, 1.0F);
    g.stroke(163, 150, 163, 181, 1.0F);
    g.dot(163, 86);
    g.dot(163, 181);
}

// Series inductor of a low-pass section.
void HighCutCoilDraw(Diagram& g)
{
    g.arc(270, 244, 6, -kPi, kPi / 3.25F, 1.0F);
    g.arc(278, 244, 6, -1.3F * kPi, kPi / 3.25F, 1.0F);
    g.arc(286, 244, 6, -1.3F * kPi, kPi / 3.25F, 1.0F);
    g.arc(294, 244, 6, -1.3F * kPi, 0, 1.0F);
}

// Shunt capacitor of a low-pass section.
void HighCutCondensorDraw(Diagram& g)
{
    g.stroke(321, 244, 321, 289, 1.0F);
    g.horizontalPlates(314, 328, 289);
    g.stroke(321, 295, 321, 339, 1.0F);
    g.dot(321, 244);
    g.dot(321, 339);
}

// Series resistor of the L-pad: five strokes between y = 80 and 92.
void ATTSerisResistorDraw(Diagram& g)
{
    g.stroke(428, 86, 430, 80, 1.0F);
    float x = 430;
    bool up = true;
    for (int i = 0; i < 5; ++i) {
        g.stroke(x, up ? 80 : 92, x + 4, up ? 92 : 80, 1.0F);
        x += 4;
        up = !up;
    }
    g.stroke(450, 92, 452, 86, 1.0F);
}

// Shunt resistor of the L-pad: five strokes between x = 473 and 485.
void ATTPallelResistorDraw(Diagram& g)
{
    g.stroke(479, 86, 479, 122, 1.0F);
    g.stroke(479, 122, 473, 124, 1.0F);
    float y = 124;
    bool left = true;
    for (int i = 0; i < 5; ++i) {
        g.stroke(left ? 473 : 485, y, left ? 485 : 473, y + 4, 1.0F);
        y += 4;
        left = !left;
    }
    g.stroke(485, 144, 479, 146, 1.0F);
    g.stroke(479, 146, 479, 181, 1.0F);
    g.dot(479, 86);
    g.dot(479, 181);
}

// Impedance-increase correction across the driver; its x is fixed.
void ImpCorrectDraw(Diagram& g)
{
    const float sx = g.xShift;
    g.xShift = 0;
    g.stroke(559, 86, 559, 104, 1.0F);
    g.verticalZigzag(559, 553, 565, 106, 126);
    g.stroke(559, 128, 559, 150, 1.0F);
    g.horizontalPlates(552, 566, 150);
    g.stroke(559, 156, 559, 181, 1.0F);
    g.dot(559, 86);
    g.dot(559, 181);
    g.xShift = sx;
}

// Notch correction across the driver; its x is fixed.
void NotchCorrectDraw(Diagram& g)
{
    const float sx = g.xShift;
    g.xShift = 0;
    g.stroke(639, 86, 639, 96, 1.0F);
    g.verticalZigzag(639, 633, 645, 98, 118);
    // The inductor: three turns of radius 5 between y = 120 and 150.
    for (const float cy : {125.0F, 135.0F, 145.0F}) g.arc(639, cy, 5, -kPi / 2, kPi / 2, 1.0F);
    g.stroke(639, 150, 639, 163, 1.0F);
    g.horizontalPlates(632, 646, 163);
    g.stroke(639, 169, 639, 181, 1.0F);
    g.dot(639, 86);
    g.dot(639, 181);
    g.xShift = sx;
}

void fixedParts(Diagram& g)
{
    g.terminal(52, 86);
    g.terminal(52, 181);
    g.line(57, 86, 120, 86);
    g.returnLine(57, 181, 718);
    g.line(718, 86, 718, 181);
    g.line(83, 86, 83, 402);
    g.line(67, 181, 67, 497);
    g.fixedDot(83, 86);
    g.fixedDot(67, 181);

    g.at(0, 0);
    LowCutCondensorDraw(g);
    ImpCorrectDraw(g);
    NotchCorrectDraw(g);

    g.line(83, 402, 264, 402);
    g.returnLine(67, 497, 718);
    g.line(718, 402, 718, 497);
    g.at(0, 158);
    HighCutCoilDraw(g);
    g.at(0, 316);
    ImpCorrectDraw(g);
}

// High branch sections after the first series capacitor, up to x = end;
// from the third order the line resumes at x = resume after the second
// capacitor.
void highBranch(Diagram& g, int order, float resume, float end)
{
    if (order <= 2) {
        g.line(126, 86, end, 86);
    } else {
        g.line(126, 86, 199, 86);
        g.line(resume, 86, end, 86);
    }
    if (order >= 2) {
        g.at(0, 0);
        LowCutCoilDraw(g);
    }
    if (order >= 3) {
        g.at(79, 0);
        LowCutCondensorDraw(g);
    }
    if (order >= 4) {
        g.at(79, 0);
        LowCutCoilDraw(g);
    }
}

// Low branch sections after the first series inductor.
void lowBranch(Diagram& g, int order)
{
    if (order <= 2) {
        g.line(299, 402, 718, 402);
    } else {
        g.line(299, 402, 343, 402);
        g.line(378, 402, 718, 402);
    }
    if (order >= 2) {
        g.at(0, 158);
        HighCutCondensorDraw(g);
    }
    if (order >= 3) {
        g.at(79, 158);
        HighCutCoilDraw(g);
    }
    if (order >= 4) {
        g.at(79, 158);
        HighCutCondensorDraw(g);
    }
}

// The mid band-pass branch: its high-pass part with the high-pass symbols
// 158 lower, its low-pass part with the low-pass symbols in place.
void midBranch(Diagram& g, int order)
{
    g.line(83, 244, 120, 244);
    if (order <= 2) {
        g.line(126, 244, 264, 244);
        g.line(299, 244, 428, 244);
    } else {
        g.line(126, 244, 199, 244);
        g.line(204, 244, 264, 244);
        g.line(299, 244, 343, 244);
        g.line(378, 244, 428, 244);
    }
    g.at(0, 158);
    LowCutCondensorDraw(g);
    g.at(0, 0);
    HighCutCoilDraw(g);
    if (order >= 2) {
        g.at(0, 158);
        LowCutCoilDraw(g);
        g.at(0, 0);
        HighCutCondensorDraw(g);
    }
    if (order >= 3) {
        g.at(79, 158);
        LowCutCondensorDraw(g);
        g.at(79, 0);
        HighCutCoilDraw(g);
    }
    if (order >= 4) {
        g.at(79, 158);
        LowCutCoilDraw(g);
        g.at(79, 0);
        HighCutCondensorDraw(g);
    }
}

}  // namespace

void SchematicDraw(DrawTarget& target, const Design& d)
{
    Diagram g(target, target.DoPrint);
    const int order = d.order;
    fixedParts(g);
    if (d.channel == 2) {
        g.line(452, 86, 718, 86);
        g.at(0, 0);
        ATTSerisResistorDraw(g);
        ATTPallelResistorDraw(g);
        if (order >= 1 && order <= 4) {
            highBranch(g, order, 205, 428);
            lowBranch(g, order);
        }
    } else if (d.channel == 3) {
        g.line(492, 86, 718, 86);
        g.line(452, 244, 468, 244);
        g.line(491, 244, 718, 244);
        g.returnLine(67, 339, 718);
        g.line(718, 244, 718, 339);
        g.at(40, 0);
        ATTSerisResistorDraw(g);
        ATTPallelResistorDraw(g);
        g.at(0, 158);
        ATTSerisResistorDraw(g);  // the mid shift resistor
        g.at(40, 158);
        ATTSerisResistorDraw(g);
        ATTPallelResistorDraw(g);
        ImpCorrectDraw(g);
        NotchCorrectDraw(g);
        g.fixedDot(83, 244);
        g.fixedDot(67, 339);
        if (order >= 1 && order <= 4) {
            highBranch(g, order, 204, 468);
            midBranch(g, order);
            lowBranch(g, order);
        }
    }
    GetSpeakerPict(target, d);
}

}  // namespace larkspan
