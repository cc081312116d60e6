// Fuzz target: any bytes read as a design document, then every view drawn as
// the program draws it after opening. A crash, a sanitizer report, SVG that
// is not well-formed or holds a non-finite coordinate, or a record that does
// not survive saving and reopening is a finding.
#include <cstddef>
#include <cstdint>
#include <span>

#include "corrections/attenuators.h"
#include "corrections/impedance_correction.h"
#include "every_view.h"
#include "model/document_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace larkspan;
    Design d;
    decodeRecord(std::span<const std::uint8_t>(data, size), d);

    const Record once = encodeRecord(d);
    Design reopened;
    decodeRecord(once, reopened);
    fuzz::check(encodeRecord(reopened) == once, "the record changes when saved again");

    CalcDiffAtt(d);
    CalcImpIncAtt(d);
    fuzz::drawEveryView(d);
    return 0;
}
