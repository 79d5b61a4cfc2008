#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "common/core/program/labelprogram.h"
#include "common/ui/printing/correctiondialog.h"
#include "common/ui/frame/firstsheetpanel.h"
#include "common/ui/printing/labelprinter.h"
#include "common/ui/printing/previewwindow.h"
#include "common/ui/printing/printflows.h"
#include "common/ui/review/reviewflow.h"
#include "common/ui/stock/stockflow.h"

class Dialogs;
class QLabel;
class QLineEdit;

// The frame both main windows share: the two settings fields, the status
// label, where the labels go, the map of the first sheet, and the commands
// both offer, written once ("Generar", "Vista Previa", "Imprimir",
// "Revisar", "Limpiar", "Salir", the test sheet and the printer). What the
// program does with its labels comes from its description; each program's
// window lays the widgets out and adds its own commands.
class MainWindowBase : public QMainWindow {
    Q_OBJECT
public:
    ~MainWindowBase() override;

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
    // "Hoja de etiquetas…": the sheet of labels in the tray, for this user.
    void chooseStock();
    // "Hoja de prueba": a cross at each of `crosses` on the printer
    // "Imprimir" uses; without them, where the program's crosses stand.
    void printTestSheet(const std::vector<testsheet::Position>& crosses);
    void printTestSheet();

    // The status label's caption, in a size that fits the label.
    void showStatus(const QString& status);

    // The labels "Generar" built; none before, or after "Limpiar".
    const GeneratedLabels* labels() const { return m_labels.get(); }
    PreviewWindow* previewWindow() const { return m_print->previewWindow(); }
    ReviewWindow* reviewWindow() const { return m_review->window(); }
    CorrectionDialog* correctionDialog() const { return m_correction; }
    StockFlow* stockFlow() const { return m_stocks; }
    const JobSettings& settings() const { return m_settings; }
    FirstSheetPanel* firstSheetPanel() const { return m_firstSheet; }

    void setPrinterFactory(labelprinter::SurfaceFactory factory) {
        m_print->setPrinterFactory(std::move(factory));
    }
    // What "Salir" runs at the end; by default it ends the application.
    void setExitHandler(std::function<void()> handler) { m_exit = std::move(handler); }

signals:
    // There are labels to review, or no longer any ("Revisar" follows it).
    void labelsPresent(bool present);

protected:
    // Makes the client area with the shared widgets, unplaced, and fills the
    // fields from the settings file.
    MainWindowBase(Dialogs& dialogs, const LabelProgram& program, QWidget* parent);

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

    Dialogs& dialogs() { return m_dialogs; }
    JobSettings& jobSettings() { return m_settings; }
    QWidget* client() const { return m_client; }
    QLineEdit* clientDirectoryField() const { return m_clientDirectory; }
    QLineEdit* administrativeBaseField() const { return m_administrativeBase; }
    QLabel* statusLabel() const { return m_status; }
    QLabel* destinationLabel() const { return m_destination; }

private:
    void showDestination();
    void useStock(const std::optional<Stock>& stock);
    QString stockName() const;  // the stock's, or none for the program's own sheet
    // "Imprimir" of a job of the generated labels: `selection`, or every one
    // as generated.
    void printJob(const std::optional<jobselection::Selection>& selection);

    Dialogs& m_dialogs;
    const LabelProgram& m_program;
    JobSettings m_settings;
    QWidget* m_client;
    QLineEdit* m_clientDirectory;     // txtDir
    QLineEdit* m_administrativeBase;  // txtBase
    QLabel* m_status;                 // lblEspere
    QLabel* m_destination;            // lblImpresora
    FirstSheetPanel* m_firstSheet;    // txtInicio and picHoja
    QPointer<CorrectionDialog> m_correction;
    std::unique_ptr<GeneratedLabels> m_labels;
    ReviewFlow* m_review;
    StockFlow* m_stocks;
    PrintFlow* m_print;
    QString m_generatedStatus;   // lblEspere after "Generar"
    bool m_toldUnsaved = false;  // that the settings could be saved nowhere
    std::function<void()> m_exit;
};
