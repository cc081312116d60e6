// The Preferences window: four switches that take effect at once and are
// stored when the program quits.
#pragma once

#include <QDialog>

#include "model/preferences.h"

class QCheckBox;

namespace larkspan {

class PreferencesDialog : public QDialog {
    Q_OBJECT

public:
    PreferencesDialog(Preferences& prefs, QWidget* parent = nullptr);

    QCheckBox* checkBox(int control) const;

protected:
    void moveEvent(QMoveEvent* event) override;

private:
    Preferences& prefs_;
    QCheckBox* boxes_[4] = {};
};

}  // namespace larkspan
