#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "common/core/sheets/stock.h"
#include "common/paint/labelprinter.h"

class Dialogs;
class QComboBox;
class QLabel;
class QPushButton;

namespace labelprinter {

// The label printer for a job, after the printer dialog when `askFirst`;
// the user is told when the chosen one has gone, and why a printer cannot
// take the job. On a stock the job takes the stock's paper, put back after
// the dialog, and its positions are measured from the paper's corner.
JobPrinter forJob(Dialogs& dialogs, QWidget* parent, bool askFirst,
                  const SurfaceFactory& makeSurface, const std::optional<Stock>& stock);

}  // namespace labelprinter

// "Impresora de etiquetas…" (frmImpresora): the printer the labels go to
// and, for a printer that feeds its labels turned, how much to turn the page
// (cboGiro), tried on one label ("Imprimir una etiqueta de prueba") before
// it is kept with "Aceptar".
class LabelPrinterWindow : public QWidget {
    Q_OBJECT
public:
    // Prints one label of the stock in the tray on the printer and turn
    // shown, before they are kept.
    using TestPrint = std::function<void(const QString& printer, int degrees)>;

    LabelPrinterWindow(const std::optional<Stock>& stock, TestPrint testPrint);

signals:
    // "Aceptar" kept a printer and its turn.
    void chosen();

private:
    // The printer shown: empty for the default one.
    QString printerShown() const;
    int degreesShown() const;
    void showRotationOf(const QString& printer);
    void accept();

    QComboBox* m_printer;   // cboImpresora
    QComboBox* m_rotation;  // cboGiro
    QPushButton* m_test;    // cmdPrueba
    TestPrint m_testPrint;
};
