// Fuzz target: any bytes pasted into the notch sheet of the high-range or
// mid-range driver (the first byte chooses), then OK, then every view. A
// paste that takes a number a float cannot hold is a finding too.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "every_view.h"
#include "sheets/notch_sheet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace larkspan;
    if (size == 0) return 0;
    Design d;
    d.channel = 3;
    openNotchSheet(d, (data[0] & 1U) != 0 ? 2 : 1);
    NotchSheet sheet(d);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    if (sheet.pasteParameters(text, 1).alert) return 0;

    const NotchWorkingSet& w = d.notchSet;
    for (const float v : {w.SPL, w.FS, w.VAS, w.QTS, w.QES, w.QMS, w.EFI, w.REE, w.LEE, w.VB, w.FC, w.QTC, w.QA})
        fuzz::check(v == 0 || std::isnormal(v), "a pasted value that a float cannot hold was taken");
    if (sheet.ok().closed) fuzz::drawEveryView(d);
    return 0;
}
