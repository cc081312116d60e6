// The response window's content: the current view drawn through the painter
// canvas, at 540 × 390 points for graphs and 810 × 566 for the schematic
// (588 with the title bar), scaled to fit when the user resizes the window.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "app/view_fit.h"
#include "drawing/response_view.h"
#include "drawing/static_text.h"
#include "model/design.h"

class QPainter;

namespace larkspan {

class ResponseView : public QWidget {
    Q_OBJECT

public:
    explicit ResponseView(Design& design, QWidget* parent = nullptr);

    // Draws `view` (an s_Resp key). The window sizes the view: see
    // MainWindow::resizeResponseWnd.
    void showView(const std::string& view);
    // The standard values the amplitude, impedance and phase views overlay
    // as built, or nothing; shown from the next drawing on.
    void setAsBuilt(std::optional<SeriesChoice> choice) { viewState_.asBuilt = std::move(choice); }
    // A window without a design shows nothing.
    void setShown(bool shown);
    bool isShowingDesign() const { return shown_; }
    const std::string& currentView() const { return view_; }
    // The drawing state the view on screen was drawn from, so that a print
    // of it draws the same.
    const ViewState& drawnFrom() const { return paintState_; }
    // How many times the view has been drawn since it was created.
    int drawCount() const { return drawCount_; }

    // The static texts the view placed (legend names 71-74, value sheet
    // 101-211), as labels; looked up by control number for tests.
    QWidget* control(int id) const;
    const std::vector<StaticText>& controls() const { return controls_; }

    // The smallest the user can make the window's content.
    static constexpr QSize kMinimumSize{135, 98};
    // How the view's points lie on the widget: the view fitted whole,
    // centred; and the widget's rectangle the drawing covers.
    ViewFit drawingFit() const;
    QRect drawingRect() const;

signals:
    // A design's view has been painted on screen.
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Removes the previous view's labels and places the new ones.
    void placeControls(const std::vector<StaticText>& texts);

    Design& design_;
    ViewState viewState_;
    ViewState paintState_;
    // The last drawing at the screen's pixel ratio: exposures and the resize
    // transition repaint from it instead of drawing the view again.
    QPixmap picture_;
    bool pictureValid_ = false;
    std::vector<StaticText> controls_;
    std::vector<QWidget*> controlWidgets_;
    std::string imagesDir_;
    std::string view_ = "amp";
    bool shown_ = false;
    int drawCount_ = 0;
};

}  // namespace larkspan
