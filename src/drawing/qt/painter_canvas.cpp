#include "drawing/qt/painter_canvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/polyline_reduction.h"

namespace larkspan::qt {

namespace {

QColor qtColour(const Colour& c)
{
    const auto part = [](float v) { return std::isfinite(v) ? std::clamp(static_cast<double>(v), 0.0, 1.0) : 0.0; };
    return QColor::fromRgbF(static_cast<float>(part(c.red)), static_cast<float>(part(c.green)),
                            static_cast<float>(part(c.blue)));
}

}  // namespace

QFont drawingFont(float size)
{
    QFont font(QStringLiteral("Lucida Grande"));
    font.setFamilies({QStringLiteral("Lucida Grande"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
    return font;
}

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter)
{
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPen PainterCanvas::qtPen(const Pen& pen) const
{
    // Width 0 is Qt's cosmetic pen: one device pixel, the thinnest line.
    const bool thin = cosmetic(pen);
    QPen q(qtColour(pen.colour), thin ? 0.0 : static_cast<double>(pen.width));
    q.setCapStyle(Qt::FlatCap);
    q.setJoinStyle(Qt::MiterJoin);
    if (pen.dash != Dash::Solid) {
        // Dashes are measured in points; Qt measures them in pen widths, and
        // a cosmetic pen is one device pixel wide.
        const double perPoint = devicePerPoint();
        const double widthInPoints = thin ? 1.0 / (perPoint > 0 ? perPoint : 1.0) : static_cast<double>(pen.width);
        const double on = pen.dash == Dash::FourThree ? 4.0 : 1.0;
        const double off = pen.dash == Dash::OneThree || pen.dash == Dash::FourThree ? 3.0 : 1.0;
        q.setDashPattern({on / widthInPoints, off / widthInPoints});
    }
    return q;
}

double PainterCanvas::devicePerPoint() const
{
    return std::sqrt(std::fabs(painter_.deviceTransform().determinant()));
}

bool PainterCanvas::cosmetic(const Pen& pen)
{
    return !(pen.width > 0) || !std::isfinite(pen.width);
}

double PainterCanvas::onPixelCentre(double v, bool vertical) const
{
    // Only for a plain scale and shift, as on screens and pictures.
    const QTransform t = painter_.deviceTransform();
    if (t.type() > QTransform::TxScale) return v;
    const double scale = vertical ? t.m22() : t.m11();
    const double shift = vertical ? t.dy() : t.dx();
    if (!(scale > 0)) return v;
    const double device = v * scale + shift;
    return (std::floor(device) + 0.5 - shift) / scale;
}

void PainterCanvas::line(float x1, float y1, float x2, float y2, const Pen& pen)
{
    if (!allFinite({x1, y1, x2, y2})) return;
    QPointF a(x1, y1);
    QPointF b(x2, y2);
    // A thin line along an axis lands on a device pixel's centre at any
    // pixel ratio, so that it stays one crisp pixel wide.
    if (cosmetic(pen) && y1 == y2) a.ry() = b.ry() = onPixelCentre(y1, true);
    if (cosmetic(pen) && x1 == x2) a.rx() = b.rx() = onPixelCentre(x1, false);
    painter_.setPen(qtPen(pen));
    painter_.drawLine(a, b);
}

void PainterCanvas::polyline(const std::vector<CanvasPoint>& points, const Pen& pen)
{
    if (!allFinite(points)) {
        Canvas::polyline(points, pen);  // segment by segment, the bad ones dropped
        return;
    }
    if (points.size() < 2) return;
    const std::vector<CanvasPoint> reduced = shownPoints(points);
    const std::vector<CanvasPoint>& drawn = reduced.empty() ? points : reduced;
    QPainterPath path(QPointF(drawn[0].x, drawn[0].y));
    for (std::size_t i = 1; i < drawn.size(); ++i) path.lineTo(drawn[i].x, drawn[i].y);
    QPen q = qtPen(pen);
    const QPaintEngine* engine = painter_.paintEngine();
    if (cosmetic(pen) || pen.dash != Dash::Solid || !engine || engine->type() != QPaintEngine::Raster) {
        q.setJoinStyle(Qt::RoundJoin);
        painter_.strokePath(path, q);
        return;
    }
    // On screens and in pictures a round join is drawn as a bevelled one and,
    // where the two differ visibly, a disc on the joint. Qt's own round join
    // costs some ten times a bevelled one and, on a line of segments shorter
    // than the pen is wide, folds the outline over itself: set against the
    // round line drawn eight times larger and averaged down, this is closer.
    q.setJoinStyle(Qt::BevelJoin);
    painter_.strokePath(path, q);
    const QPainterPath discs = roundJoints(drawn, q.widthF() / 2);
    if (!discs.isEmpty()) painter_.fillPath(discs, q.color());
}

QPainterPath PainterCanvas::roundJoints(const std::vector<CanvasPoint>& points, double radius) const
{
    // A round join adds to the bevelled one the part of a disc of the pen's
    // half width r round the joint that lies outside it, a sliver of
    // r²(θ − sin θ)/2 ≈ r²θ³/12 for a turn of θ; below a fiftieth of a
    // device pixel no disc is drawn.
    constexpr double kVisibleArea = 1.0 / 50;
    QPainterPath discs;
    discs.setFillRule(Qt::WindingFill);
    const double r = radius * devicePerPoint();
    if (!(r > 0)) return discs;
    const double cosTurn = std::cos(std::cbrt(12.0 * kVisibleArea / (r * r)));
    const QTransform t = painter_.deviceTransform();
    QPointF from = t.map(QPointF(points[0].x, points[0].y));  // in device pixels
    QPointF before;                                           // the last segment of some length
    double lengthBefore = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const QPointF to = t.map(QPointF(points[i].x, points[i].y));
        const QPointF segment = to - from;
        const double length = std::hypot(segment.x(), segment.y());
        if (!(length > 0)) continue;  // a repeated point joins nothing
        if (lengthBefore > 0 && QPointF::dotProduct(before, segment) < cosTurn * lengthBefore * length)
            discs.addEllipse(QPointF(points[i - 1].x, points[i - 1].y), radius, radius);
        from = to;
        before = segment;
        lengthBefore = length;
    }
    return discs;
}

std::vector<CanvasPoint> PainterCanvas::shownPoints(const std::vector<CanvasPoint>& points) const
{
    // A line with four or more points to each column of the device is drawn
    // as the columns it covers: on screens and pictures one column per
    // device pixel, on a page columns a quarter of a point wide, about one
    // dot of a 300 dpi printer. The step view's longest window has some
    // ninety points to each pixel column, the group delay six or seven. Qt
    // strokes so dense a line slowly and badly: a thin one up to a half
    // paler than it looks at eight times the resolution, a thick one darker
    // where its outline folds over itself. Reduced to the columns' extremes
    // it comes within a tenth of that.
    constexpr double kColumnsPerPoint = 4;
    constexpr double kDenseFrom = 4;  // points to a column
    const QTransform t = painter_.deviceTransform();
    if (points.size() < 2 || t.type() > QTransform::TxScale || !(t.m11() > 0)) return {};
    const QPaintEngine* engine = painter_.paintEngine();
    if (!engine) return {};
    double columnsPerDeviceUnit = 0;
    if (engine->type() == QPaintEngine::Raster) {
        columnsPerDeviceUnit = 1;
    } else if (engine->type() == QPaintEngine::Pdf) {
        const double dpi = painter_.device()->logicalDpiX();
        if (!(dpi > 0)) return {};
        columnsPerDeviceUnit = kColumnsPerPoint * 72.0 / dpi;
    } else {
        return {};
    }
    const ColumnGrid grid{t.m11() * columnsPerDeviceUnit, t.dx() * columnsPerDeviceUnit};
    const auto [left, right] = std::minmax_element(
        points.begin(), points.end(), [](const CanvasPoint& a, const CanvasPoint& b) { return a.x < b.x; });
    const double columns = (static_cast<double>(right->x) - left->x) * grid.scale + 1;
    if (static_cast<double>(points.size()) < kDenseFrom * columns) return {};
    return reduceToColumns(points, grid);
}

void PainterCanvas::rect(float x1, float y1, float x2, float y2, const Pen& pen, bool fill)
{
    if (!allFinite({x1, y1, x2, y2})) return;
    const QRectF r = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    if (fill) {
        painter_.fillRect(r, qtColour(pen.colour));
        return;
    }
    QRectF outline = r;
    if (cosmetic(pen)) {
        outline.setLeft(onPixelCentre(r.left(), false));
        outline.setRight(onPixelCentre(r.right(), false));
        outline.setTop(onPixelCentre(r.top(), true));
        outline.setBottom(onPixelCentre(r.bottom(), true));
    }
    painter_.setPen(qtPen(pen));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(outline);
}

void PainterCanvas::arc(float cx, float cy, float radius, float begin, float end, const Pen& pen, bool fill)
{
    if (!allFinite({cx, cy, radius, begin, end}) || radius <= 0) return;
    const QRectF box(cx - radius, cy - radius, 2.0 * radius, 2.0 * radius);
    constexpr double twoPi = 2 * std::numbers::pi;
    double sweep = static_cast<double>(end) - begin;
    QPainterPath path;
    if (sweep >= twoPi) {
        path.addEllipse(box);
    } else {
        if (sweep <= 0) sweep += twoPi;
        // Qt counts degrees counter-clockwise on screen; these angles turn
        // from +x toward +y, clockwise on screen.
        const double start = -static_cast<double>(begin) * 180.0 / std::numbers::pi;
        const double span = -sweep * 180.0 / std::numbers::pi;
        if (fill) {
            path.moveTo(cx, cy);
            path.arcTo(box, start, span);
            path.closeSubpath();
        } else {
            path.arcMoveTo(box, start);
            path.arcTo(box, start, span);
        }
    }
    if (fill)
        painter_.fillPath(path, qtColour(pen.colour));
    else
        painter_.strokePath(path, qtPen(pen));
}

void PainterCanvas::text(float x, float y, const std::string& utf8, float fontSize, const Colour& colour)
{
    if (!allFinite({x, y, fontSize}) || utf8.empty()) return;
    painter_.setFont(drawingFont(fontSize));
    painter_.setPen(qtColour(colour));
    painter_.drawText(QPointF(x, y), QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

void PainterCanvas::fieldText(float x, float y, float width, const std::string& utf8, float fontSize,
                              const Colour& colour)
{
    if (!allFinite({x, y, width, fontSize}) || utf8.empty()) return;
    const QString full = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const QFontMetricsF metrics(drawingFont(fontSize));
    const QString shown = metrics.elidedText(full, Qt::ElideRight, std::max(0.0, static_cast<double>(width) + 4.0));
    if (shown.isEmpty()) return;
    painter_.setFont(drawingFont(fontSize));
    painter_.setPen(qtColour(colour));
    painter_.drawText(QPointF(x, y), shown);
}

void PainterCanvas::image(float x, float y, float width, float height, const std::string& path)
{
    if (!allFinite({x, y, width, height})) return;
    const QImage picture(QString::fromStdString(path));
    if (picture.isNull()) return;  // a missing picture leaves its place empty
    painter_.drawImage(QRectF(x, y, width, height), picture);
}

}  // namespace larkspan::qt
