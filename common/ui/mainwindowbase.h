#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "common/core/generation.h"
#include "common/core/labelcheck.h"
#include "common/core/review.h"
#include "common/core/sheetflow.h"
#include "common/core/sheetshape.h"
#include "common/core/testsheet.h"
#include "common/ui/correctiondialog.h"
#include "common/ui/firstsheetpanel.h"
#include "common/ui/previewwindow.h"
#include "common/ui/reviewwindow.h"

class Dialogs;
class DrawingSurface;
class QLabel;
class QLineEdit;
class QPrinter;

// What both main windows share: the two settings fields, the status label,
// the map of the first sheet, the preview window, and the commands both
// offer, written once ("Generar", "Vista Previa", "Imprimir", "Limpiar",
// "Salir", the test sheet). Each program's window lays the widgets out and
// says what differs: its labels, its walks, its check.
class MainWindowBase : public QMainWindow {
    Q_OBJECT
public:
    // Makes the surface a job draws on from the printer it goes to; by
    // default that printer itself.
    using PrinterFactory =
        std::function<std::shared_ptr<DrawingSurface>(std::unique_ptr<QPrinter>)>;

    // What tells the two programs apart here.
    struct Traits {
        QString program;  // "lomos", "fichas": names the user's own settings
        SheetShape sheet;
        double statusPoints;    // lblEspere's size, as designed
        bool printerDialog;     // "Imprimir" asks for the printer first
        QString continueTitle;  // the question between preview sheets
        QString continueText;
    };

    ~MainWindowBase() override;

    void generate();  // "Generar"
    void preview();   // "Vista Previa"
    void print();     // "Imprimir"
    void clear();     // "Limpiar"
    void quit();      // "Salir"
    // "Revisar": the list of the job's labels, where they can be left out,
    // copied and edited for this job.
    void openReview();
    // "Corregir impresora…": the label printer's error, from the test sheet.
    void openPrinterCorrection();
    // "Impresora de etiquetas…": the printer the labels go to, for this user.
    void chooseLabelPrinter();

    // The status label's caption, in a size that fits the label.
    void showStatus(const QString& status);

    PreviewWindow* previewWindow() const { return m_preview; }
    ReviewWindow* reviewWindow() const { return m_reviewWindow; }
    CorrectionDialog* correctionDialog() const { return m_correction; }
    const review::Review& labelReview() const { return m_review; }
    FirstSheetPanel* firstSheetPanel() const { return m_firstSheet; }

    void setPrinterFactory(PrinterFactory factory) { m_printerFactory = std::move(factory); }
    // What "Salir" runs at the end; by default it ends the application.
    void setExitHandler(std::function<void()> handler) { m_exit = std::move(handler); }

signals:
    // There are labels to review, or no longer any ("Revisar" follows it).
    void labelsPresent(bool present);

protected:
    // Makes the client area with the shared widgets, unplaced, and fills the
    // fields from the settings file.
    MainWindowBase(Dialogs& dialogs, Traits traits, QWidget* parent);

    // Generates into the program's labels from the print file at the path.
    virtual generation::Generated generateLabels(const QString& printFile) = 0;
    virtual bool hasLabels() const = 0;
    virtual void dropLabels() = 0;
    // The generated labels, as the review reads them.
    virtual std::unique_ptr<review::LabelSource> reviewSource() const = 0;
    // What the walks and the check read from now on: the labels `selection`
    // names, with their copies and edits; every generated label once, as
    // generated, when there is none.
    virtual void selectJob(const jobselection::Selection* selection) = 0;
    // Reads what the walks take from disk each time (lomos: the coordinates).
    virtual void loadPositions() {}
    virtual LabelWalk printWalk() const = 0;
    virtual LabelWalk previewWalk() const = 0;
    virtual labelcheck::Check labelCheck(const FirstSheet& first) const = 0;
    // Where the test sheet's crosses are meant to be, in the printable area.
    virtual std::vector<testsheet::Position> crossPositions() = 0;
    // Closes the program's other windows before "Salir"; false stays open.
    virtual bool closeOtherWindows();

    // The menu "Menú": the program's own items, then "Salir" (Ctrl+S).
    struct MenuItem {
        QString caption;
        QString name;  // the object name
        QKeySequence shortcut;
        std::function<void()> command;
    };
    void buildMenu(const std::vector<MenuItem>& items);

    // Prints a test sheet on the printer "Imprimir" uses.
    void printTestSheetWalk(const LabelWalk& walk);

    Dialogs& dialogs() { return m_dialogs; }
    QWidget* client() const { return m_client; }
    QLineEdit* clientDirectoryField() const { return m_clientDirectory; }
    QLineEdit* administrativeBaseField() const { return m_administrativeBase; }
    QLabel* statusLabel() const { return m_status; }
    QLabel* printerLabel() const { return m_printer; }

private:
    // The printer a job goes to, through the correction kept for it.
    struct JobPrinter {
        std::shared_ptr<DrawingSurface> surface;  // none: the dialog was cancelled
        QString name;
        std::optional<correction::Affine> correction;
    };
    // After the printer dialog when the program asks for one.
    JobPrinter printerForJob();
    // The printer labels go to, where the check measures before a preview.
    std::shared_ptr<DrawingSurface> labelPrinter();
    void showPrinter();
    bool askNextSheet();
    // "Imprimir" of the labels of `selection`.
    void printSelection(const jobselection::Selection& selection);
    // Makes the review's job the one the walks read, and gives it.
    jobselection::Selection selectReviewedJob();
    // When the review holds changes, asks before they go: true when the user
    // keeps them.
    bool reviewKept();
    // Drops the review, once asked; false keeps it (and the labels).
    bool dropReview();
    // After the job or the first sheet changed: places, the check, the count.
    void reviewChanged();
    void showCount();
    void reviewFindings(const std::vector<labelcheck::Finding>& findings,
                        const jobselection::Selection& job);

    Dialogs& m_dialogs;
    const Traits m_traits;
    QWidget* m_client;
    QLineEdit* m_clientDirectory;     // txtDir
    QLineEdit* m_administrativeBase;  // txtBase
    QLabel* m_status;                 // lblEspere
    QLabel* m_printer;                // lblImpresora
    FirstSheetPanel* m_firstSheet;    // txtInicio and picHoja
    QPointer<PreviewWindow> m_preview;
    review::Review m_review;
    std::unique_ptr<review::LabelSource> m_source;
    QPointer<ReviewWindow> m_reviewWindow;
    QPointer<CorrectionDialog> m_correction;
    QString m_generatedStatus;                       // lblEspere after "Generar"
    bool m_toldUnsaved = false;                      // that the settings could be saved nowhere
    std::shared_ptr<DrawingSurface> m_checkPrinter;  // where the review's check measures
    PrinterFactory m_printerFactory;
    std::function<void()> m_exit;
};
