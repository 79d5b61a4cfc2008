#include "common/ui/printing/printflows.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

#include "common/core/text/messages.h"
#include "common/paint/pagerecording.h"
#include "common/paint/paintersurface.h"
#include "common/ui/boxes/dialogs.h"
#include "common/ui/frame/overridecursor.h"
#include "common/ui/frame/twips.h"

PrintOutcome printAndTell(Dialogs& dialogs, QWidget* parent, const LabelWalk& walk,
                          DrawingSurface& surface, const FirstSheet& first) {
    PrintOutcome outcome;
    {
        const OverrideCursor wait;
        outcome = printPages(walk, surface, first);
    }
    dialogs.message(parent, messages::title(), printOutcomeMessage(outcome));
    return outcome;
}

CheckAnswer confirmLabels(Dialogs& dialogs, QWidget* parent, const labelcheck::Check& check,
                          DrawingSurface& surface, const QString& goAnyway,
                          std::vector<labelcheck::Finding>& findings) {
    const OverrideCursor wait;  // the boxes show the arrow
    CheckAnswer answer = CheckAnswer::Stop;
    const bool go = checkBeforePrinting(
        check, surface,
        [&](const QString& text) { dialogs.message(parent, messages::title(), text); },
        [&](const std::vector<labelcheck::Finding>& found) {
            const QStringList buttons{goAnyway, messages::review(), messages::cancel()};
            const int pressed = dialogs.choose(parent, messages::title(),
                                               labelcheck::findingsMessage(found), buttons);
            if (buttons.value(pressed) == messages::review()) {
                findings = found;
                answer = CheckAnswer::Review;
            }
            return pressed == 0;
        });
    return go ? CheckAnswer::Go : answer;
}

PrintFlow::PrintFlow(Dialogs& dialogs, QWidget* window, Workbench& workbench,
                     labelprinter::SurfaceFactory printerSurface)
    : m_dialogs(dialogs),
      m_window(window),
      m_workbench(workbench),
      m_printerSurface(std::move(printerSurface)) {}

labelprinter::JobPrinter PrintFlow::jobPrinter() {
    labelprinter::JobPrinter printer =
        labelprinter::forJob(m_dialogs, m_window, m_workbench.program().window.printerDialog,
                             m_printerSurface, m_workbench.settings().stock);
    emit printerUsed();
    return printer;
}

std::unique_ptr<LabelJob> PrintFlow::confirmedJob(
    const jobselection::Choice& choice, const FirstSheet& first, DrawingSurface& surface,
    const std::optional<margincheck::PrintableArea>& area, const QString& goAnyway) {
    std::unique_ptr<LabelJob> job = m_workbench.job(choice);
    std::vector<labelcheck::Finding> findings;
    const labelcheck::Check check =
        area ? margincheck::withPrintableArea(job->check(first), job->printWalk(), first, *area)
             : job->check(first);
    switch (confirmLabels(m_dialogs, m_window, check, surface, goAnyway, findings)) {
        case CheckAnswer::Go:
            return job;
        case CheckAnswer::Review:
            emit reviewAsked(findings, choice);
            break;
        case CheckAnswer::Stop:
            break;
    }
    return nullptr;
}

void PrintFlow::print(const jobselection::Choice& choice, const FirstSheet& first) {
    if (!m_workbench.hasLabels()) return;
    const labelprinter::JobPrinter printer = jobPrinter();
    if (!printer.surface) return;
    const auto job =
        confirmedJob(choice, first, *printer.surface, printer.area, messages::printAnyway());
    if (!job) return;
    PrintOutcome outcome;
    {
        const OverrideCursor wait;
        outcome = printPages(job->printWalk(), *printer.surface, first);
    }
    if (!outcome.printed && labelprinter::available().isEmpty())
        return saveAsPdf(*job, first, outcome.reason);
    m_dialogs.message(m_window, messages::title(), printOutcomeMessage(outcome));
    if (outcome.printed) emit printed(outcome.lastSheet);
}

