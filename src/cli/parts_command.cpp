#include <iomanip>
#include <sstream>

#include "cli/build_options.h"
#include "cli/json.h"
#include "network/parts_list.h"
#include "synthesis/cofcal.h"

namespace larkspan::cli {

namespace {

std::string peakJson(const Peak& p)
{
    return JsonObject().add("value", p.value).add("atHz", p.atHz).str();
}

std::string chosenJson(const Choice& c)
{
    if (c.values.size() != 2) return jsonNumber(c.values.at(0));
    return JsonObject()
        .add("values", jsonArray({jsonNumber(c.values[0]), jsonNumber(c.values[1])}))
        .addString("join", c.parallel ? "parallel" : "series")
        .add("total", c.total)
        .str();
}

void writeJson(std::ostream& out, const PartsList& list, const BuildOptions& o)
{
    std::vector<std::string> rows;
    for (const auto& r : list.rows) {
        rows.push_back(JsonObject()
                           .addString("name", r.part.name)
                           .addString("kind", kindLetter(r.part.kind))
                           .add("ideal", r.part.ideal)
                           .add("chosen", chosenJson(r.part.chosen))
                           .add("deviationPercent", r.part.chosen.deviationPercent)
                           .add("vrms", peakJson(r.stress.vrms))
                           .add("irms", peakJson(r.stress.irms))
                           .add("watts", peakJson(r.stress.watts))
                           .add("rating", r.rating.value)
                           .addString("ratingUnit", r.rating.unit)
                           .addBool("ratingOk", r.rating.ok)
                           .str());
    }
    JsonObject o2;
    o2.addString("series", o.seriesLabel)
        .addBool("pairs", o.series.pairs)
        .add("tolerancePercent", o.series.tolerancePercent)
        .add("power", o.stress.watts)
        .add("nominal", o.stress.nominalOhm)
        .add("inputVolts", o.stress.inputVolts())
        .add("parts", jsonArray(rows));
    if (!list.reason.empty()) o2.addString("reason", list.reason);
    out << o2.str() << "\n";
}

std::string figures(double v)
{
    std::ostringstream s;
    s << std::setprecision(4) << v;
    return s.str();
}

std::string chosenText(const Choice& c)
{
    if (c.values.size() != 2) return figures(c.values.at(0));
    return figures(c.values[0]) + (c.parallel ? " || " : " + ") + figures(c.values[1]);
}

void writeTable(std::ostream& out, const PartsList& list, const BuildOptions& o)
{
    out << "parts as built with " << o.seriesLabel << (o.series.pairs ? " (pairs)" : "") << ", stress at "
        << o.stress.watts << " W into " << o.stress.nominalOhm << " ohm (" << std::fixed << std::setprecision(1)
        << o.stress.inputVolts() << " V)\n";
    out << std::left << std::setw(6) << "name" << std::setw(12) << "ideal" << std::setw(16) << "chosen" << std::setw(9)
        << "dev %" << std::setw(9) << "Vrms" << std::setw(9) << "Irms" << std::setw(9) << "W"
        << "rating\n";
    for (const auto& r : list.rows) {
        out << std::setw(6) << r.part.name << std::setw(12) << figures(r.part.ideal) << std::setw(16)
            << chosenText(r.part.chosen) << std::setw(9) << std::setprecision(2) << r.part.chosen.deviationPercent
            << std::setw(9) << std::setprecision(1) << r.stress.vrms.value << std::setw(9) << std::setprecision(2)
            << r.stress.irms.value << std::setw(9) << std::setprecision(1) << r.stress.watts.value
            << std::setprecision(0) << r.rating.value << " " << r.rating.unit << (r.rating.ok ? "" : " (too low)")
            << "\n";
    }
}

}  // namespace

int partsCommand(Design& d, const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> rest = args;
    BuildOptions o;
    if (auto f = takeBuildOptions(rest, o, true, false, err)) return report(*f, err);
    std::string format = "table";
    for (const auto& a : rest) {
        if (a != "--json" && a != "--csv") {
            err << "larkspan-cli: parts takes --series, --pairs, --tolerance, --power, --nominal and --json or "
                   "--csv, not '"
                << a << "'\n";
            return kRefused;
        }
        format = a.substr(2);
    }
    cofCal(d);
    const PartsList list = makePartsList(d, o.series, o.stress);
    if (!list.reason.empty()) err << "larkspan-cli: no parts list: " << list.reason << "\n";
    if (format == "json")
        writeJson(out, list, o);
    else if (format == "csv")
        out << partsListCsv(list);
    else
        writeTable(out, list, o);
    return kOk;
}

}  // namespace larkspan::cli
