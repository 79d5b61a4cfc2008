#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

#include "lomos/core/coordinates.h"
#include "lomos/ui/frmconfigura.h"
#include "lomos/ui/frmtamano.h"
#include "common/core/labelcheck.h"
#include "common/core/labellist.h"
#include "common/ui/firstsheetpanel.h"
#include "common/ui/form1.h"

class Dialogs;
class DrawingSurface;
class QLabel;
class QLineEdit;
class QToolBar;

namespace lomos {

// The main window of lomos: the two settings fields, the status label, the
// toolbar and the menu that start every command. It also holds the stores
// the commands share: the label list, the font size and the coordinate table.
class frmPrincipal : public QMainWindow {
    Q_OBJECT
public:
    // Makes the surface that "Imprimir" draws on; by default the default
    // printer.
    using PrinterFactory = std::function<std::shared_ptr<DrawingSurface>()>;

    explicit frmPrincipal(Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmPrincipal() override;

    // The commands, as the toolbar and menu start them.
    void Generar();
    void Ver();
    void Imprimir();
    void Configurar();
    void Limpiar();
    void Tamano();        // menu "Tamaño de Fuente"
    void HojaDePrueba();  // menu "Hoja de prueba": the coordinate file's positions
    void Salir();
    // Toolbar button by its index, 1 to 6 from the left; others do nothing.
    void toolbarClicked(int index);

    // Reads the coordinate file into the window's table.
    void LEE_CORD();

    // Prints the test sheet of `table` on the printer and says how it went.
    void printTestSheet(const CoordinateTable& table);

    // The status label's caption, in a size that fits the label.
    void showStatus(const QString& status);

    // The size chosen in frmTamaño.
    void setFontSizeText(const QString& size);

    const labellist::LabelList& lstClasify() const { return m_lstClasify; }
    const QString& txttamanoOnly() const { return m_txttamanoOnly; }
    const CoordinateTable& coordinates() const { return m_coordinates; }
    Form1* form1() const { return m_form1; }
    frmConfigura* configura() const { return m_configura; }
    frmTamano* tamano() const { return m_tamano; }
    FirstSheetPanel* inicio() const { return m_inicio; }

    void setPrinterFactory(PrinterFactory factory) { m_printerFactory = std::move(factory); }
    // What "Salir" runs; by default it ends the application.
    void setExitHandler(std::function<void()> handler) { m_exit = std::move(handler); }

private:
    void buildToolbar();
    void buildMenu();
    void buildClientArea();
    void loadSettings();  // the load step
    labelcheck::Check spineCheck(const QString& face, const FirstSheet& first) const;

    Dialogs& m_dialogs;
    QToolBar* m_toolbar = nullptr;
    QLineEdit* m_txtDir = nullptr;
    QLineEdit* m_txtBase = nullptr;
    QLabel* m_lblEspere = nullptr;
    QLineEdit* m_txttamano = nullptr;
    FirstSheetPanel* m_inicio = nullptr;

    labellist::LabelList m_lstClasify;
    std::vector<qint64> m_cutLabels;  // labels whose call number lost its parts after the sixth
    QString m_txttamanoOnly = QStringLiteral("8");
    CoordinateTable m_coordinates;  // txt0..txt32, txt0x..txt32x

    QPointer<Form1> m_form1;
    QPointer<frmConfigura> m_configura;
    QPointer<frmTamano> m_tamano;
    PrinterFactory m_printerFactory;
    std::function<void()> m_exit;
};

}  // namespace lomos