void PrintFlow::saveAsPdf(const LabelJob& job, const FirstSheet& first, const QString& reason) {
    const int pressed = m_dialogs.choose(
        m_window, messages::title(),
        tr("%1\n\nNo hay ninguna impresora en este equipo. Puede guardar las etiquetas en un "
           "PDF e imprimirlo en otro.")
            .arg(messages::printFailed(reason)),
        {tr("Guardar como PDF…"), messages::cancel()});
    if (pressed != 0) return;
    const QString path =
        m_dialogs.saveFile(m_window, tr("Guardar como PDF"),
                           QDir::home().filePath(tr("etiquetas.pdf")), tr("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    // A stock's paper; the program's own sheet, measured from the page's
    // corner, on A4, as --pdf writes it.
    const std::optional<Stock>& stock = m_workbench.settings().stock;
    PdfSurface pdf(path, stock ? pageSizeOf(*stock) : PdfSurface::pageSize(PdfSurface::Paper::A4));
    const PrintOutcome outcome = printAndTell(m_dialogs, m_window, job.printWalk(), pdf, first);
    if (outcome.printed) emit printed(outcome.lastSheet);
}

void PrintFlow::printTestLabel(const QString& printerName, int degrees) {
    const std::optional<Stock>& stock = m_workbench.settings().stock;
    std::unique_ptr<QPrinter> printer = labelprinter::openNamed(
        printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : printerName);
    if (!stock || !printer) return;
    const labelprinter::JobPrinter job =
        labelprinter::prepare(std::move(printer), m_printerSurface, stock, degrees);
    if (!job.refusal.isEmpty()) return m_dialogs.message(m_window, messages::title(), job.refusal);
    printAndTell(m_dialogs, m_window,
                 testsheet::labelWalk(stock->paperWidthMm / 10, stock->paperHeightMm / 10, stock->name),
                 *job.surface, FirstSheet(1));
}

void PrintFlow::printTestSheet(const std::vector<testsheet::Position>& crosses) {
    const labelprinter::JobPrinter printer = jobPrinter();
    if (!printer.surface) return;
    // What is measured on this sheet is what its correction left.
    if (printAndTell(m_dialogs, m_window, testsheet::walk(crosses), *printer.surface,
                     FirstSheet(m_workbench.grid().places()))
            .printed) {
        labelprinter::keepSheetCorrection(printer.name, printer.correction);
    }
}

std::unique_ptr<PageRecording> previewPagesOf(const std::optional<Stock>& stock) {
    // A stock's paper, or the picture every row of the programs' own sheets
    // was always drawn on.
    if (stock)
        return std::make_unique<PageRecording>(stock->paperWidthMm / 10, stock->paperHeightMm / 10);
    return std::make_unique<PageRecording>(22.04, 31.0);
}

std::vector<QRectF> labelOutlinesCm(const std::optional<Stock>& stock) {
    std::vector<QRectF> outlines;
    for (int p = 0; stock && p < stock->grid().places(); ++p) {
        outlines.emplace_back(stock->labelLeftCm(p), stock->labelTopCm(p),
                              stock->labelWidthMm / 10, stock->labelHeightMm / 10);
    }
    return outlines;
}

void PrintFlow::preview(const jobselection::Choice& choice, const FirstSheet& first) {
    if (!m_workbench.hasLabels()) return;
    const OverrideCursor wait;
    // Checked as it will print: on the label printer, at the printed places,
    // within what it reaches of the stock's paper.
    const std::optional<Stock>& stock = m_workbench.settings().stock;
    std::optional<margincheck::PrintableArea> area;
    if (!labelprinter::available().isEmpty()) area = labelprinter::labelPrinterArea(stock);
    const auto job = confirmedJob(choice, first, m_workbench.checkSurface(), area,
                                  messages::previewAnyway());
    if (!job) return;
    std::unique_ptr<PageRecording> pages = previewPagesOf(stock);
    const int full = previewPages(job->previewWalk(), *pages, first);
    std::vector<QRectF> outlines = labelOutlinesCm(stock);
    PreviewWindow& preview = m_preview.open([this] {
        auto* window = new PreviewWindow(m_window);
        connect(window, &PreviewWindow::printAsked, this, [this] { print(m_previewed, *m_previewedFirst); });
        return window;
    });
    m_previewed = choice;
    m_previewedFirst = first;
    // The band the printer does not reach, on a stock's paper.
    std::optional<QRectF> printable;
    if (area && stock) printable = area->printableCm;
    preview.setPages(std::move(pages), std::move(outlines), printable);
    // The question after each full page, beside the page on view.
    const LabelProgram::Window& texts = m_workbench.program().window;
    for (int page = 0; page < full; ++page) {
        if (!m_dialogs.questionBeside(&preview, texts.continueTitle, texts.continueText,
                                      preview.pageOnScreen())) {
            break;
        }
        preview.showPage(page + 1);
    }
    preview.allowBrowsing();
}
