#include "app/response_view.h"

#include <QPainter>

namespace larkspan {

ResponseView::ResponseView(Design& design, QWidget* parent) : QWidget(parent), design_(design)
{
    setFixedSize(contentSizeFor("amp"));
    setAutoFillBackground(false);
}

QSize ResponseView::contentSizeFor(const std::string& view)
{
    return view == "schema" ? QSize(810, 566) : QSize(540, 390);
}

void ResponseView::setShown(bool shown)
{
    shown_ = shown;
    update();
}

void ResponseView::showView(const std::string& view, bool resize)
{
    view_ = view;
    if (resize) setFixedSize(contentSizeFor(view));
    ++drawCount_;
    update();
}

void ResponseView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!shown_) return;
    if (!painter_) {
        emit painted();
        return;
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    painter_(p, design_, view_);
    emit painted();
}

}  // namespace larkspan
