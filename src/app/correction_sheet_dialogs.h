// The impedance-correction, SPL and attenuator sheets (windows 6, 8 and 7).
#pragma once

#include "app/sheet_dialog.h"
#include "sheets/attenuator_sheets.h"
#include "sheets/impedance_correction_sheet.h"

namespace larkspan {

class ImpedanceCorrectionDialog : public SheetDialog {
    Q_OBJECT

public:
    ImpedanceCorrectionDialog(QWidget* parent, Design& d, CorrectedDriver driver, Prompts& prompts);
    void pressCalc();

protected:
    SheetOutcome okAction() override;
    SheetOutcome cancelAction() override { return model_.cancel(); }
    void display() override;

private:
    void readFields();
    ImpedanceCorrectionSheet model_;
};

class SplDialog : public SheetDialog {
    Q_OBJECT

public:
    SplDialog(QWidget* parent, Design& d, Prompts& prompts);

protected:
    SheetOutcome okAction() override;
    SheetOutcome cancelAction() override { return model_.cancel(); }
    void display() override;

private:
    SplSheet model_;
    bool threeWay_;
};

class AttenuatorDialog : public SheetDialog {
    Q_OBJECT

public:
    AttenuatorDialog(QWidget* parent, Design& d, AttenuatedDriver driver, Prompts& prompts);
    void pressCalc();

protected:
    SheetOutcome okAction() override;
    SheetOutcome cancelAction() override { return model_.cancel(); }
    void display() override;

private:
    void readFields();
    AttenuatorSheet model_;
};

}  // namespace larkspan
