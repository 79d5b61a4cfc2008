#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "common/core/labelcheck.h"
#include "common/ui/firstsheetpanel.h"
#include "common/ui/previewwindow.h"
#include "fichas/core/fullgeneration.h"

class Dialogs;
class DrawingSurface;
class QLabel;
class QLineEdit;
class QPrinter;

namespace fichas {

// The main window of fichas: the heading, the two settings fields, the five
// buttons and the status label. It holds the four label lists that
// generation fills and printing and preview read.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Makes the surface that "Imprimir" draws on from the printer the dialog
    // set up; by default that printer itself.
    using PrinterFactory =
        std::function<std::shared_ptr<DrawingSurface>(std::unique_ptr<QPrinter>)>;

    explicit MainWindow(Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    void generate();
    void preview();
    void print();
    void clear();
    void printTestSheet();  // the test sheet of the 36 places, after the printer dialog
    void quit();

    // The status label's caption, in a size that fits the label.
    void showStatus(const QString& status);

    const FullGeneration& labels() const { return m_labels; }
    PreviewWindow* previewWindow() const { return m_preview; }
    FirstSheetPanel* firstSheetPanel() const { return m_firstSheet; }

    void setPrinterFactory(PrinterFactory factory) { m_printerFactory = std::move(factory); }
    void setExitHandler(std::function<void()> handler) { m_exit = std::move(handler); }

private:
    void buildClientArea();
    labelcheck::Check fullCheck(const FirstSheet& first) const;
    // The printer dialog on the default printer; the surface for the printer
    // chosen, or none after Cancel.
    std::shared_ptr<DrawingSurface> choosePrinter();

    Dialogs& m_dialogs;
    QLineEdit* m_clientDirectory = nullptr;
    QLineEdit* m_administrativeBase = nullptr;
    QLabel* m_status = nullptr;
    FirstSheetPanel* m_firstSheet = nullptr;

    FullGeneration m_labels;  // barcodes, callNumberLines, titleLines, authorLines
    QPointer<PreviewWindow> m_preview;
    PrinterFactory m_printerFactory;
    std::function<void()> m_exit;
};

}  // namespace fichas
