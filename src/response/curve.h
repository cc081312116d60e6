// A curve as a sweep computes it: points in data units and graph coordinates,
// and for each point whether the line into it is stroked.
#pragma once

#include <string>
#include <vector>

#include "model/colour.h"

namespace larkspan {

struct CurvePoint {
    float k = 0;       // log10 of the frequency in Hz; time in 0.1 ms for a step curve
    double value = 0;  // the evaluator's result (dB, log10 ohm, degrees, ms, step value)
    float re = 0;      // Nyquist point before scaling
    float im = 0;
    float x = 0;  // graph coordinates, points, y downward
    float y = 0;
    bool drawn = false;  // the line from the previous point to this one is stroked
};

struct Curve {
    std::string branch;  // "Lo", "Mid", "Hi", "To", "Before", "After"
    Colour colour;
    float LineW = 1;
    std::vector<CurvePoint> points;
};

// The colour and width of branch `ii` of a channel's curves (the Nyquist total
// is drawn with width 1 by its own plot).
Colour branchColour(int channel, int ii);
float branchLineWidth(int channel, int ii);
std::string branchName(int channel, int ii);

// Clears `drawn` on every point whose line would start or end at a
// non-finite coordinate, so that no NaN or infinity reaches a painter.
void dropNonFiniteSegments(Curve& curve);

// The x of k (log10 of the frequency in Hz) on every frequency-domain graph.
float xFromK(float k);

// The angular frequency of k, in single precision as the evaluators take it.
float angularFrequency(float k);

}  // namespace larkspan
