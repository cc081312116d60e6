#include "app/response_view.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QToolTip>
#include <cmath>

#include "drawing/qt/painter_canvas.h"
#include "drawing/response_view.h"
#include "model/resource_folder.h"

namespace larkspan {

namespace {

// A static text of the view: a label with its help tag placed below-left
// ("BL") or left-bottom ("LB") of it. It sits over the drawing at the
// drawing's scale.
class StaticTextLabel : public QLabel {
public:
    StaticTextLabel(const StaticText& t, QWidget* parent) : QLabel(parent), text_(t)
    {
        const HelpTag tag = splitHelpTag(t.help);
        tagText_ = QString::fromStdString(tag.text);
        placement_ = QString::fromStdString(tag.placement);
        setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        setObjectName(QStringLiteral("control%1").arg(t.id));
    }

    // Places the label over the drawing seen through `fit`, its type scaled
    // with it.
    void fit(const ViewFit& fit)
    {
        setFont(qt::drawingFont(static_cast<float>(text_.fontSize * fit.scale)));
        setGeometry(
            fit.map(QRectF(text_.left, text_.top, text_.right - text_.left, text_.bottom - text_.top)).toAlignedRect());
        // Texts longer than their field are elided, never spilled over.
        // The help tag of a cut text begins with the whole of it.
        const QString full = QString::fromStdString(text_.text);
        const QString shown = fontMetrics().elidedText(full, Qt::ElideRight, width() + 4);
        setText(shown);
        if (shown == full)
            help_ = tagText_;
        else
            help_ = tagText_.isEmpty() ? full : full + QLatin1Char('\n') + tagText_;
    }

    const QString& help() const { return help_; }

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::ToolTip && !help_.isEmpty()) {
            QPoint at = mapToGlobal(QPoint(0, height()));
            if (placement_ == QLatin1String("LB")) {
                const QFontMetrics fm(QToolTip::font());
                at = mapToGlobal(QPoint(-fm.horizontalAdvance(help_) - 12, height() - fm.height() - 6));
            }
            QToolTip::showText(at, help_, this);
            return true;
        }
        return QLabel::event(e);
    }

private:
    StaticText text_;
    QString tagText_;
    QString help_;
    QString placement_;
};

}  // namespace

ResponseView::ResponseView(Design& design, QWidget* parent)
    : QWidget(parent), design_(design), imagesDir_(resourceFolder("Images"))
{
    // Any size the user gives the window: the view is drawn to fit it. The
    // window itself sets the view's own size when a view is shown.
    setMinimumSize(kMinimumSize);
    resize(540, 390);
    setAutoFillBackground(false);
}

void ResponseView::setShown(bool shown)
{
    shown_ = shown;
    if (!shown) placeControls({});
    pictureValid_ = false;
    update();
}

void ResponseView::showView(const std::string& view)
{
    view_ = view;
    ++drawCount_;
    // The controls of a view are known before it paints: draw once off
    // screen to collect them, so they are in place when the view appears.
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&scratch);
    qt::PainterCanvas canvas(p);
    DrawTarget target{canvas};
    target.imagesDir = imagesDir_;
    paintState_ = viewState_;
    ResponsePlot(target, design_, viewState_);
    p.end();
    placeControls(target.controls);
    pictureValid_ = false;
    update();
}

QWidget* ResponseView::control(int id) const
{
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].id == id) return controlWidgets_[i];
    return nullptr;
}

void ResponseView::placeControls(const std::vector<StaticText>& texts)
{
    for (QWidget* w : controlWidgets_) delete w;
    controlWidgets_.clear();
    controls_ = texts;
    const ViewFit fit = drawingFit();
    for (const StaticText& t : controls_) {
        auto* label = new StaticTextLabel(t, this);
        label->fit(fit);
        label->show();
        controlWidgets_.push_back(label);
    }
}

ViewFit ResponseView::drawingFit() const
{
    // The view is fitted as the content the window gives it at its own size.
    return fitView(QSizeF(viewContentSize(view_ == "schema")), QSizeF(size()));
}

QRect ResponseView::drawingRect() const
{
    return drawingFit().map(QRectF(QPointF(), QSizeF(viewContentSize(view_ == "schema")))).toAlignedRect() & rect();
}

void ResponseView::resizeEvent(QResizeEvent*)
{
    const ViewFit fit = drawingFit();
    for (QWidget* w : controlWidgets_) static_cast<StaticTextLabel*>(w)->fit(fit);
    pictureValid_ = false;
}

void ResponseView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!shown_) {
        // An empty window says how to go on.
        p.setPen(QColor(120, 120, 120));
        p.setFont(qt::drawingFont(13));
        p.drawText(rect(), Qt::AlignCenter,
                   QStringLiteral("No design is open.\n\nFile \u25b8 New Filter Design\u2026 (Ctrl+N) starts one,\n"
                                  "File \u25b8 Open\u2026 (Ctrl+O) opens a document."));
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::ceil(width() * ratio)), static_cast<int>(std::ceil(height() * ratio)));
    if (!pictureValid_ || picture_.devicePixelRatio() != ratio || picture_.size() != pixels) {
        // Drawn afresh at the window's size and pixel ratio rather than a
        // stored picture stretched: lines and type stay sharp at any scale.
        const ViewSize size = viewSize(view_);
        picture_ = QPixmap(pixels);
        picture_.setDevicePixelRatio(ratio);
        picture_.fill(Qt::white);
        QPainter pp(&picture_);
        pp.setTransform(drawingFit().transform());
        pp.setClipRect(QRectF(0, 0, size.width, size.height));
        qt::PainterCanvas canvas(pp);
        DrawTarget target{canvas};
        target.imagesDir = imagesDir_;
        // The picture repeats the drawing of the last showView exactly: it
        // starts from the state that drawing started from.
        ViewState state = paintState_;
        ResponsePlot(target, design_, state);
        pictureValid_ = true;
    }
    p.drawPixmap(0, 0, picture_);
    emit painted();
}

}  // namespace larkspan
