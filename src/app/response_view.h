// The response window's content: the current view drawn through the painter
// canvas, at 540 × 390 points for graphs and 810 × 566 for the schematic.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "design/design.h"

class QPainter;

namespace larkspan {

class ResponseView : public QWidget {
    Q_OBJECT

public:
    explicit ResponseView(Design& design, QWidget* parent = nullptr);

    // Draws `view` (an s_Resp key); `resize` animates the window to the view's
    // size first, as every drawing but the first after start-up does.
    void showView(const std::string& view, bool resize);
    // A window without a design shows nothing.
    void setShown(bool shown);
    bool isShowingDesign() const { return shown_; }
    const std::string& currentView() const { return view_; }
    // How many times the view has been drawn since it was created.
    int drawCount() const { return drawCount_; }

    static QSize contentSizeFor(const std::string& view);

    // The drawing of a view onto a painter whose units are points.
    using Painter = std::function<void(QPainter&, Design&, const std::string& view)>;
    void setPainter(Painter painter) { painter_ = std::move(painter); }

signals:
    // A design's view has been painted on screen.
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Design& design_;
    Painter painter_;
    std::string view_ = "amp";
    bool shown_ = false;
    int drawCount_ = 0;
};

}  // namespace larkspan
