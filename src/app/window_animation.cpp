#include "app/window_animation.h"

#include <QEasingCurve>
#include <QVariantAnimation>
#include <QWidget>
#include <utility>

namespace larkspan {

ContentAnimator::ContentAnimator(QWidget* window, QWidget* content)
    : QObject(window), window_(window), content_(content)
{
}

QRect ContentAnimator::contentRect() const
{
    // geometry() of a top-level window is its client area in screen
    // coordinates, without the frame the window manager adds.
    return QRect(window_->geometry().topLeft() + content_->pos(), content_->size());
}

void ContentAnimator::place(const QRect& target)
{
    if (!target.isValid()) return;
    moving_ = true;
    // A placement gives the content its view's own size, also from a
    // maximized or full-screen window.
    if (window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) window_->showNormal();
    const int above = content_->y();
    window_->setGeometry(target.x() - content_->x(), target.y() - above, target.width() + content_->x(),
                         target.height() + above);
    moving_ = false;
}

void ContentAnimator::finish()
{
    if (!animation_) return;
    QVariantAnimation* running = animation_;
    animation_ = nullptr;
    running->stop();
    running->deleteLater();
    place(runningTarget_);
    if (auto done = std::exchange(runningDone_, nullptr)) done();
}

void ContentAnimator::animateTo(const QRect& target, int millis, std::function<void()> done)
{
    finish();
    const QRect from = contentRect();
    if (millis <= 0 || from == target) {
        place(target);
        if (done) done();
        return;
    }
    auto* animation = new QVariantAnimation(this);
    animation->setStartValue(from);
    animation->setEndValue(target);
    animation->setDuration(millis);
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(animation, &QVariantAnimation::valueChanged, this, [this, animation](const QVariant& value) {
        if (animation == animation_) place(value.toRect());
    });
    connect(animation, &QVariantAnimation::finished, this, [this, animation] {
        if (animation == animation_) finish();
    });
    animation_ = animation;
    runningTarget_ = target;
    runningDone_ = std::move(done);
    animation->start();
}

}  // namespace larkspan
