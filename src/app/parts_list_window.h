// The "Parts List" window: one row per part with its ideal and chosen value,
// deviation, stress at the amplifier power and rating; parts whose series
// rating is too low stand out in red.
#pragma once

#include <QDialog>
#include <functional>

#include "network/parts_list.h"

class QDoubleSpinBox;
class QLabel;
class QTableWidget;

namespace larkspan {

class PartsListWindow : public QDialog {
    Q_OBJECT

public:
    // `make` builds the list from the design and preferences of the moment.
    PartsListWindow(QWidget* parent, std::function<PartsList()> make);

    void setStress(const StressSettings& s);
    void setSeriesText(const QString& text);
    // Builds the list again and shows it.
    void refresh();

    QTableWidget* table() const { return table_; }
    QLabel* reasonLabel() const { return reason_; }

signals:
    // The user changed the amplifier power or the nominal impedance.
    void stressChanged(StressSettings s);

private:
    std::function<PartsList()> make_;
    QLabel* series_;
    QDoubleSpinBox* watts_;
    QDoubleSpinBox* ohms_;
    QLabel* volts_;
    QLabel* reason_;
    QTableWidget* table_;
};

}  // namespace larkspan
