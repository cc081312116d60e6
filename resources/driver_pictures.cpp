// Draws the three driver pictures of the schematic view as PNG files: side
// sections of a dome tweeter, a mid-range cone driver and a woofer, facing
// right, in clean line art on a transparent ground.
//
// Usage: larkspan_driver_pictures OUTPUT_FOLDER
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdio>
#include <functional>

namespace {

// Device pixels per point: the pictures stay sharp when scaled into their
// small rectangles on a high-resolution screen or on paper.
constexpr double kPixelsPerPoint = 8;

const QColor kInk(26, 26, 26);
const QColor kMagnet(140, 140, 140);
const QColor kSteel(210, 210, 210);
const QColor kPaper(240, 240, 240);

QPen ink(double width = 0.55)
{
    QPen pen(kInk, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void block(QPainter& p, const QRectF& r, const QColor& fill)
{
    p.setPen(ink());
    p.setBrush(fill);
    p.drawRect(r);
}

// A cone driver of w × h points: magnet and plates at the back, the basket,
// the cone with its dust cap, surround and front flange. `depth` is how far
// (as a share of the width) the cone reaches back.
void coneDriver(QPainter& p, double w, double h, double depth)
{
    const double cy = h / 2;
    const double magnetHalf = h * 0.14;
    const double plateHalf = h * 0.175;
    const double xBack = w * 0.03;
    const double xMagnet = xBack + w * 0.07;
    const double xPlate = xMagnet + w * 0.17;
    const double xCoil = xPlate + w * 0.06;
    const double xFlange = w * 0.88;
    const double coilHalf = h * 0.055;
    const double edge = h * 0.06;  // the cone's outer edge from the top

    // Basket: struts from the front plate out to the flange, drawn first so
    // the cone lies over them.
    p.setPen(ink(0.45));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(xPlate, cy - plateHalf), QPointF(xFlange, edge * 0.4));
    p.drawLine(QPointF(xPlate, cy + plateHalf), QPointF(xFlange, h - edge * 0.4));

    block(p, QRectF(xBack, cy - plateHalf, xMagnet - xBack, 2 * plateHalf), kSteel);
    block(p, QRectF(xMagnet, cy - magnetHalf, xPlate - xMagnet, 2 * magnetHalf), kMagnet);
    block(p, QRectF(xPlate, cy - plateHalf, w * 0.05, 2 * plateHalf), kSteel);
    // Pole piece through the gap, and the voice-coil former around it.
    block(p, QRectF(xPlate + w * 0.05, cy - coilHalf * 0.7, xCoil - xPlate - w * 0.05 + w * 0.02, 1.4 * coilHalf),
          kSteel);

    // Cone: from the coil out to the surround, gently curved.
    const double roll = w * 0.03;  // radius of the surround's half roll
    const double xRim = xFlange - 2 * roll;
    const double xNeck = xCoil + w * 0.04 + (1 - depth) * w * 0.14;
    QPainterPath cone;
    cone.moveTo(xNeck, cy - coilHalf);
    cone.cubicTo(QPointF(xNeck + (xRim - xNeck) * 0.45, cy - coilHalf - (cy - edge) * 0.2),
                 QPointF(xNeck + (xRim - xNeck) * 0.8, edge + (cy - edge) * 0.1), QPointF(xRim, edge));
    cone.lineTo(xRim, h - edge);
    cone.cubicTo(QPointF(xNeck + (xRim - xNeck) * 0.8, h - edge - (cy - edge) * 0.1),
                 QPointF(xNeck + (xRim - xNeck) * 0.45, cy + coilHalf + (cy - edge) * 0.2),
                 QPointF(xNeck, cy + coilHalf));
    cone.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawPath(cone);
    QPainterPath coneLines;
    coneLines.moveTo(xNeck, cy - coilHalf);
    coneLines.cubicTo(QPointF(xNeck + (xRim - xNeck) * 0.45, cy - coilHalf - (cy - edge) * 0.2),
                      QPointF(xNeck + (xRim - xNeck) * 0.8, edge + (cy - edge) * 0.1), QPointF(xRim, edge));
    coneLines.moveTo(xNeck, cy + coilHalf);
    coneLines.cubicTo(QPointF(xNeck + (xRim - xNeck) * 0.45, cy + coilHalf + (cy - edge) * 0.2),
                      QPointF(xNeck + (xRim - xNeck) * 0.8, h - edge - (cy - edge) * 0.1), QPointF(xRim, h - edge));
    p.setPen(ink(0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(coneLines);
    // Voice-coil former from the gap to the cone's neck.
    p.setPen(ink(0.45));
    p.drawLine(QPointF(xCoil - w * 0.02, cy - coilHalf), QPointF(xNeck, cy - coilHalf));
    p.drawLine(QPointF(xCoil - w * 0.02, cy + coilHalf), QPointF(xNeck, cy + coilHalf));

    // Dust cap over the coil.
    QPainterPath cap;
    cap.moveTo(xNeck, cy - coilHalf * 1.25);
    cap.cubicTo(QPointF(xNeck + w * 0.12, cy - coilHalf), QPointF(xNeck + w * 0.12, cy + coilHalf),
                QPointF(xNeck, cy + coilHalf * 1.25));
    p.setPen(ink(0.55));
    p.setBrush(kSteel);
    p.drawPath(cap);

    // Half-roll surround from the cone's rim to the flange.
    p.setBrush(Qt::NoBrush);
    p.setPen(ink(0.55));
    QPainterPath surround;
    surround.moveTo(xRim, edge);
    surround.arcTo(QRectF(xRim, edge - roll, 2 * roll, 2 * roll), 180, -180);
    surround.moveTo(xRim, h - edge);
    surround.arcTo(QRectF(xRim, h - edge - roll, 2 * roll, 2 * roll), 180, 180);
    p.drawPath(surround);

    // Front flange.
    block(p, QRectF(xFlange, h * 0.012, w * 0.085, h * 0.976), kSteel);
}

// A dome tweeter of w × h points: a wide faceplate with the dome in front
// and a large magnet behind.
void tweeter(QPainter& p, double w, double h)
{
    const double cy = h / 2;
    const double xFace = w * 0.66;
    const double faceW = w * 0.14;
    // Rear chamber cap, back plate, magnet, front plate.
    block(p, QRectF(w * 0.04, cy - h * 0.14, w * 0.09, h * 0.28), kSteel);
    block(p, QRectF(w * 0.13, cy - h * 0.26, w * 0.09, h * 0.52), kSteel);
    block(p, QRectF(w * 0.22, cy - h * 0.3, w * 0.3, h * 0.6), kMagnet);
    block(p, QRectF(w * 0.52, cy - h * 0.3, xFace - w * 0.52, h * 0.6), kSteel);
    // Faceplate.
    block(p, QRectF(xFace, h * 0.012, faceW, h * 0.976), kSteel);
    // Dome with its surround ring.
    const double xFront = xFace + faceW;
    const double domeHalf = h * 0.2;
    QPainterPath dome;
    dome.moveTo(xFront, cy - domeHalf);
    dome.cubicTo(QPointF(xFront + w * 0.2, cy - domeHalf), QPointF(xFront + w * 0.2, cy + domeHalf),
                 QPointF(xFront, cy + domeHalf));
    dome.closeSubpath();
    p.setPen(ink(0.6));
    p.setBrush(kPaper);
    p.drawPath(dome);
    p.setBrush(Qt::NoBrush);
    const double ring = h * 0.035;
    p.drawArc(QRectF(xFront - ring, cy - domeHalf - 2 * ring, 2 * ring, 2 * ring), 90 * 16, -180 * 16);
    p.drawArc(QRectF(xFront - ring, cy + domeHalf, 2 * ring, 2 * ring), 90 * 16, -180 * 16);
}

bool write(const QString& folder, const char* name, double w, double h,
           const std::function<void(QPainter&, double, double)>& draw)
{
    QImage image(static_cast<int>(w * kPixelsPerPoint), static_cast<int>(h * kPixelsPerPoint),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.scale(kPixelsPerPoint, kPixelsPerPoint);
        draw(p, w, h);
    }
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "larkspan_driver_pictures: cannot write %s\n", path.toLocal8Bit().constData());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: larkspan_driver_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    // Each picture has the proportions of the rectangle it is shown in.
    bool ok = write(folder, "TweeterImage.png", 23, 39, tweeter);
    ok =
        write(folder, "MidRangeImage.png", 27, 52, [](QPainter& p, double w, double h) { coneDriver(p, w, h, 0.6); }) &&
        ok;
    ok = write(folder, "WooferImage.png", 34, 68, [](QPainter& p, double w, double h) { coneDriver(p, w, h, 1.0); }) &&
         ok;
    return ok ? 0 : 1;
}
