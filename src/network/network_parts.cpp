#include "network/network_parts.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "synthesis/cofcal.h"

namespace larkspan {

namespace {

// One section of a ladder: a part in series along the branch or in shunt
// from the current node to ground. The kind is the name's first letter.
struct Step {
    const char* name;
    bool shunt;
};
using Ladder = std::vector<Step>;

constexpr bool S = false;  // series
constexpr bool P = true;   // shunt

// The low-pass and high-pass ladders of each order, the same in a 2-way and
// a 3-way network.
const Ladder& lowPass(int order)
{
    static const std::vector<Ladder> ladders{
        {{"LL1", S}},
        {{"LL1", S}, {"CL1", P}},
        {{"LL1", S}, {"CL1", P}, {"LL2", S}},
        {{"LL1", S}, {"CL1", P}, {"LL2", S}, {"CL2", P}},
    };
    return ladders[static_cast<std::size_t>(order - 1)];
}

const Ladder& highPass(int order)
{
    static const std::vector<Ladder> ladders{
        {{"CH1", S}},
        {{"CH1", S}, {"LH1", P}},
        {{"CH1", S}, {"LH1", P}, {"CH2", S}},
        {{"CH1", S}, {"LH1", P}, {"CH2", S}, {"LH2", P}},
    };
    return ladders[static_cast<std::size_t>(order - 1)];
}

// The 3-way band-pass ladders; RAN follows each.
const Ladder& bandPass(int order)
{
    static const std::vector<Ladder> ladders{
        {{"LM1", S}, {"CM1", S}},
        {{"CM1", S}, {"LM1", P}, {"LM2", S}, {"CM2", P}},
        {{"CM1", S}, {"LM1", P}, {"CM2", S}, {"LM2", S}, {"CM3", P}, {"LM3", S}},
        {{"CM1", S}, {"LM1", P}, {"CM2", S}, {"LM2", P}, {"LM3", S}, {"CM3", P}, {"LM4", S}, {"CM4", P}},
    };
    return ladders[static_cast<std::size_t>(order - 1)];
}

PartKind kindOf(const std::string& name);

// A stored single-precision value as the double of its shortest decimal
// text, so that lists show 1.4691226 rather than 1.4691226482391357.
double displayValue(float v)
{
    if (!std::isfinite(v)) return v;
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf - 1, v);
    *r.ptr = '\0';
    return std::strtod(buf, nullptr);
}

NetworkPart idealPart(const char* name, float value)
{
    const double v = displayValue(value);
    return {name, kindOf(name), v, {{v}, false, v, 0}};
}

PartKind kindOf(const std::string& name)
{
    return name[0] == 'L' ? PartKind::L : name[0] == 'C' ? PartKind::C : PartKind::R;
}

// What follows a branch's crossover sections when the model is complete.
struct DriverSide {
    const char* branch;
    const char* node;
    const char* lpad[2];  // series, shunt; null when the branch has none
    float Design::*lpadValue[2];
    const char* zobel[2];
    float Design::*zobelValue[2];
    const char* notch[3];
    float Design::*notchValue[3];
    const char* driver[2];  // resistance, inductance
    float Design::*driverValue[2];
};

const DriverSide kLow{"Lo",
                      "lo",
                      {nullptr, nullptr},
                      {nullptr, nullptr},
                      {"REQL", "CEQL"},
                      {&Design::REQL, &Design::CEQL},
                      {nullptr, nullptr, nullptr},
                      {nullptr, nullptr, nullptr},
                      {"RE", "LE"},
                      {&Design::RE, &Design::LE}};
const DriverSide kMid{"Mid",
                      "mid",
                      {"RSM", "RPM"},
                      {&Design::RSM, &Design::RPM},
                      {"REQM", "CEQM"},
                      {&Design::REQM, &Design::CEQM},
                      {"RNTM", "LNTM", "CNTM"},
                      {&Design::RNTM, &Design::LNTM, &Design::CNTM},
                      {"RM", "LM"},
                      {&Design::RM, &Design::LM}};
const DriverSide kHigh{"Hi",
                       "hi",
                       {"RSH", "RPH"},
                       {&Design::RSH, &Design::RPH},
                       {"REQH", "CEQH"},
                       {&Design::REQH, &Design::CEQH},
                       {"RNTH", "LNTH", "CNTH"},
                       {&Design::RNTH, &Design::LNTH, &Design::CNTH},
                       {"RH", "LH"},
                       {&Design::RH, &Design::LH}};

bool removedCorrection(const Design& d, const DriverSide& side)
{
    return (&side == &kHigh && d.HigRemvImpInc == 1) || (&side == &kMid && d.MidRemvImpInc == 1);
}

// The optional groups in force: an L-pad when its attenuation is not 0, a
// correction unless removed, a notch when all three values are set.
bool lpadInForce(const Design& d, const DriverSide& s)
{
    return s.lpad[0] && d.*s.lpadValue[0] != 0 && d.*s.lpadValue[1] != 0;
}
bool notchInForce(const Design& d, const DriverSide& s)
{
    return s.notch[0] && d.*s.notchValue[0] != 0 && d.*s.notchValue[1] != 0 && d.*s.notchValue[2] != 0;
}

void addSide(const Design& d, const DriverSide& s, std::vector<NetworkPart>& out)
{
    const auto add = [&](const char* name, float value) { out.push_back(idealPart(name, value)); };
    if (lpadInForce(d, s))
        for (int i = 0; i < 2; ++i) add(s.lpad[i], d.*s.lpadValue[i]);
    if (!removedCorrection(d, s))
        for (int i = 0; i < 2; ++i) add(s.zobel[i], d.*s.zobelValue[i]);
    if (notchInForce(d, s))
        for (int i = 0; i < 3; ++i) add(s.notch[i], d.*s.notchValue[i]);
}

const NetworkPart* findPart(const std::vector<NetworkPart>& parts, const std::string& name)
{
    for (const auto& p : parts)
        if (p.name == name) return &p;
    return nullptr;
}

bool usable(double v)
{
    return std::isfinite(v) && v > 0;
}

// Builds one branch node by node.
class BranchBuilder {
public:
    BranchBuilder(const char* name, const char* outNode, int sign)
    {
        b_.name = name;
        b_.sign = sign;
        b_.nodes = {"0", "in"};
        prefix_ = outNode;
    }

