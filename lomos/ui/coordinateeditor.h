#pragma once

#include <QIcon>
#include <QMainWindow>
#include <optional>
#include <vector>

#include "lomos/core/coordinates.h"

class Dialogs;
class QLabel;
class QLineEdit;

namespace lomos {

// The coordinate editor: the label positions laid out like the sheet, each
// with its X field and, to its right, its Y field. It works on its own copy
// of the table; only "Guardar" writes the coordinate file. The program's own
// sheet has the window it was designed with; a stock, a grid of its rows and
// columns, and the inset its labels' text starts at (txtMargen).
class CoordinateEditor : public QMainWindow {
    Q_OBJECT
public:
    CoordinateEditor(Dialogs& dialogs, QWidget* mainWindow, std::optional<Stock> stock);

    // The fields as a table, and the other way round.
    CoordinateTable table() const;
    void setTable(const CoordinateTable& table);

    void changeRow(int row);        // cmdFila0, cmdCh1, cmdch2 .. cmdch10
    void changeColumn(int column);  // cmdCambioColumna0 .. 2
    // "Inicializar Coordenadas"; on a stock, its labels' corners and the
    // inset typed in txtMargen.
    void resetToDefaults();
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
    void layOutOwnSheet(QWidget* client);
    void layOutStock(QWidget* client);
    void load();
    void backToMainWindow();
    bool save();
    void watch(QLineEdit* field);
    void showWhetherNumber(QLineEdit* field);
    std::optional<QString> firstNotANumber(QLineEdit*& field) const;
    // Whether a position of `cm` in that field lies where the label printer
    // does not print.
    bool outsideReach(const QLineEdit* field, double cm) const;
    // lblBanda: what the label printer does not reach of the paper.
    QLabel* bandCaption(QWidget* client) const;
    std::optional<QString> askNumber(const QString& prompt);

    Dialogs& m_dialogs;
    QWidget* m_mainWindow;
    std::optional<Stock> m_stock;  // none: the program's own sheet
    std::optional<QRectF> m_reach;  // what the label printer prints of a stock's paper
    LabelGrid m_grid;
    CoordinateTable m_saved;       // the table as the file holds it
    std::vector<QLineEdit*> m_y;   // txt0 .. txt32
    std::vector<QLineEdit*> m_x;   // txt0x .. txt32x
    QLineEdit* m_inset = nullptr;  // txtMargen
    QLabel* m_hint = nullptr;      // lblAviso: no coordinates saved yet
    QIcon m_warningIcon;           // beside a field that is no number
};

}  // namespace lomos
