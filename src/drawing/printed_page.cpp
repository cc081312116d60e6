#include "drawing/printed_page.h"

#include <cmath>

#include "model/number_text.h"

namespace larkspan {

PageOrientation printOrientation(const std::string& s_Resp)
{
    return s_Resp == "schema" ? PageOrientation::Landscape : PageOrientation::Portrait;
}

void MySetupPageFormatForPrinting(std::uint8_t& PMOrientFlag, PageOrientation& orientation, const std::string& s_Resp)
{
    if (PMOrientFlag != 0) return;
    PMOrientFlag = 1;
    orientation = printOrientation(s_Resp);
}

double CalcPrintPageScale(const std::string& s_Resp, double W, double H, double GPrintScale)
{
    double base = 0;
    if (s_Resp == "schema") {
        // Ties go to the even neighbour, as the rounding of the page setup does.
        if (W / H > 1.35)
            base = std::nearbyint(0.1777251 * H + 0.753555);
        else
            base = std::nearbyint((0.1258389 * W - 1.34396) * 1.025);
    } else if (H > W) {
        base = 102.5 * (1.0087193876e-13 * W * W + 0.0017889308287 * W + 3.4395623905e-8);
    } else {
        base = 71.5 * (-9.503963872e-14 * H * H + 0.0017889086477 * H - 3.2402136307e-8);
    }
    return base * GPrintScale / 100;
}

std::string printJobName(const std::string& fileName1, const std::string& s_Resp)
{
    const std::string ext = ".xvrdoc";
    const std::string replacement = "_" + SetResponseTitle(s_Resp);
    std::string name;
    bool replaced = false;
    for (std::size_t at = 0; at < fileName1.size();) {
        if (fileName1.compare(at, ext.size(), ext) == 0) {
            name += replacement;
            at += ext.size();
            replaced = true;
        } else {
            name += fileName1[at++];
        }
    }
    return replaced ? name : name + replacement;
}

std::string snapshotFileName(int SnapNum, const std::string& s_Resp)
{
    return "Larkspan_" + std::to_string(SnapNum) + "_" + SetResponseTitle(s_Resp) + ".png";
}

Alert ReportPMError(int code)
{
    return {"Error code " + numberToText(code),
            code == kNoDefaultPrinter ? "No default printer specified" : "Printing error"};
}

void drawPrintedPage(DrawTarget& target, Design& d, ViewState& state, const std::optional<DateTime>& when)
{
    ResponsePrint(target, d, state);
    if (when) DrawDateTime(target.canvas, d, *when);
}

}  // namespace larkspan
