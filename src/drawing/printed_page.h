// The printed page of the current view and the names and texts around it:
// the orientation rule, the page scale, the print job's name, the snapshot's
// proposed file name and the print error alert.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "drawing/response_view.h"
#include "drawing/response_window_text.h"
#include "model/alert.h"
#include "model/design.h"

namespace larkspan {

enum class PageOrientation { Portrait, Landscape };

// The orientation a view prints in when the user has not chosen one: the
// schematic view landscape, every graph portrait.
PageOrientation printOrientation(const std::string& s_Resp);

// The page format's orientation step: while `PMOrientFlag` is 0 the
// orientation follows the view and the flag is set; once set, the
// orientation (perhaps the user's choice in Page Setup) is left alone.
void MySetupPageFormatForPrinting(std::uint8_t& PMOrientFlag, PageOrientation& orientation, const std::string& s_Resp);

// The page's scale in percent for the printable area of W × H points, with
// the user's scale `GPrintScale` (percent) applied once. The printable area
// is taken at 100 %, so a user scale of 50 % prints the view at half the size
// that fills the page.
double CalcPrintPageScale(const std::string& s_Resp, double W, double H, double GPrintScale);

// `fileName1` with ".xvrdoc" replaced by "_" and the view title; a name
// without that extension gets "_" and the title appended.
std::string printJobName(const std::string& fileName1, const std::string& s_Resp);

// "Larkspan_" + SnapNum + "_" + view title + ".png".
std::string snapshotFileName(int SnapNum, const std::string& s_Resp);

// The print system found no default printer.
inline constexpr int kNoDefaultPrinter = -30872;
// Any other failure of a print run: the printer refused the job, vanished,
// or the output file could not be written.
inline constexpr int kPrintingFailed = -30870;

// The stop alert of a print error: "Error code N" and its explanation.
Alert ReportPMError(int code);

// One printed page in the view's own points: the view as printed and, when
// `when` is given, the date-and-time footer.
void drawPrintedPage(DrawTarget& target, Design& d, ViewState& state, const std::optional<DateTime>& when);

}  // namespace larkspan
