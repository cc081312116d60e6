// The About window: the product name, its line and the version.
#pragma once

#include <QDialog>

namespace larkspan {

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace larkspan