    // A chosen part in series from the current node to a new one.
    void series(const NetworkPart& p)
    {
        const int end = newNode();
        across(p, current_, end);
        current_ = end;
    }

    void shunt(const NetworkPart& p) { across(p, current_, 0); }

    // A leg of parts in series from the current node to ground.
    void leg(const std::vector<const NetworkPart*>& parts)
    {
        int at = current_;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const int end = i + 1 == parts.size() ? 0 : newNode();
            across(*parts[i], at, end);
            at = end;
        }
    }

    void driver(const char* rName, double r, const char* lName, double l)
    {
        if (l > 0) {
            const int vc = newNode();
            place(rName, PartKind::R, current_, vc, r, true);
            place(lName, PartKind::L, vc, 0, l, true);
        } else {
            place(rName, PartKind::R, current_, 0, r, true);
        }
    }

    CircuitBranch finish()
    {
        // The driver's hot terminal takes the branch's name; the other nodes
        // are numbered along the branch.
        b_.out = driverNode_;
        int n = 0;
        for (std::size_t i = 2; i < b_.nodes.size(); ++i)
            b_.nodes[i] = static_cast<int>(i) == driverNode_ ? prefix_ : prefix_ + std::to_string(++n);
        return b_;
    }

    void markDriverNode() { driverNode_ = current_; }

private:
    int newNode()
    {
        b_.nodes.emplace_back();
        return static_cast<int>(b_.nodes.size()) - 1;
    }

    void place(std::string name, PartKind kind, int a, int b, double value, bool driver = false)
    {
        b_.parts.push_back({std::move(name), kind, a, b, value, driver});
    }

    // Places p between a and b: one part, or two in parallel, or two in
    // series through a new node.
    void across(const NetworkPart& p, int a, int b)
    {
        if (p.chosen.values.size() == 2) {
            if (p.chosen.parallel) {
                place(p.name + "A", p.kind, a, b, p.chosen.values[0]);
                place(p.name + "B", p.kind, a, b, p.chosen.values[1]);
            } else {
                const int mid = newNode();
                place(p.name + "A", p.kind, a, mid, p.chosen.values[0]);
                place(p.name + "B", p.kind, mid, b, p.chosen.values[1]);
            }
            return;
        }
        place(p.name, p.kind, a, b, p.chosen.values.empty() ? p.ideal : p.chosen.values[0]);
    }

