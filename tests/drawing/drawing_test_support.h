// Helpers for reading what a drawing procedure put on a recording canvas.
#pragma once

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "drawing/draw_target.h"
#include "drawing/recording_canvas.h"

namespace larkspan::test {

// A recording canvas with a screen or printed-page target around it.
struct Recorder {
    explicit Recorder(bool print = false) : target{canvas, {}, {}, print} {}
    RecordingCanvas canvas;
    DrawTarget target;
};

inline bool horizontalLine(const Primitive& p)
{
    return p.kind == Primitive::Kind::Line && p.y1 == p.y2 && p.x1 != p.x2;
}
inline bool verticalLine(const Primitive& p)
{
    return p.kind == Primitive::Kind::Line && p.x1 == p.x2 && p.y1 != p.y2;
}

inline std::vector<Primitive> linesWhere(const RecordingCanvas& c, bool (*pred)(const Primitive&))
{
    std::vector<Primitive> out;
    for (const auto& p : c.primitives)
        if (pred(p)) out.push_back(p);
    return out;
}

inline std::set<float> ysOf(const std::vector<Primitive>& lines)
{
    std::set<float> s;
    for (const auto& p : lines) s.insert(p.y1);
    return s;
}

inline std::set<float> xsOf(const std::vector<Primitive>& lines)
{
    std::set<float> s;
    for (const auto& p : lines) s.insert(p.x1);
    return s;
}

inline bool allFinite(const RecordingCanvas& c)
{
    return std::all_of(c.primitives.begin(), c.primitives.end(), [](const Primitive& p) {
        return std::isfinite(p.x1) && std::isfinite(p.y1) && std::isfinite(p.x2) && std::isfinite(p.y2) &&
               std::isfinite(p.radius) && std::isfinite(p.begin) && std::isfinite(p.end);
    });
}

}  // namespace larkspan::test
