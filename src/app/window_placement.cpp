#include "app/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "app/view_fit.h"
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
    : window_(window), content_(content), shell_(shell), animator_(new ContentAnimator(window, content))
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
    schemaShift_ = QPoint();
    animator_->place(keptOnScreen(content));
}

QRect WindowPlacement::keptOnScreen(const QRect& content) const
{
    const QScreen* screen = QGuiApplication::screenAt(content.center());
    if (!screen) screen = window_->screen();
    if (!screen) return content;
    const QRect area = screen->availableGeometry();
    const QRect inner = window_->geometry();
    const QRect outer = window_->frameGeometry();
    const QMargins around(inner.left() - outer.left() + content_->x(), inner.top() - outer.top() + content_->y(),
                          outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const QRect whole = content.marginsAdded(around);
    const auto shift = [](int low, int high, int areaLow, int areaHigh) {
        if (high > areaHigh) return std::max(areaHigh - high, areaLow - low);
        return low < areaLow ? areaLow - low : 0;
    };
    return content.translated(shift(whole.left(), whole.right(), area.left(), area.right()),
                              shift(whole.top(), whole.bottom(), area.top(), area.bottom()));
}

QRect WindowPlacement::viewPlace(bool schema) const
{
    // The user may have resized the window: only where the view starts is
    // remembered, with the view's own size.
    return QRect(animator_->contentRect().topLeft(), viewContentSize(schema));
}

void WindowPlacement::rememberPlace()
{
    shell_.prefs.Bounds = toBounds(viewPlace(false));
}

void WindowPlacement::fitView(bool schema)
{
    // A transition still running ends first, so that Bounds is read back from
    // the view it was for before the next target is taken from it.
    animator_->finish();
    // Departure: the schematic's wider window is not left partly off screen
    // (from a window at the screen's left edge it would open at x = -135).
    const QRect wanted = toRect(contentOf(resizeTarget(shell_.prefs.Bounds, schema)));
    const QRect target = keptOnScreen(wanted);
    animator_->animateTo(target, millis_, [this, schema, shift = wanted.topLeft() - target.topLeft()] {
        schemaShift_ = schema ? shift : QPoint();
        readBoundsBack(schema);
    });
}

void WindowPlacement::windowMoved(bool schema)
{
    // A maximized or full-screen window keeps the place it goes back to.
    if (animator_->moving() || (window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) return;
    schemaShift_ = QPoint();
    readBoundsBack(schema);
}

void WindowPlacement::readBoundsBack(bool schema)
{
    shell_.prefs.Bounds = toBounds(viewPlace(schema).translated(schemaShift_));
    BoundBiasState bias{shell_.BoundBias, shell_.BoundBiasFlag};
    ResetResponseWndBounds(shell_.prefs.Bounds, schema, bias);
    shell_.BoundBias = bias.BoundBias;
    shell_.BoundBiasFlag = bias.BoundBiasFlag;
}

}  // namespace larkspan
