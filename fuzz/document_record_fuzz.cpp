// Fuzz target: any bytes read as a design document, then the design computed
// and swept as the program does after opening it. A crash, a sanitizer report,
// a curve past its point bound, a drawn non-finite point or a record that does
// not survive saving and reopening is a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "corrections/attenuators.h"
#include "corrections/impedance_correction.h"
#include "model/document_record.h"
#include "response/sweeps.h"
#include "synthesis/cofcal.h"

namespace {

void checkCurves(const std::vector<larkspan::Curve>& curves)
{
    for (const auto& c : curves) {
        if (c.points.size() > 1000) std::abort();
        for (std::size_t i = 1; i < c.points.size(); ++i) {
            const auto& p = c.points[i];
            const auto& q = c.points[i - 1];
            if (p.drawn && !(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(q.x) && std::isfinite(q.y)))
                std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace larkspan;
    Design d;
    decodeRecord(std::span<const std::uint8_t>(data, size), d);

    const Record once = encodeRecord(d);
    Design reopened;
    decodeRecord(once, reopened);
    if (encodeRecord(reopened) != once) std::abort();

    CalcDiffAtt(d);
    CalcImpIncAtt(d);
    cofCal(d);
    checkCurves(ampPlot(d));
    checkCurves(impPlot(d));
    checkCurves(phPlot(d));
    return 0;
}
