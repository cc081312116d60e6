// The response window's place on screen: where a new window's graph view goes
// (540 × 390, at the remembered `Bounds` or centred), the animated fit to the
// current view, and `Bounds` read back when the window moves.
#pragma once

#include <QPoint>
#include <QRect>

#include "app/shell_state.h"

class QWidget;

namespace larkspan {

class ContentAnimator;

class WindowPlacement {
public:
    WindowPlacement(QWidget* window, QWidget* content, ShellState& shell);

    // How long the resize transition takes; 0 resizes at once.
    void setTransitionMillis(int millis) { millis_ = millis; }

    // Puts a new window's graph view in place.
    void placeNewWindow();
    // Takes the graph view's place on screen as `Bounds`.
    void rememberPlace();
    // Fits the window to the view (the schematic is wider and taller).
    void fitView(bool schema);
    // The user moved the window: `Bounds` follows, unless this placement is
    // what moved it.
    void windowMoved(bool schema);

private:
    // The content rectangle moved as little as needed for the whole window
    // (frame and menu bar included) to lie inside the available area of its
    // screen; a window larger than that area keeps its top left corner on it.
    QRect keptOnScreen(const QRect& content) const;
    void readBoundsBack(bool schema);
    // The content's place on screen at its view's own size.
    QRect viewPlace(bool schema) const;

    QWidget* window_;
    QWidget* content_;
    ShellState& shell_;
    ContentAnimator* animator_;
    int millis_ = 200;
    // How far the schematic's window was moved to stay on screen; `Bounds`
    // is read back as if it had not been, so the graph returns to its place.
    QPoint schemaShift_;
};

}  // namespace larkspan
