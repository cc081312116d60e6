// Window 11: the result of an update check, and then of the download. It shows
// a content the update rules decide, and reports which button was pressed.
#pragma once

#include <QDialog>
#include <cstdint>
#include <map>

#include "rules/update_rules.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace larkspan {

class UpdateWindow : public QDialog {
    Q_OBJECT

public:
    // The check box shows `UpdateForCheck` and stores into it at once.
    UpdateWindow(std::int32_t& UpdateForCheck, QWidget* parent = nullptr);

    // Replaces the status and detail lines and the buttons.
    void showContent(const UpdateWindowContent& content);
    // Every button stops answering, while the program acts on a press.
    void setButtonsEnabled(bool enabled);

    int checkUpdateBtn() const { return checkUpdateBtn_; }
    QLabel* line(int control) const;  // 606 status, 607 detail
    QPushButton* button(int control) const;
    QCheckBox* checkBox() const { return checkBox_; }

signals:
    void buttonPressed(int control);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    QLabel* status_ = nullptr;
    QLabel* detail_ = nullptr;
    QCheckBox* checkBox_ = nullptr;
    std::map<int, QPushButton*> buttons_;
    int checkUpdateBtn_ = 0;
};

}  // namespace larkspan
