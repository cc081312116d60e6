#include "network/spice_netlist.h"

#include <cmath>
#include <iomanip>
#include <sstream>

namespace larkspan {

NetlistResult spiceNetlist(const Circuit& circuit, const std::string& title)
{
    std::ostringstream deck;
    deck << std::setprecision(9);
    std::string line = title;
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    deck << "* " << line << "\n";
    deck << "* drivers as D.C. resistance and voice-coil inductance; node lo, mid, hi: each driver's hot terminal\n";
    std::string prints;
    for (const auto& b : circuit.branches) {
        const std::string& out = b.nodes[static_cast<std::size_t>(b.out)];
        if (b.sign < 0) deck << "* the " << out << " driver is connected in reverse polarity\n";
        prints += " vdb(" + out + ")";
    }
    deck << "V1 in 0 DC 0 AC 1\n";
    for (const auto& b : circuit.branches) {
        for (const auto& p : b.parts) {
            const double si = siValue(p);
            if (!std::isfinite(si) || si <= 0)
                return {{}, p.name + " has no finite positive value; the netlist is not written"};
            deck << p.name << " " << b.nodes[static_cast<std::size_t>(p.a)] << " "
                 << b.nodes[static_cast<std::size_t>(p.b)] << " " << si << "\n";
        }
    }
    deck << ".ac dec 100 10 100k\n";
    deck << ".print ac" << prints << "\n";
    deck << ".end\n";
    return {deck.str(), {}};
}

}  // namespace larkspan
