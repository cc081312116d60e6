#include <fstream>

#include "cli/build_options.h"
#include "network/spice_netlist.h"
#include "synthesis/cofcal.h"

namespace larkspan::cli {

int netlistCommand(Design& d, const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> rest = args;
    BuildOptions o;
    if (auto f = takeBuildOptions(rest, o, false, true, err)) return report(*f, err);
    std::string file;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == "--out" && i + 1 < rest.size()) {
            file = rest[++i];
            continue;
        }
        err << "larkspan-cli: netlist takes --as-built [--series S] [--pairs] [--tolerance PCT] and --out FILE, not '"
            << rest[i] << "'\n";
        return kRefused;
    }
    if (!o.asBuilt && (o.seriesGiven || o.series.pairs)) {
        err << "larkspan-cli: netlist: --series and --pairs need --as-built\n";
        return kRefused;
    }
    if (!o.asBuilt) o.series.name = SeriesName::Ideal;
    cofCal(d);
    auto parts = networkParts(d, CircuitModel::Complete);
    chooseParts(parts, o.series);
    const auto built = buildCircuit(d, parts, CircuitModel::Complete);
    const std::string what =
        o.asBuilt ? o.seriesLabel + (o.series.pairs ? " values, pairs" : " values") : "ideal values";
    const auto net = built.error.empty()
                         ? spiceNetlist(built.circuit, "Larkspan crossover network " + d.fileName1 + ", " +
                                                           std::to_string(d.channel) + "-way order " +
                                                           std::to_string(d.order) + " " + d.s_Type + ", " + what)
                         : NetlistResult{{}, built.error};
    if (!net.error.empty()) {
        err << "larkspan-cli: netlist refused: " << net.error << "\n";
        return kRefused;
    }
    if (file.empty()) {
        out << net.deck;
        return kOk;
    }
    std::ofstream f(file, std::ios::binary);
    if (!(f << net.deck) || !(f.flush())) {
        err << "larkspan-cli: cannot write '" << file << "'\n";
        return kIoError;
    }
    return kOk;
}

}  // namespace larkspan::cli
