#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <functional>
#include <memory>

#include "common/core/program/workbench.h"
#include "common/ui/design/designwindow.h"
#include "common/ui/history/jobswindow.h"
#include "common/ui/frame/firstsheetpanel.h"
#include "common/ui/frame/seams.h"
#include "common/ui/frame/secondarywindow.h"
#include "common/ui/printing/correctionwindow.h"
#include "common/ui/printing/labelprinterwindow.h"
#include "common/ui/printing/printflows.h"
#include "common/ui/review/reviewflow.h"
#include "common/ui/stock/stockflow.h"

class Dialogs;
class QLabel;
class QLineEdit;
class QMenu;

// The frame both main windows share: the two settings fields, the status
// label, where the labels go, the map of the first sheet, and the commands
// both offer, written once ("Generar", "Vista Previa", "Imprimir",
// "Revisar", "Limpiar", "Salir", the test sheet and the printer). What they
// work on is the window's workbench; what the program does with its labels
// comes from its description. Each program's window lays the widgets out
// and adds its own commands.
class MainWindowBase : public QMainWindow {
    Q_OBJECT
public:
    ~MainWindowBase() override;

signals:
    // There are labels to review, or no longer any ("Revisar" follows it).
    void labelsPresent(bool present);
    // Another label design is in use (its size with it).
    void designChanged();

protected:
    // Makes the client area with the shared widgets, unplaced, and fills the
    // fields from the settings file.
    MainWindowBase(const Seams& seams, LabelProgram program, QWidget* parent);

    void generate();    // "Generar"
    void preview();     // "Vista Previa"
    void print();       // "Imprimir"
    void clear();       // "Limpiar"
    void quit();        // "Salir"
    void openReview();  // "Revisar"
    // "Corregir impresora…": the label printer's error, from the test sheet.
    void openPrinterCorrection();
    // "Impresora de etiquetas…": the printer the labels go to, for this user.
    void chooseLabelPrinter();
    // "Trabajos anteriores…": the jobs kept, to find one and print it again.
    void openJobs();
    // "Hoja de etiquetas…": the sheet of labels in the tray, for this user.
    void chooseStock();
    // "Diseño de la etiqueta…": what each label shows and how, for this user.
    void chooseDesign();
    // "Hoja de prueba": a cross at each of `crosses` on the printer
    // "Imprimir" uses; without them, where the program's crosses stand.
    void printTestSheet(const std::vector<testsheet::Position>& crosses);
    void printTestSheet();

    // "Idioma": the language of the next start, for this user.
    void chooseLanguage(const QString& code);
    void buildLanguageMenu();
    // Greys what the machine's administrator locked, saying so.
    void showLocks(QMenu* menu);
    static void lockedByAdministrator(QObject* control, const QString& value);

    // Closes the program's other windows as the user would; false when one
    // stays open.
    virtual bool closeOtherWindows();

    // The menu "Menú": the program's own items, then "Salir" (Ctrl+S).
    // An item of the menu; one without a caption is a separator.
    struct MenuItem {
        QString caption;
        QString name;  // the object name
        QKeySequence shortcut;
        std::function<void()> command;
        bool needsLabels = false;  // enabled only while there are labels
    };
    void buildMenu(const std::vector<MenuItem>& items);

    // The status label's caption, in a size that fits the label.
    void showStatus(const QString& status);

    Dialogs& dialogs() { return m_dialogs; }
    Workbench& workbench() { return *m_workbench; }
    QWidget* client() const { return m_client; }
    QLineEdit* clientDirectoryField() const { return m_clientDirectory; }
    QLineEdit* administrativeBaseField() const { return m_administrativeBase; }
    QLabel* statusLabel() const { return m_status; }
    FirstSheetPanel* firstSheetPanel() const { return m_firstSheet; }

private:
    void showDestination();
    // The other windows showed the sheet that was: they close first.
    void useStock(const std::optional<Stock>& stock);
    QString stockName() const;  // the stock's, or none for the program's own sheet
    // "Imprimir" of the labels `choice` names.
    void printJob(const jobselection::Choice& choice);
    void showFindings(const std::vector<labelcheck::Finding>& findings,
                      const jobselection::Choice& choice);
    // The design the user chose before, if it can be read; why not, if not.
    QString useChosenDesign();
    void useDesign(const design::Design& design, const QString& file);
    // "Abrir": the kept job's labels in the review.
    void openKeptJob(const QString& file);
    // What the history set aside or could not keep, said once; whether
    // there was anything.
    bool tellHistory();

    Dialogs& m_dialogs;
    std::function<void()> m_exit;
    std::unique_ptr<Workbench> m_workbench;
    QWidget* m_client;
    QLineEdit* m_clientDirectory;     // txtDir
    QLineEdit* m_administrativeBase;  // txtBase
    QLabel* m_status;                 // lblEspere
    QLabel* m_destination;            // lblImpresora
    FirstSheetPanel* m_firstSheet;    // txtInicio and picHoja
    std::unique_ptr<ReviewFlow> m_review;
    std::unique_ptr<StockFlow> m_stocks;
    std::unique_ptr<PrintFlow> m_print;
    SecondaryWindow<CorrectionWindow> m_correction;
    SecondaryWindow<LabelPrinterWindow> m_printerWindow;
    SecondaryWindow<DesignWindow> m_designWindow;
    std::shared_ptr<jobhistory::History> m_history;
    SecondaryWindow<JobsWindow> m_jobsWindow;
    QString m_designFile;  // the design in use's, or none
    QString m_generatedStatus;   // lblEspere after "Generar"
    bool m_toldUnsaved = false;  // that the settings could be saved nowhere
};
