#include "app/printing.h"

#include <QDateTime>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/response_view.h"
#include "app/snapshot.h"
#include "drawing/printed_page.h"
#include "drawing/qt/printed_page_painter.h"
#include "model/resource_folder.h"

namespace larkspan {

namespace {

DateTime now()
{
    const QDateTime t = QDateTime::currentDateTime();
    return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), t.time().second()};
}

// Whether the job has somewhere to go: the code of the failure, or 0. A job
// for no printer and no file is one the print system has no default printer
// for; a printer named but gone is an ordinary failure.
int printerProblem(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) return 0;
    if (printer.printerName().isEmpty())
        return QPrinterInfo::defaultPrinter().isNull() ? kNoDefaultPrinter : kPrintingFailed;
    return QPrinterInfo::printerInfo(printer.printerName()).isNull() ? kPrintingFailed : 0;
}

}  // namespace

PrintCommands::PrintCommands(PrintShell shell) : s_(std::move(shell)) {}

QPageLayout& PrintCommands::MySetupPageFormatForPrinting()
{
    ShellState& shell = *s_.shell;
    const std::string& view = s_.design->s_Resp;
    if (!pageFormat_) pageFormat_ = qt::defaultPageFormat(QPageSize::A4, printOrientation(view));
    PageOrientation orientation = qt::orientationOf(*pageFormat_);
    larkspan::MySetupPageFormatForPrinting(shell.PMOrientFlag, orientation, view);
    pageFormat_->setOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
    return *pageFormat_;
}

void PrintCommands::MyDoPageSetup()
{
    s_.initMenu2();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(MySetupPageFormatForPrinting());
    double scale = s_.shell->GPrintScale;
    if (s_.prompts->pageSetup(s_.window, printer, scale)) {
        pageFormat_ = printer.pageLayout();
        s_.shell->GPrintScale = scale;
    }
    MySetupPageFormatForPrinting();
    s_.initMenu4();
}

void PrintCommands::MyDoPrint()
{
    if (!s_.shell->RespWndOpenFlag) {
        s_.prompts->beep();
        return;
    }
    s_.initMenu2();
    int error = 0;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(MySetupPageFormatForPrinting());
        const QString job = QString::fromStdString(printJobName(s_.design->fileName1, s_.design->s_Resp));
        printer.setDocName(job);
        printer.setCreator(QStringLiteral("Larkspan"));
        printer.setCopyCount(1);
        printer.setFromTo(1, 1);
        // With no printer installed, Qt's print dialog can still write the
        // page as a PDF file: it is offered in the home folder.
        if (QPrinterInfo::availablePrinters().isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QDir::home().filePath(job + QStringLiteral(".pdf")));
        }
        if (s_.prompts->print(s_.window, printer)) {
            pageFormat_ = printer.pageLayout();
            error = printerProblem(printer);
            if (error == 0) error = MyDoPrintLoop(printer);
        }
    }
    const bool stop = error != 0 && ReportPMError(error);
    s_.initMenu4();
    if (stop) s_.stopProgram();
}

int PrintCommands::MyDoPrintLoop(QPrinter& printer)
{
    // The document has one page, so whatever range the user asked for
    // prints that page once.
    Design& d = *s_.design;
    const QSizeF area = qt::adjustedPageSize(printer.pageLayout());
    const double scale = CalcPrintPageScale(d.s_Resp, area.width(), area.height(), s_.shell->GPrintScale);
    const std::optional<DateTime> when =
        s_.shell->prefs.PrintDateCheck == 1 ? std::optional<DateTime>(now()) : std::nullopt;
    ViewState state = s_.view ? s_.view->drawnFrom() : ViewState{};
    const std::string imagesDir = resourceFolder("Images");
    const bool painted = qt::paintPrintedPage(printer, scale, [&](Canvas& canvas) {
        DrawTarget target{canvas, {}, imagesDir};
        drawPrintedPage(target, d, state, when);
    });
    return painted && printer.printerState() != QPrinter::Error ? 0 : kPrintingFailed;
}

bool PrintCommands::ReportPMError(int code)
{
    const Alert alert = larkspan::ReportPMError(code);
    s_.prompts->beep();
    return s_.prompts->stopAlert(s_.window, QString::fromStdString(alert.title),
                                 QString::fromStdString(alert.message)) == Prompts::FileErrorChoice::Stop;
}

void PrintCommands::SnapShot()
{
    larkspan::SnapShot(s_);
}

}  // namespace larkspan
