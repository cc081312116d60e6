// A mode for the screenshot script: once the new design is shown, the program
// opens one sheet, view or menu, prints where to capture it on standard
// output, and waits to be ended.
#pragma once

#include <QString>

namespace larkspan {

class MainWindow;

// `what` is one of
//   sheet:NAME       an input sheet (frequency-2way, frequency-3way, impedance,
//                    spl-2way, spl-3way, attenuator, notch, notch-mid)
//   view:WAYS:KEY    a view of a WAYS-way design (KEY as the view's s_Resp:
//                    amp, imp, ph, gd, nq, st, schema, HigCorrImp, MidCorrImp)
//   menu:WAYS:TITLE[:ORDER]  the menu of that title opened from the menu
//                    bar, of a design of that order when one is given
//   case:NAME        left-edge-schematic, maximized (a 3-way design),
//                    empty (after Close), refusal (a refused entry in the
//                    frequency sheet), page-setup (over the schematic) and
//                    print (over the amplitude view)
//   update:STATE     the update window: newer, current, failed or downloaded
// and the line printed is "larkspan: window 0x..." for a sheet or view and
// "larkspan: area X Y W H" (screen pixels) for a menu, or a case's sheet, with
// its window.
// Returns false, after printing why, for a `what` it does not know.
bool startScreenshotMode(MainWindow& window, const QString& what);

}  // namespace larkspan