    CircuitBranch b_;
    std::string prefix_;
    int current_ = 1;
    int driverNode_ = -1;
};

int signOf(const Design& d, const char* branch)
{
    const std::string b = branch;
    if (d.channel == 2 && d.order == 2 && b == "Hi") return -1;
    if (d.channel == 2 && d.order == 3 && b == "Lo") return d.pole;
    if (d.channel == 3 && d.order == 2 && b == "Mid") return -1;
    if (d.channel == 3 && d.order == 3 && b == "Mid") return d.pole;
    return 1;
}

}  // namespace

std::vector<NetworkPart> networkParts(const Design& d, CircuitModel model)
{
    std::vector<NetworkPart> parts;
    if (!unitFor(d.channel, d.order)) return parts;
    const auto addLadder = [&](const Ladder& ladder) {
        for (const auto& step : ladder) {
            float value = 0;
            for (const auto& c : unitFor(d.channel, d.order)->components)
                if (std::string(c.name) == step.name) value = d.*c.value;
            parts.push_back(idealPart(step.name, value));
        }
    };
    const bool complete = model == CircuitModel::Complete;
    addLadder(lowPass(d.order));
    if (complete) addSide(d, kLow, parts);
    if (d.channel == 3) {
        addLadder(bandPass(d.order));
        parts.push_back(idealPart("RAN", d.RAN));
        if (complete) addSide(d, kMid, parts);
    }
    addLadder(highPass(d.order));
    if (complete) addSide(d, kHigh, parts);
    return parts;
}

std::string unbuildableReason(const Design& d, const std::vector<NetworkPart>& parts)
{
    if (!unitFor(d.channel, d.order)) return "the design has no network for these ways and order";
    for (const auto& p : parts) {
        if (!usable(p.ideal)) return p.name + " is not a finite positive value";
        for (const double v : p.chosen.values)
            if (!usable(v)) return p.name + " has no usable chosen value";
    }
    const std::vector<std::pair<const char*, float>> drivers{{"RE", d.RE}, {"RM", d.RM}, {"RH", d.RH}};
    for (const auto& [name, value] : drivers)
        if (!usable(value)) return std::string("the driver resistance ") + name + " is not a finite positive value";
    for (const auto& [name, value] : {std::pair{"LE", d.LE}, std::pair{"LM", d.LM}, std::pair{"LH", d.LH}})
        if (!std::isfinite(value) || value < 0)
            return std::string("the voice-coil inductance ") + name + " is not usable";
    return {};
}

BuiltCircuit buildCircuit(const Design& d, const std::vector<NetworkPart>& parts, CircuitModel model)
{
    BuiltCircuit out;
    out.error = unbuildableReason(d, parts);
    if (!out.error.empty()) return out;
    const bool complete = model == CircuitModel::Complete;

    const auto part = [&](const char* name) -> const NetworkPart* { return findPart(parts, name); };
    const auto buildSide = [&](const Ladder& ladder, const DriverSide& side, bool mid) {
        BranchBuilder b(side.branch, side.node, signOf(d, side.branch));
        for (const auto& step : ladder) {
            const NetworkPart* p = part(step.name);
            if (!p) continue;
            if (step.shunt)
                b.shunt(*p);
            else
                b.series(*p);
        }
        if (mid)
            if (const auto* ran = part("RAN")) b.series(*ran);
        if (complete && side.lpad[0])
            if (const auto* rs = part(side.lpad[0]), *rp = part(side.lpad[1]); rs && rp) {
                b.series(*rs);
                b.shunt(*rp);
            }
        b.markDriverNode();
        if (complete) {
            if (const auto* r = part(side.zobel[0]), *c = part(side.zobel[1]); r && c) b.leg({r, c});
            if (side.notch[0])
                if (const auto* r = part(side.notch[0]), *l = part(side.notch[1]), *c = part(side.notch[2]);
                    r && l && c)
                    b.leg({r, l, c});
        }
        b.driver(side.driver[0], d.*side.driverValue[0], side.driver[1],
                 complete ? static_cast<double>(d.*side.driverValue[1]) : 0.0);
        return b.finish();
    };
    out.circuit.branches.push_back(buildSide(lowPass(d.order), kLow, false));
    if (d.channel == 3) out.circuit.branches.push_back(buildSide(bandPass(d.order), kMid, true));
    out.circuit.branches.push_back(buildSide(highPass(d.order), kHigh, false));
    return out;
}

}  // namespace larkspan
