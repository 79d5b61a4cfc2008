#pragma once

#include <QMainWindow>
#include <array>

#include "lomos/core/coordinates.h"

class Dialogs;
class QLineEdit;

namespace lomos {

// The coordinate editor: the 33 label positions laid out like the sheet,
// each with its X field and, to its right, its Y field. It works on its own
// copy of the table; only "Guardar" writes the coordinate file.
class CoordinateEditor : public QMainWindow {
    Q_OBJECT
public:
    CoordinateEditor(Dialogs& dialogs, QWidget* mainWindow);

    // The fields as a table, and the other way round.
    CoordinateTable table() const;
    void setTable(const CoordinateTable& table);

    void changeRow(int row);        // cmdFila0, cmdCh1, cmdch2 .. cmdch10
    void changeColumn(int column);  // cmdCambioColumna0 .. 2
    void resetToDefaults();         // "Inicializar Coordenadas"
    void saveAndGoBack();
    void goBack();
    void printTestSheet();  // the test sheet of the values on screen, saved or not

signals:
    void testSheetRequested(const CoordinateTable& table);
    void printerCorrectionRequested();

protected:
    // Values changed since the last save are asked about: Sí saves them, No
    // lets them go, Cancelar keeps the editor open.
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void backToMainWindow();
    bool save();

    CoordinateTable m_saved;  // the table as the file holds it
    Dialogs& m_dialogs;
    QWidget* m_mainWindow;
    std::array<QLineEdit*, kSpineSheet.places()> m_y{};  // txt0 .. txt32
    std::array<QLineEdit*, kSpineSheet.places()> m_x{};  // txt0x .. txt32x
};

}  // namespace lomos
