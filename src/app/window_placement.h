// The response window's place on screen: where a new window's graph view goes
// (540 × 390, at the remembered `Bounds` or centred), the animated fit to the
// current view, and `Bounds` read back when the window moves.
#pragma once

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
    void readBoundsBack(bool schema);

    ShellState& shell_;
    ContentAnimator* animator_;
    int millis_ = 200;
};

}  // namespace larkspan
