#include "app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/window_animation.h"
#include "rules/window_bounds.h"

namespace larkspan {

namespace {

QRect toRect(const Bounds16& b)
{
    return QRect(b.left, b.top, b.right - b.left, b.bottom - b.top);
}

Bounds16 toBounds(const QRect& r)
{
    const auto i16 = [](int v) { return static_cast<std::int16_t>(v); };
    return {i16(r.top()), i16(r.left()), i16(r.top() + r.height()), i16(r.left() + r.width())};
}

}  // namespace

WindowPlacement::WindowPlacement(QWidget* window, QWidget* content, ShellState& shell)
    : shell_(shell), animator_(new ContentAnimator(window, content))
{
}

void WindowPlacement::placeNewWindow()
{
    QRect content(0, 0, 540, 390);
    const QPoint remembered(shell_.prefs.Bounds.left, shell_.prefs.Bounds.top);
    // A remembered place on a screen that is no longer there would hide the
    // window: it is centred instead.
    const bool onScreen = QGuiApplication::screenAt(remembered + QPoint(40, 10)) != nullptr;
    if (shell_.FastOpenFlag == 0 && shell_.prefs.BoundsCheck == 1 && onScreen) {
        content.moveTopLeft(remembered);
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        content.moveCenter(screen->availableGeometry().center());
    }
    animator_->place(content);
}

void WindowPlacement::rememberPlace()
{
    shell_.prefs.Bounds = toBounds(animator_->contentRect());
}

void WindowPlacement::fitView(bool schema)
{
    // A transition still running ends first, so that Bounds is read back from
    // the view it was for before the next target is taken from it.
    animator_->finish();
    const Bounds16 target = contentOf(resizeTarget(shell_.prefs.Bounds, schema));
    animator_->animateTo(toRect(target), millis_, [this, schema] { readBoundsBack(schema); });
}

void WindowPlacement::windowMoved(bool schema)
{
    if (!animator_->moving()) readBoundsBack(schema);
}

void WindowPlacement::readBoundsBack(bool schema)
{
    shell_.prefs.Bounds = toBounds(animator_->contentRect());
    BoundBiasState bias{shell_.BoundBias, shell_.BoundBiasFlag};
    ResetResponseWndBounds(shell_.prefs.Bounds, schema, bias);
    shell_.BoundBias = bias.BoundBias;
    shell_.BoundBiasFlag = bias.BoundBiasFlag;
}

}  // namespace larkspan
