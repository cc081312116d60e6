// Page Setup and Print of the response window's current view: one page,
// drawn again into the printer at the page scale of the view.
#pragma once

#include <QPageLayout>
#include <optional>

#include "app/print_shell.h"

namespace larkspan {

class PrintCommands {
public:
    explicit PrintCommands(PrintShell shell);

    // The page setup sheet; GPrintScale takes the scale the user set there.
    void MyDoPageSetup();
    // The print sheet, then the page. Errors end in the print error alert;
    // the menus come back in every case.
    void MyDoPrint();
    // The window's content saved as a PNG file the user names.
    void SnapShot();

    // The page format kept with the response window, from the first Page
    // Setup or Print on.
    const std::optional<QPageLayout>& pageFormat() const { return pageFormat_; }
    // Forgets the page format with the window it belonged to.
    void releasePageFormat() { pageFormat_.reset(); }

private:
    // The page format made ready for the current view: created when there
    // is none, its orientation set by the rule while PMOrientFlag is 0.
    QPageLayout& MySetupPageFormatForPrinting();
    // Draws the page into the printer; 0 or the error code.
    int MyDoPrintLoop(QPrinter& printer);
    // The print error alert; true when the user chose Stop.
    bool ReportPMError(int code);

    PrintShell s_;
    std::optional<QPageLayout> pageFormat_;
};

}  // namespace larkspan
