// The canvas on a QPainter whose units are points: screen, image or printed
// page alike.
#pragma once

#include <QFont>
#include <QPainterPath>

#include "drawing/canvas.h"

class QPainter;

namespace larkspan::qt {

// The drawing typeface at `size` points: "Lucida Grande" where installed,
// else a sans-serif face the system ships. The size is in the painter's
// units, so it scales with the page like every other drawing.
QFont drawingFont(float size);

class PainterCanvas : public Canvas {
public:
    // The painter stays owned by the caller; antialiasing is switched on.
    explicit PainterCanvas(QPainter& painter);

    void line(float x1, float y1, float x2, float y2, const Pen& pen) override;
    void polyline(const std::vector<CanvasPoint>& points, const Pen& pen) override;
    void rect(float x1, float y1, float x2, float y2, const Pen& pen, bool fill) override;
    void arc(float cx, float cy, float radius, float begin, float end, const Pen& pen, bool fill) override;
    void text(float x, float y, const std::string& utf8, float fontSize, const Colour& colour) override;
    // Elided as the window's static texts are: to the field's width and a
    // few points more, so that a text that just fits keeps its last letter.
    void fieldText(float x, float y, float width, const std::string& utf8, float fontSize,
                   const Colour& colour) override;
    void image(float x, float y, float width, float height, const std::string& path) override;

private:
    static bool cosmetic(const Pen& pen);
    QPen qtPen(const Pen& pen) const;
    // Device pixels to a point of the drawing (the painter's scale).
    double devicePerPoint() const;
    // A dense polyline's points reduced to the columns of the device; empty
    // when the line is not dense or the device has no columns.
    std::vector<CanvasPoint> shownPoints(const std::vector<CanvasPoint>& points) const;
    // Discs of the given radius on the joints of a polyline where a round
    // join differs visibly from a bevelled one.
    QPainterPath roundJoints(const std::vector<CanvasPoint>& points, double radius) const;
    // The coordinate moved to the centre of the device pixel it falls in.
    double onPixelCentre(double v, bool vertical) const;

    QPainter& painter_;
};

}  // namespace larkspan::qt
