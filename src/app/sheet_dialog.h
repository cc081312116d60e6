// The frame of every input sheet: a window-modal dialog of fixed size on the
// response window, with numbered controls at fixed places, OK (1, default)
// and Cancel (2), Return/Enter acting as OK and Escape as Cancel. The sheet's
// behaviour lives in a Qt-free model; a subclass only connects the model's
// fields and buttons to these controls and hands back its outcomes.
#pragma once

#include <QDialog>
#include <QString>
#include <algorithm>
#include <map>
#include <string_view>
#include <vector>

#include "app/prompts.h"
#include "model/sheet_outcome.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace larkspan {

class SheetDialog : public QDialog {
    Q_OBJECT

public:
    SheetDialog(QWidget* parent, int windowNumber, QSize size, Prompts& prompts);

    int windowNumber() const { return windowNumber_; }
    // The edit field that last had the keyboard focus.
    int edtFldID() const { return edtFldID_; }

    QLineEdit* field(int id) const;
    QPushButton* button(int id) const;
    QLabel* label(int id) const;

    // The reason shown for a refused entry, "" when none is shown.
    QString refusalShown() const;
    bool isMarkedRefused(const QLineEdit* e) const { return std::ranges::find(refused_, e) != refused_.end(); }

    // Presses OK (also Return and Enter) or Cancel (also Escape).
    void pressOk();
    void pressCancel();

protected:
    // What the buttons do: each returns the model's outcome.
    virtual SheetOutcome okAction() = 0;
    virtual SheetOutcome cancelAction() = 0;
    // Refreshes every field from the model after an outcome.
    virtual void display() = 0;
    // Whether a field's entry is refused unless it is a number above 0.
    virtual bool mustBePositive(int id) const;

    // Carries out an outcome: beeps, the alert over the sheet, a sound, and
    // closes the sheet when the outcome says so (accepted when it redraws).
    void apply(const SheetOutcome& outcome);

    // Controls at (left, top)-(right, bottom) in the sheet's points. A help
    // text may end in "\@" and a placement code: "BL" shows the tag below
    // the control, aligned with its left edge; "LB" to its left, aligned with
    // its bottom.
    QLabel* addLabel(int id, const QRect& r, const QString& text, const QString& help = {}, int pointSize = 13);
    QLineEdit* addField(int id, const QRect& r, const QString& help = {});
    QPushButton* addButton(int id, const QRect& r, const QString& text, const QString& help = {});
    void setHelp(QWidget* w, const QString& helpWithCode);
    // Shows a number from the model in a field. The model writes a number
    // that is not negative with a leading blank, as the value sheet prints
    // it; a field shows the number alone, also when a refused entry is
    // replaced by the value it had.
    void showNumber(int id, std::string_view text);
    void focusField(int id);

    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;  // Escape and the window's close go through Cancel

private:
    void showRefusal(const std::vector<QLineEdit*>& refused);
    void clearRefusal();

    int windowNumber_;
    Prompts& prompts_;
    int edtFldID_ = 0;
    std::map<int, QLineEdit*> fields_;
    std::map<int, QPushButton*> buttons_;
    std::map<int, QLabel*> labels_;
    std::map<QWidget*, QString> placement_;
    std::vector<QLineEdit*> refused_;
    QLabel* reason_ = nullptr;
};

}  // namespace larkspan
