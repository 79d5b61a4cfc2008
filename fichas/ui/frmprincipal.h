#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "fichas/core/fullgeneration.h"
#include "common/core/labelcheck.h"
#include "common/ui/firstsheetpanel.h"
#include "common/ui/form1.h"

class Dialogs;
class DrawingSurface;
class QLabel;
class QLineEdit;
class QPrinter;

namespace fichas {

// The main window of fichas: the heading, the two settings fields, the five
// buttons and the status label. It holds the four label lists that
// generation fills and printing and preview read.
class frmPrincipal : public QMainWindow {
    Q_OBJECT
public:
    // Makes the surface that "Imprimir" draws on from the printer the dialog
    // set up; by default that printer itself.
    using PrinterFactory =
        std::function<std::shared_ptr<DrawingSurface>(std::unique_ptr<QPrinter>)>;

    explicit frmPrincipal(Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmPrincipal() override;

    void cmdGenerar();
    void cmdVer();
    void cmdImprimir();
    void cmdLimpiar();
    void cmdHojaPrueba();  // the test sheet of the 36 places, after the printer dialog
    void Salir();

    // The status label's caption, in a size that fits the label.
    void showStatus(const QString& status);

    const FullGeneration& lists() const { return m_lists; }
    Form1* form1() const { return m_form1; }
    FirstSheetPanel* inicio() const { return m_inicio; }

    void setPrinterFactory(PrinterFactory factory) { m_printerFactory = std::move(factory); }
    void setExitHandler(std::function<void()> handler) { m_exit = std::move(handler); }

private:
    void buildClientArea();
    labelcheck::Check fullCheck(const FirstSheet& first) const;
    // The printer dialog on the default printer; the surface for the printer
    // chosen, or none after Cancel.
    std::shared_ptr<DrawingSurface> choosePrinter();

    Dialogs& m_dialogs;
    QLineEdit* m_txtDir = nullptr;
    QLineEdit* m_txtBase = nullptr;
    QLabel* m_lblEspere = nullptr;
    FirstSheetPanel* m_inicio = nullptr;

    FullGeneration m_lists;  // lstBarras, lstClasify, lstTitulo, lstAutor
    QPointer<Form1> m_form1;
    PrinterFactory m_printerFactory;
    std::function<void()> m_exit;
};

}  // namespace fichas
