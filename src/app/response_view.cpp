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
// ("BL") or left-bottom ("LB") of it.
class StaticTextLabel : public QLabel {
public:
    StaticTextLabel(const StaticText& t, QWidget* parent) : QLabel(parent)
    {
        const HelpTag tag = splitHelpTag(t.help);
        help_ = QString::fromStdString(tag.text);
        placement_ = QString::fromStdString(tag.placement);
        setText(QString::fromStdString(t.text));
        setFont(qt::drawingFont(static_cast<float>(t.fontSize)));
        setGeometry(QRectF(t.left, t.top, t.right - t.left, t.bottom - t.top).toAlignedRect());
        setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        setObjectName(QStringLiteral("control%1").arg(t.id));
        // Texts longer than their field are elided, never spilled over.
        // The help tag of a cut text begins with the whole of it.
        const QString full = text();
        const QString shown = fontMetrics().elidedText(full, Qt::ElideRight, width() + 4);
        if (shown != full) {
            setText(shown);
            help_ = help_.isEmpty() ? full : full + QLatin1Char('\n') + help_;
        }
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
    QString help_;
    QString placement_;
};

}  // namespace

ResponseView::ResponseView(Design& design, QWidget* parent)
    : QWidget(parent), design_(design), imagesDir_(resourceFolder("Images"))
{
    setFixedSize(540, 390);
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
    for (const StaticText& t : controls_) {
        auto* label = new StaticTextLabel(t, this);
        label->show();
        controlWidgets_.push_back(label);
    }
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
    if (!pictureValid_ || picture_.devicePixelRatio() != ratio) {
        const ViewSize size = viewSize(view_);
        picture_ = QPixmap(
            QSize(static_cast<int>(std::ceil(size.width * ratio)), static_cast<int>(std::ceil(size.height * ratio))));
        picture_.setDevicePixelRatio(ratio);
        picture_.fill(Qt::white);
        QPainter pp(&picture_);
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
