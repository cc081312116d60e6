#include "app/build_commands.h"

#include <QFile>
#include <QFileDialog>
#include <QSettings>
#include <algorithm>
#include <cmath>

#include "app/parts_list_window.h"
#include "app/response_view.h"
#include "network/parts_list.h"
#include "network/spice_netlist.h"
#include "synthesis/cofcal.h"

namespace larkspan {

namespace {

constexpr qint64 kOwnListBytes = 8 << 20;

const char* seriesKey(SeriesName s)
{
    switch (s) {
        case SeriesName::Ideal:
            return "Ideal";
        case SeriesName::E6:
            return "E6";
        case SeriesName::E12:
            return "E12";
        case SeriesName::E24:
            return "E24";
        case SeriesName::Own:
            break;
    }
    return "Own";
}

// Menu items 1 to 5 of the Standard Values submenu.
SeriesName seriesOfItem(int item)
{
    constexpr SeriesName kItems[] = {SeriesName::Ideal, SeriesName::E6, SeriesName::E12, SeriesName::E24,
                                     SeriesName::Own};
    return kItems[std::clamp(item, 1, 5) - 1];
}

int itemOfSeries(SeriesName s)
{
    for (int i = 1; i <= 5; ++i)
        if (seriesOfItem(i) == s) return i;
    return 1;
}

double positiveOr(const QVariant& v, double fallback)
{
    bool ok = false;
    const double x = v.toDouble(&ok);
    return ok && std::isfinite(x) && x > 0 ? x : fallback;
}

bool writeText(const QString& path, const std::string& text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return f.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) && f.flush();
}

}  // namespace

BuildCommands::BuildCommands(QWidget* window, Design& design, ResponseView& view, Prompts& prompts,
                             std::function<void()> replot)
    : QObject(window), window_(window), design_(design), view_(view), prompts_(prompts), replot_(std::move(replot))
{
}

PartsListWindow* BuildCommands::partsListWindow() const
{
    return partsList_;
}

void BuildCommands::load()
{
    QSettings store;
    const QString series = store.value(QStringLiteral("BuildSeries"), QStringLiteral("E12")).toString();
    for (const SeriesName s : {SeriesName::Ideal, SeriesName::E6, SeriesName::E12, SeriesName::E24, SeriesName::Own})
        if (series == QLatin1String(seriesKey(s))) prefs_.series = s;
    prefs_.pairs = store.value(QStringLiteral("BuildPairs"), false).toBool();
    prefs_.tolerancePercent = positiveOr(store.value(QStringLiteral("BuildTolerance")), 2);
    prefs_.ownListPath = store.value(QStringLiteral("BuildOwnList")).toString();
    prefs_.showAsBuilt = store.value(QStringLiteral("ShowAsBuilt"), false).toBool();
    prefs_.stress.watts = positiveOr(store.value(QStringLiteral("StressPower")), 100);
    prefs_.stress.nominalOhm = positiveOr(store.value(QStringLiteral("StressNominal")), 8);
    if (prefs_.series == SeriesName::Own && !takeOwnList(prefs_.ownListPath, true)) prefs_.series = SeriesName::E12;
    view_.setAsBuilt(prefs_.showAsBuilt ? std::optional<SeriesChoice>(choice()) : std::nullopt);
}

void BuildCommands::save() const
{
    QSettings store;
    store.setValue(QStringLiteral("BuildSeries"), QString::fromLatin1(seriesKey(prefs_.series)));
    store.setValue(QStringLiteral("BuildPairs"), prefs_.pairs);
    store.setValue(QStringLiteral("BuildTolerance"), prefs_.tolerancePercent);
    store.setValue(QStringLiteral("BuildOwnList"), prefs_.ownListPath);
    store.setValue(QStringLiteral("ShowAsBuilt"), prefs_.showAsBuilt);
    store.setValue(QStringLiteral("StressPower"), prefs_.stress.watts);
    store.setValue(QStringLiteral("StressNominal"), prefs_.stress.nominalOhm);
}

void BuildCommands::showIn(MenuBarState& m) const
{
    m.buildSeriesChecked = itemOfSeries(prefs_.series);
    m.buildPairsChecked = prefs_.pairs;
    m.buildAsBuiltChecked = prefs_.showAsBuilt;
}

SeriesChoice BuildCommands::choice() const
{
    SeriesChoice c;
    c.name = prefs_.series;
    c.pairs = prefs_.pairs;
    c.tolerancePercent = prefs_.tolerancePercent;
    c.own = own_;
    return c;
}

