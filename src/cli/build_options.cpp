#include "cli/build_options.h"

#include <cmath>
#include <fstream>
#include <sstream>

namespace larkspan::cli {

namespace {

Failure refusal(const std::string& message)
{
    return {kRefused, "larkspan-cli: " + message};
}

std::optional<double> positiveNumber(const std::string& text)
{
    std::size_t used = 0;
    try {
        const double v = std::stod(text, &used);
        if (used == text.size() && std::isfinite(v) && v > 0) return v;
    } catch (...) {
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Failure> readOwnList(const std::string& file, OwnList& out, std::ostream& err)
{
    constexpr std::streamoff kLimit = 8 << 20;
    std::ifstream in(file, std::ios::binary);
    if (!in) return Failure{kIoError, "larkspan-cli: cannot read '" + file + "': no such file or not readable"};
    in.seekg(0, std::ios::end);
    if (in.tellg() > kLimit) return refusal("--series: '" + file + "' is larger than 8 MB; not a value list");
    in.seekg(0);
    std::ostringstream text;
    text << in.rdbuf();
    auto result = parseOwnList(text.str());
    if (!result.list) return refusal("--series: '" + file + "': " + result.error);
    for (const auto& note : result.list->notes) err << "larkspan-cli: --series: " << note << "\n";
    out = std::move(*result.list);
    return std::nullopt;
}

std::optional<Failure> takeBuildOptions(std::vector<std::string>& args, BuildOptions& out, bool allowStress,
                                        bool allowAsBuilt, std::ostream& err)
{
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool valued =
            a == "--series" || a == "--tolerance" || (allowStress && (a == "--power" || a == "--nominal"));
        if (valued && i + 1 >= args.size()) return refusal(a + " needs a value");
        if (a == "--series") {
            const std::string v = args[++i];
            out.seriesGiven = true;
            if (const auto name = seriesFromKey(v)) {
                out.series.name = *name;
                out.seriesLabel = seriesTitle(*name);
            } else {
                out.series.name = SeriesName::Own;
                out.seriesLabel = v;
                if (auto f = readOwnList(v, out.series.own, err)) return f;
            }
        } else if (a == "--pairs") {
            out.series.pairs = true;
        } else if (a == "--tolerance") {
            const auto v = positiveNumber(args[++i]);
            if (!v || *v >= 100)
                return refusal("--tolerance takes a percentage above 0 and below 100, not '" + args[i] + "'");
            out.series.tolerancePercent = *v;
        } else if (a == "--power" && allowStress) {
            const auto v = positiveNumber(args[++i]);
            if (!v) return refusal("--power takes a positive number of watts, not '" + args[i] + "'");
            out.stress.watts = *v;
        } else if (a == "--nominal" && allowStress) {
            const auto v = positiveNumber(args[++i]);
            if (!v) return refusal("--nominal takes a positive impedance in ohm, not '" + args[i] + "'");
            out.stress.nominalOhm = *v;
        } else if (a == "--as-built" && allowAsBuilt) {
            out.asBuilt = true;
        } else {
            rest.push_back(a);
        }
    }
    if (!out.seriesGiven) out.series.name = SeriesName::E12;
    args = std::move(rest);
    return std::nullopt;
}

}  // namespace larkspan::cli
