#include "common/ui/printing/printflows.h"

#include "common/core/text/messages.h"
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
                          DrawingSurface& surface, bool offerReview,
                          std::vector<labelcheck::Finding>& findings) {
    const OverrideCursor wait;  // the boxes show the arrow
    CheckAnswer answer = CheckAnswer::Stop;
    const bool go = checkBeforePrinting(
        check, surface,
        [&](const QString& text) { dialogs.message(parent, messages::title(), text); },
        [&](const std::vector<labelcheck::Finding>& found) {
            QStringList buttons{messages::printAnyway(), messages::cancel()};
            if (offerReview) buttons.insert(1, messages::review());
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

std::unique_ptr<LabelJob> PrintFlow::confirmedJob(const jobselection::Choice& choice,
                                                  const FirstSheet& first,
                                                  DrawingSurface& surface) {
    std::unique_ptr<LabelJob> job = m_workbench.job(choice);
    std::vector<labelcheck::Finding> findings;
    switch (confirmLabels(m_dialogs, m_window, job->check(first), surface, true, findings)) {
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
    if (const auto job = confirmedJob(choice, first, *printer.surface)) {
        const PrintOutcome outcome =
            printAndTell(m_dialogs, m_window, job->printWalk(), *printer.surface, first);
        if (outcome.printed) emit printed(outcome.lastSheet);
    }
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

void PrintFlow::preview(const jobselection::Choice& choice, const FirstSheet& first) {
    if (!m_workbench.hasLabels()) return;
    const OverrideCursor wait;
    // Checked as it will print: on the label printer, at the printed places.
    const auto job = confirmedJob(choice, first, m_workbench.checkSurface());
    if (!job) return;
    PreviewWindow& preview = m_preview.open([this] { return new PreviewWindow(m_window); });
    const LabelProgram::Window& texts = m_workbench.program().window;
    previewPages(job->previewWalk(), preview.picture()->surface(), first, [&] {
        return m_dialogs.question(&preview, texts.continueTitle, texts.continueText);
    });
}
