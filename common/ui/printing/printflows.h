#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

#include "common/core/check/labelcheck.h"
#include "common/core/program/labelprogram.h"
#include "common/core/walks/sheetflow.h"
#include "common/ui/printing/labelprinter.h"
#include "common/ui/printing/previewwindow.h"

class Dialogs;
class FirstSheetPanel;
class ReviewFlow;
class QWidget;

// What "Imprimir", the test sheet and "Vista Previa" show the user around a
// walk, asked through the boxes of `dialogs`.

// Prints the walk on `surface` from the free places of `first`, under a wait
// cursor, then says "Recoja sus impresiones" or why not.
PrintOutcome printAndTell(Dialogs& dialogs, QWidget* parent, const LabelWalk& walk,
                          DrawingSurface& surface, const FirstSheet& first);

// The check before printing, asked through `dialogs`: "No hay ninguna
// etiqueta que imprimir", or the findings with "Imprimir de todos modos",
// "Revisar" (when `review` is given: it gets the findings) and "Cancelar".
// True to go ahead.
bool confirmLabels(Dialogs& dialogs, QWidget* parent, const labelcheck::Check& check,
                   DrawingSurface& surface,
                   const std::function<void(const std::vector<labelcheck::Finding>&)>& review = {});

// "Vista Previa", "Imprimir" and "Hoja de prueba" beside a main window: the
// label printer a job goes to, the check before it, the walk on paper or on
// the preview, and the next start proposed after a print.
class PrintFlow : public QObject {
    Q_OBJECT
public:
    // A child of `mainWindow`, which asks the questions.
    PrintFlow(Dialogs& dialogs, const LabelProgram& program, QWidget* mainWindow,
              ReviewFlow& review, FirstSheetPanel& firstSheet);
    ~PrintFlow() override;  // the preview is a window of its own

    void preview(const GeneratedLabels& labels, const JobSettings& settings);
    // `selection`: the labels to print; none, every one once, as generated.
    void print(const GeneratedLabels& labels, const JobSettings& settings,
               const std::optional<jobselection::Selection>& selection);
    void printTestSheet(const std::vector<testsheet::Position>& crosses,
                        const JobSettings& settings);

    // Where the check measures before a preview and in the review: the label
    // printer, as it will print. Made again after `printerChanged()`.
    DrawingSurface& checkSurface();
    void printerChanged() { m_checkSurface.reset(); }
    void setPrinterFactory(labelprinter::SurfaceFactory factory) {
        m_printerFactory = std::move(factory);
    }
    PreviewWindow* previewWindow() const { return m_preview; }

signals:
    // A job took the label printer, or the default when it had gone.
    void printerUsed();

private:
    labelprinter::JobPrinter jobPrinter(const JobSettings& settings);
    // The job of `selection`, once its check on `surface` found nothing or
    // the user chose to print it anyway; none otherwise.
    std::unique_ptr<LabelJob> confirmedJob(const GeneratedLabels& labels,
                                           const JobSettings& settings,
                                           const std::optional<jobselection::Selection>& selection,
                                           const FirstSheet& first, DrawingSurface& surface);

    Dialogs& m_dialogs;
    const LabelProgram& m_program;
    QWidget* m_window;
    ReviewFlow& m_review;
    FirstSheetPanel& m_firstSheet;
    QPointer<PreviewWindow> m_preview;
    std::shared_ptr<DrawingSurface> m_checkSurface;
    labelprinter::SurfaceFactory m_printerFactory;
};