void BuildCommands::run(menu::Command command, int item)
{
    using C = menu::Command;
    switch (command) {
        case C::StandardValues:
            chooseSeries(item);
            break;
        case C::Pairs:
            prefs_.pairs = !prefs_.pairs;
            break;
        case C::ShowAsBuilt:
            prefs_.showAsBuilt = !prefs_.showAsBuilt;
            break;
        case C::PartsList:
            return showPartsList();
        case C::ExportPartsList:
            exportPartsList();
            return;
        case C::ExportNetlist:
            exportNetlist();
            return;
        default:
            return;
    }
    save();
    applyOverlay();
}

void BuildCommands::chooseSeries(int item)
{
    const SeriesName s = seriesOfItem(item);
    if (s == SeriesName::Own) {
        const QString path = QFileDialog::getOpenFileName(window_, QStringLiteral("Own Value List"), QString(),
                                                          QStringLiteral("Value lists (*.txt);;All files (*)"));
        if (path.isEmpty() || !takeOwnList(path, false)) return;
        prefs_.ownListPath = path;
    }
    prefs_.series = s;
}

bool BuildCommands::takeOwnList(const QString& path, bool quiet)
{
    const auto refuse = [&](const QString& why) {
        if (!quiet) prompts_.alert(window_, QStringLiteral("The value list is not used."), why);
        return false;
    };
    QFile f(path);
    if (path.isEmpty() || !f.open(QIODevice::ReadOnly)) return refuse(QStringLiteral("It cannot be read."));
    if (f.size() > kOwnListBytes) return refuse(QStringLiteral("It is larger than 8 MB."));
    const QByteArray bytes = f.readAll();
    auto result = parseOwnList(bytes.toStdString());
    if (!result.list) return refuse(QString::fromStdString(result.error));
    own_ = std::move(*result.list);
    if (!quiet && !own_.notes.empty()) {
        QString notes;
        for (const auto& n : own_.notes) notes += QString::fromStdString(n) + QLatin1Char('\n');
        prompts_.alert(window_, QStringLiteral("The value list was trimmed."), notes.trimmed());
    }
    return true;
}

void BuildCommands::applyOverlay()
{
    view_.setAsBuilt(prefs_.showAsBuilt ? std::optional<SeriesChoice>(choice()) : std::nullopt);
    replot_();
    if (partsList_) partsList_->refresh();
}

Design BuildCommands::computedDesign() const
{
    Design d = design_;
    cofCal(d);
    return d;
}

void BuildCommands::showPartsList()
{
    if (!partsList_) {
        partsList_ =
            new PartsListWindow(window_, [this] { return makePartsList(computedDesign(), choice(), prefs_.stress); });
        connect(partsList_, &PartsListWindow::stressChanged, this, [this](StressSettings s) {
            prefs_.stress = s;
            save();
            partsList_->refresh();
        });
        connect(&view_, &ResponseView::painted, partsList_, [this] {
            if (partsList_->isVisible()) partsList_->refresh();
        });
    }
    partsList_->setStress(prefs_.stress);
    partsList_->setSeriesText(QString::fromStdString(seriesTitle(prefs_.series)) +
                              (prefs_.pairs ? QStringLiteral(", pairs") : QString()));
    partsList_->refresh();
    partsList_->show();
    partsList_->raise();
}

bool BuildCommands::exportPartsList()
{
    const PartsList list = makePartsList(computedDesign(), choice(), prefs_.stress);
    if (!list.reason.empty()) {
        prompts_.alert(window_, QStringLiteral("The parts list is empty."), QString::fromStdString(list.reason));
        return false;
    }
    const QString path = prompts_.savePath(window_, QStringLiteral("Export Parts List"), QStringLiteral("parts.csv"));
    if (path.isEmpty()) return false;
    if (writeText(path, partsListCsv(list))) return true;
    prompts_.alert(window_, QStringLiteral("The parts list was not written."), path);
    return false;
}

bool BuildCommands::exportNetlist()
{
    const Design d = computedDesign();
    auto parts = networkParts(d, CircuitModel::Complete);
    chooseParts(parts, choice());
    const auto built = buildCircuit(d, parts, CircuitModel::Complete);
    const auto net = built.error.empty()
                         ? spiceNetlist(built.circuit, "Larkspan crossover network " + d.fileName1 + ", " +
                                                           seriesTitle(prefs_.series) + " values")
                         : NetlistResult{{}, built.error};
    if (!net.error.empty()) {
        prompts_.alert(window_, QStringLiteral("The netlist is not written."), QString::fromStdString(net.error));
        return false;
    }
    const QString path =
        prompts_.savePath(window_, QStringLiteral("Export SPICE Netlist"), QStringLiteral("crossover.cir"));
    if (path.isEmpty()) return false;
    if (writeText(path, net.deck)) return true;
    prompts_.alert(window_, QStringLiteral("The netlist was not written."), path);
    return false;
}

}  // namespace larkspan
