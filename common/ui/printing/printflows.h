#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "common/core/check/labelcheck.h"
#include "common/core/program/workbench.h"
#include "common/core/walks/pageflow.h"
#include "common/ui/frame/secondarywindow.h"
#include "common/paint/labelprinter.h"
#include "common/ui/printing/labelprinterwindow.h"
#include "common/ui/printing/previewwindow.h"

class Dialogs;
class QWidget;

// What "Imprimir", the test sheet and "Vista Previa" show the user around a
// walk, asked through the boxes of `dialogs`.

// Prints the walk on `surface` from the free places of `first`, under a wait
// cursor, then says "Recoja sus impresiones" or why not.
PrintOutcome printAndTell(Dialogs& dialogs, QWidget* parent, const LabelWalk& walk,
                          DrawingSurface& surface, const FirstSheet& first);

// The page a preview draws on: a stock's paper, or the program's own sheet.
std::unique_ptr<PageRecording> previewPagesOf(const std::optional<Stock>& stock);
// The outlines of a stock's labels, in cm from the paper's corner; none on
// the program's own sheet.
std::vector<QRectF> labelOutlinesCm(const std::optional<Stock>& stock);

// What the user chose when the check found something.
enum class CheckAnswer { Go, Stop, Review };

// The check before printing, asked through `dialogs`: "No hay ninguna
// etiqueta que imprimir", or the findings with `goAnyway` ("Imprimir de todos
// modos"), "Revisar" and "Cancelar"; on "Revisar", the findings.
CheckAnswer confirmLabels(Dialogs& dialogs, QWidget* parent, const labelcheck::Check& check,
                          DrawingSurface& surface, const QString& goAnyway,
                          std::vector<labelcheck::Finding>& findings);

// "Vista Previa", "Imprimir" and "Hoja de prueba" beside a main window: the
// label printer a job goes to, the check before it, and the walk on paper or
// on the preview.
class PrintFlow : public QObject {
    Q_OBJECT
public:
    // `window` asks the questions; jobs are made from `workbench`.
    PrintFlow(Dialogs& dialogs, QWidget* window, Workbench& workbench,
              labelprinter::SurfaceFactory printerSurface);

    void preview(const jobselection::Choice& choice, const FirstSheet& first);
    void print(const jobselection::Choice& choice, const FirstSheet& first);
    void printTestSheet(const std::vector<testsheet::Position>& crosses);
    // One label of a roll stock on `printer` (empty: the default one), its
    // page turned by `degrees`: how the printer feeds its labels.
    void printTestLabel(const QString& printer, int degrees);

    PreviewWindow* previewWindow() const { return m_preview.get(); }

signals:
    // A job took the label printer, or the default when it had gone.
    void printerUsed();
    // A print ended well on `lastSheet`: where the next job can start.
    void printed(const FirstSheet& lastSheet);
    // The user asked to see what the check found on that job.
    void reviewAsked(const std::vector<labelcheck::Finding>& findings,
                     const jobselection::Choice& choice);

private:
    labelprinter::JobPrinter jobPrinter();
    // With no printer at all, after `reason` stopped the job: the job into
    // a PDF, when the user wants one.
    void saveAsPdf(const LabelJob& job, const FirstSheet& first, const QString& reason);
    // The job of `choice`, once its check on `surface`, and against what the
    // printer reaches of its paper, found nothing or the user chose to go
    // on; none otherwise.
    std::unique_ptr<LabelJob> confirmedJob(const jobselection::Choice& choice,
                                           const FirstSheet& first, DrawingSurface& surface,
                                           const std::optional<margincheck::PrintableArea>& area,
                                           const QString& goAnyway);

    Dialogs& m_dialogs;
    QWidget* m_window;
    Workbench& m_workbench;
    labelprinter::SurfaceFactory m_printerSurface;
    SecondaryWindow<PreviewWindow> m_preview;
    // What the preview shows, for its "Imprimir".
    jobselection::Choice m_previewed;
    std::optional<FirstSheet> m_previewedFirst;
};
