// The two crossover-frequency sheets (windows 4 and 5).
#pragma once

#include "app/sheet_dialog.h"
#include "sheets/frequency_sheets.h"

namespace larkspan {

class FrequencySheet2WayDialog : public SheetDialog {
    Q_OBJECT

public:
    FrequencySheet2WayDialog(QWidget* parent, Design& d, Prompts& prompts);

protected:
    SheetOutcome okAction() override;
    SheetOutcome cancelAction() override { return model_.cancel(); }
    void display() override;

private:
    FrequencySheet2Way model_;
};

class FrequencySheet3WayDialog : public SheetDialog {
    Q_OBJECT

public:
    FrequencySheet3WayDialog(QWidget* parent, Design& d, Prompts& prompts);

protected:
    SheetOutcome okAction() override;
    SheetOutcome cancelAction() override { return model_.cancel(); }
    void display() override;

private:
    FrequencySheet3Way model_;
};

}  // namespace larkspan
