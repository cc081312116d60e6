// Moves and resizes a top-level window so that one child widget, its content,
// covers a given rectangle of the screen, either at once or as a short resize
// transition. Everything above the content (the menu bar) keeps its height.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QVariantAnimation>
#include <functional>

class QWidget;

namespace larkspan {

class ContentAnimator : public QObject {
    Q_OBJECT

public:
    ContentAnimator(QWidget* window, QWidget* content);

    // The content's rectangle in screen coordinates, as the window has it now.
    QRect contentRect() const;
    // Puts the content at `target` at once.
    void place(const QRect& target);
    // Animates the content to `target` over `millis` and then calls `done`; a
    // transition still running is first finished, so that the calls happen
    // in order. With `millis` 0 the
    // content is placed and `done` called before this returns.
    void animateTo(const QRect& target, int millis, std::function<void()> done);
    // Finishes a running transition at once: places the content at its end
    // and calls its `done`.
    void finish();
    // Whether the window is being moved by this animator rather than the user.
    bool moving() const { return moving_ || animation_ != nullptr; }

private:
    QWidget* window_;
    QWidget* content_;
    QPointer<QVariantAnimation> animation_;
    QRect runningTarget_;
    std::function<void()> runningDone_;
    bool moving_ = false;
};

}  // namespace larkspan
