#include <cmath>
#include <cstdio>
#include <iomanip>

#include "cli/cli.h"
#include "cli/json.h"
#include "corrections/impedance_correction.h"
#include "drawing/value_sheet.h"
#include "model/number_text.h"
#include "model/text_encoding.h"
#include "synthesis/cofcal.h"

namespace larkspan::cli {

namespace {

struct FloatMember {
    const char* name;
    float Design::*value;
};

// The design inputs that lead the JSON object.
constexpr FloatMember kInputs[] = {
    {"FX", &Design::FX},     {"FXL", &Design::FXL},       {"FXH", &Design::FXH},       {"RE", &Design::RE},
    {"RM", &Design::RM},     {"RH", &Design::RH},         {"LE", &Design::LE},         {"LM", &Design::LM},
    {"LH", &Design::LH},     {"LowSPL", &Design::LowSPL}, {"MidSPL", &Design::MidSPL}, {"HigSPL", &Design::HigSPL},
    {"PinH", &Design::PinH}, {"PinM", &Design::PinM},
};

// Values after the components; `pole` is an integer and printed apart.
constexpr FloatMember kDerived[] = {
    {"RAN", &Design::RAN},
};

// Correction and L-pad values after `pole`, with their units; the mid-range
// ones are listed in the readable table of a 3-way design only.
struct CorrectionMember {
    const char* name;
    float Design::*value;
    const char* unit;
    bool midRange;
};

constexpr CorrectionMember kCorrections[] = {
    {"REQL", &Design::REQL, "ohm", false}, {"CEQL", &Design::CEQL, "uF", false},  {"REQM", &Design::REQM, "ohm", true},
    {"CEQM", &Design::CEQM, "uF", true},   {"REQH", &Design::REQH, "ohm", false}, {"CEQH", &Design::CEQH, "uF", false},
    {"AttH", &Design::AttH, "dB", false},  {"AttM", &Design::AttM, "dB", true},   {"RSH", &Design::RSH, "ohm", false},
    {"RPH", &Design::RPH, "ohm", false},   {"PRSH", &Design::PRSH, "W", false},   {"PRPH", &Design::PRPH, "W", false},
    {"RSM", &Design::RSM, "ohm", true},    {"RPM", &Design::RPM, "ohm", true},    {"PRSM", &Design::PRSM, "W", true},
    {"PRPM", &Design::PRPM, "W", true},    {"PRAN", &Design::PRAN, "W", true},    {"RST", &Design::RST, "ohm", true},
    {"PRT", &Design::PRT, "W", true},      {"RNTH", &Design::RNTH, "ohm", false}, {"LNTH", &Design::LNTH, "mH", false},
    {"CNTH", &Design::CNTH, "uF", false},  {"RNTM", &Design::RNTM, "ohm", true},  {"LNTM", &Design::LNTM, "mH", true},
    {"CNTM", &Design::CNTM, "uF", true},
};

// The values as one JSON object. JSON has no NaN or infinity: such a value
// is null, and its name is listed under "nonFinite".
std::string valuesJson(const Design& d, const NetworkUnit* unit)
{
    std::vector<std::string> nonFinite;
    const auto number = [&](const char* name, float v) {
        if (!std::isfinite(v)) nonFinite.push_back(jsonString(name));
        return jsonNumber(v);
    };
    JsonObject o;
    o.add("channel", static_cast<int>(d.channel)).add("order", static_cast<int>(d.order));
    o.addString("s_Type", d.s_Type);
    for (const auto& m : kInputs) o.add(m.name, number(m.name, d.*m.value));
    JsonObject components;
    if (unit)
        for (const auto& c : unit->components) components.add(c.name, number(c.name, d.*c.value));
    o.add("components", components.str());
    for (const auto& m : kDerived) o.add(m.name, number(m.name, d.*m.value));
    o.add("pole", static_cast<int>(d.pole));
    for (const auto& m : kCorrections) o.add(m.name, number(m.name, d.*m.value));

    std::vector<std::string> sheet;
    for (const StaticText& t : valueSheetFields(d, false))
        sheet.push_back(JsonObject().add("id", t.id).addString("text", t.text).str());
    o.add("sheet", jsonArray(sheet));
    if (!nonFinite.empty()) o.add("nonFinite", jsonArray(nonFinite));
    return o.str();
}

}  // namespace

int valuesCommand(Design& d, const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    bool json = false;
    for (const auto& a : args) {
        if (a == "--json") {
            json = true;
        } else {
            err << "larkspan-cli: values takes only --json, not '" << a << "'\n";
            return kRefused;
        }
    }

    // As the schematic view does before it shows the value sheet.
    cofCal(d);
    CalcImpIncAtt(d);
    const NetworkUnit* unit = unitFor(d.channel, d.order);

    if (json) {
        out << valuesJson(d, unit) << "\n";
        return kOk;
    }

    out << "Larkspan design: " << d.channel << "-way, order " << d.order << ", " << printableText(d.s_Type) << "\n";
    const auto row = [&](const char* name, float v, const char* unitText) {
        out << "  " << std::left << std::setw(8) << name << std::right << std::setw(16) << numberToText(v) << " "
            << unitText << "\n";
    };
    if (d.channel == 3) {
        row("FXL", d.FXL, "Hz");
        row("FXH", d.FXH, "Hz");
    } else {
        row("FX", d.FX, "Hz");
    }
    if (!unit) {
        out << "  (no network for this channel and order)\n";
        return kOk;
    }
    for (const auto& c : unit->components) row(c.name, d.*c.value, c.name[0] == 'L' ? "mH" : "uF");
    if (d.channel == 3) row("RAN", d.RAN, "ohm");
    out << "  pole    " << std::setw(16) << d.pole << "\n";
    for (const auto& m : kCorrections)
        if (!m.midRange || d.channel == 3) row(m.name, d.*m.value, m.unit);
    return kOk;
}

}  // namespace larkspan::cli
