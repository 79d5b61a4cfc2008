#include "common/ui/printing/printflows.h"

#include "common/core/text/messages.h"
#include "common/paint/paintersurface.h"
#include "common/ui/boxes/dialogs.h"
#include "common/ui/frame/firstsheetpanel.h"
#include "common/ui/frame/overridecursor.h"
#include "common/ui/review/reviewflow.h"
#include "common/ui/frame/twips.h"

PrintOutcome printAndTell(Dialogs& dialogs, QWidget* parent, const LabelWalk& walk,
                          DrawingSurface& surface, const FirstSheet& first) {
    PrintOutcome outcome;
    {
        const OverrideCursor wait;
        outcome = printSheets(walk, surface, first);
    }
    dialogs.message(parent, messages::kTitle, printOutcomeMessage(outcome));
    return outcome;
}

bool confirmLabels(Dialogs& dialogs, QWidget* parent, const labelcheck::Check& check,
                   DrawingSurface& surface,
                   const std::function<void(const std::vector<labelcheck::Finding>&)>& review) {
    const OverrideCursor wait;  // the boxes show the arrow
    return checkBeforePrinting(
        check, surface,
        [&](const QString& text) { dialogs.message(parent, messages::kTitle, text); },
        [&](const std::vector<labelcheck::Finding>& findings) {
            QStringList buttons{messages::kPrintAnyway, messages::kCancel};
            if (review) buttons.insert(1, messages::kReview);
            const QString pressed = buttons.value(dialogs.choose(
                parent, messages::kTitle, labelcheck::findingsMessage(findings), buttons));
            if (pressed == messages::kReview) review(findings);
            return pressed == messages::kPrintAnyway;
        });
}

PrintFlow::PrintFlow(Dialogs& dialogs, const LabelProgram& program, QWidget* mainWindow,
                     ReviewFlow& review, FirstSheetPanel& firstSheet)
    : QObject(mainWindow),
      m_dialogs(dialogs),
      m_program(program),
      m_window(mainWindow),
      m_review(review),
      m_firstSheet(firstSheet),
      m_printerFactory([](std::unique_ptr<QPrinter> printer) {
          return std::make_shared<PrinterSurface>(std::move(printer));
      }) {}

PrintFlow::~PrintFlow() { delete m_preview; }

DrawingSurface& PrintFlow::checkSurface() {
    if (!m_checkSurface) m_checkSurface = m_printerFactory(labelprinter::open().printer);
    return *m_checkSurface;
}

labelprinter::JobPrinter PrintFlow::jobPrinter(const JobSettings& settings) {
    labelprinter::JobPrinter printer = labelprinter::forJob(
        m_dialogs, m_window, m_program.window.printerDialog, m_printerFactory, settings.stock);
    emit printerUsed();
    return printer;
}

std::unique_ptr<LabelJob> PrintFlow::confirmedJob(
    const GeneratedLabels& labels, const JobSettings& settings,
    const std::optional<jobselection::Selection>& selection, const FirstSheet& first,
    DrawingSurface& surface) {
    std::unique_ptr<LabelJob> job = labels.job(selection ? &*selection : nullptr, settings);
    const bool go =
        confirmLabels(m_dialogs, m_window, job->check(first), surface,
                      [&](const auto& findings) { m_review.showFindings(findings, selection); });
    return go ? std::move(job) : nullptr;
}

void PrintFlow::print(const GeneratedLabels& labels, const JobSettings& settings,
                      const std::optional<jobselection::Selection>& selection) {
    const std::optional<FirstSheet> first = m_firstSheet.firstSheet(m_dialogs, m_window);
    if (!first) return;
    const labelprinter::JobPrinter printer = jobPrinter(settings);
    if (!printer.surface) return;
    if (const auto job = confirmedJob(labels, settings, selection, *first, *printer.surface)) {
        const PrintOutcome outcome =
            printAndTell(m_dialogs, m_window, job->printWalk(), *printer.surface, *first);
        if (outcome.printed) m_firstSheet.printed(outcome.lastSheet);
    }
}

void PrintFlow::printTestSheet(const std::vector<testsheet::Position>& crosses,
                               const JobSettings& settings) {
    const labelprinter::JobPrinter printer = jobPrinter(settings);
    if (!printer.surface) return;
    // What is measured on this sheet is what its correction left.
    if (printAndTell(m_dialogs, m_window, testsheet::walk(crosses), *printer.surface,
                     FirstSheet(m_program.shapeOf(settings).places()))
            .printed) {
        labelprinter::keepSheetCorrection(printer.name, printer.correction);
    }
}

void PrintFlow::preview(const GeneratedLabels& labels, const JobSettings& settings) {
    const std::optional<FirstSheet> first = m_firstSheet.firstSheet(m_dialogs, m_window);
    if (!first) return;
    const OverrideCursor wait;
    // Checked as it will print: on the label printer, at the printed places.
    const auto job = confirmedJob(labels, settings, m_review.job(), *first, checkSurface());
    if (!job) return;
    if (!m_preview) m_preview = new PreviewWindow(m_window);
    bringToFront(m_preview);
    previewSheets(job->previewWalk(), m_preview->picture()->surface(), *first, [this] {
        return m_dialogs.question(m_preview, m_program.window.continueTitle,
                                  m_program.window.continueText);
    });
}
