// The Build menu's work: the standard-value preferences, the as-built
// overlay, the Parts List window and the exports of the parts list and the
// SPICE netlist.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

#include "app/menu_table.h"
#include "app/prompts.h"
#include "network/part_stress.h"
#include "network/standard_values.h"
#include "rules/menu_state.h"

class QWidget;

namespace larkspan {

class PartsListWindow;
class ResponseView;

// The Build preferences as the settings store keeps them.
struct BuildPreferences {
    SeriesName series = SeriesName::E12;
    bool pairs = false;
    double tolerancePercent = 2;
    QString ownListPath;
    bool showAsBuilt = false;
    StressSettings stress;
};

class BuildCommands : public QObject {
    Q_OBJECT

public:
    // `replot` draws the response window again.
    BuildCommands(QWidget* window, Design& design, ResponseView& view, Prompts& prompts, std::function<void()> replot);

    // Reads the preferences (an own list that no longer reads falls back to
    // E12) and shows them in the menu state.
    void load();
    void showIn(MenuBarState& m) const;

    // A Build menu command with its item number.
    void run(menu::Command command, int item);

    const BuildPreferences& preferences() const { return prefs_; }
    SeriesChoice choice() const;
    PartsListWindow* partsListWindow() const;

    // Exports, to a file the prompts choose; return whether a file was
    // written (false also when the user cancelled).
    bool exportPartsList();
    bool exportNetlist();

private:
    void save() const;
    void chooseSeries(int item);
    // Reads an own list; a refused file is reported and changes nothing.
    bool takeOwnList(const QString& path, bool quiet);
    void applyOverlay();
    void showPartsList();
    // The design with its network's values computed.
    Design computedDesign() const;

    QWidget* window_;
    Design& design_;
    ResponseView& view_;
    Prompts& prompts_;
    std::function<void()> replot_;
    BuildPreferences prefs_;
    OwnList own_;
    QPointer<PartsListWindow> partsList_;
};

}  // namespace larkspan
