#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

#include "common/core/labelcheck.h"
#include "common/core/labellist.h"
#include "common/ui/firstsheetpanel.h"
#include "common/ui/previewwindow.h"
#include "lomos/core/coordinates.h"
#include "lomos/ui/coordinateeditor.h"
#include "lomos/ui/fontsizedialog.h"

class Dialogs;
class DrawingSurface;
class QLabel;
class QLineEdit;
class QToolBar;

namespace lomos {

// The main window of lomos: the two settings fields, the status label, the
// toolbar and the menu that start every command. It also holds the stores
// the commands share: the label list, the font size and the coordinate table.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Makes the surface that "Imprimir" draws on; by default the default
    // printer.
    using PrinterFactory = std::function<std::shared_ptr<DrawingSurface>()>;

    explicit MainWindow(Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The commands, as the toolbar and menu start them.
    void generate();
    void preview();
    void print();
    void openCoordinateEditor();
    void clear();
    void openFontSizeDialog();  // menu "Tamaño de Fuente"
    void printTestSheet();      // menu "Hoja de prueba": the coordinate file's positions
    void quit();
    // Toolbar button by its index, 1 to 6 from the left; others do nothing.
    void runToolbarButton(int index);

    // Reads the coordinate file into the window's table.
    void readCoordinates();

    // Prints the test sheet of `table` on the printer and says how it went.
    void printTestSheetOf(const CoordinateTable& table);

    // The status label's caption, in a size that fits the label.
    void showStatus(const QString& status);

    // The size chosen in frmTamaño.
    void setFontSizeText(const QString& size);

    const labellist::LabelList& callNumberLines() const { return m_callNumberLines; }
    const QString& fontSizeText() const { return m_fontSizeText; }
    const CoordinateTable& coordinates() const { return m_coordinates; }
    PreviewWindow* previewWindow() const { return m_preview; }
    CoordinateEditor* coordinateEditor() const { return m_editor; }
    FontSizeDialog* fontSizeDialog() const { return m_fontSizeDialog; }
    FirstSheetPanel* firstSheetPanel() const { return m_firstSheet; }

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
    QLineEdit* m_clientDirectory = nullptr;
    QLineEdit* m_administrativeBase = nullptr;
    QLabel* m_status = nullptr;
    QLineEdit* m_fontSizeNote = nullptr;
    FirstSheetPanel* m_firstSheet = nullptr;

    labellist::LabelList m_callNumberLines;
    std::vector<qint64> m_cutLabels;  // labels whose call number lost its parts after the sixth
    QString m_fontSizeText = QStringLiteral("8");
    CoordinateTable m_coordinates;  // txt0..txt32, txt0x..txt32x

    QPointer<PreviewWindow> m_preview;
    QPointer<CoordinateEditor> m_editor;
    QPointer<FontSizeDialog> m_fontSizeDialog;
    PrinterFactory m_printerFactory;
    std::function<void()> m_exit;
};

}  // namespace lomos
