// The notch parameter sheet (window 9): the driver's and box's parameters of
// the high-range or mid-range notch, pasted or typed, with Abort to remove
// the notch again.
#pragma once

#include "app/sheet_dialog.h"
#include "sheets/notch_sheet.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;

namespace larkspan {

class NotchSheetDialog : public SheetDialog {
    Q_OBJECT

public:
    // The design's working set must already hold the driver (openNotchSheet).
    // `soundCheck` is the preference that lets a paste click.
    NotchSheetDialog(QWidget* parent, Design& d, int soundCheck, Prompts& prompts);

    QRadioButton* rearTypeButton(int id) const;  // 21 "Opened", 22 "Closed"
    QComboBox* qaPopup() const { return qaPopup_; }
    QCheckBox* removeImpIncBox() const { return removeImpInc_; }
    QGroupBox* boxGroup() const { return boxGroup_; }

    void pressAbort();
    // Takes the clipboard's plain text as the parameter text.
    void pressPaste();

protected:
    SheetOutcome okAction() override;
    SheetOutcome cancelAction() override { return model_.cancel(); }
    void display() override;

private:
    void readFields();
    void showRearType();

    NotchSheet model_;
    int soundCheck_;
    QButtonGroup* rearType_ = nullptr;
    QComboBox* qaPopup_ = nullptr;
    QCheckBox* removeImpInc_ = nullptr;
    QGroupBox* boxGroup_ = nullptr;
};

}  // namespace larkspan
