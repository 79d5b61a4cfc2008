#pragma once

#include <QWidget>
#include <vector>

#include "common/core/correction/correction.h"
#include "common/core/program/workbench.h"
#include "common/core/sheets/labelgrid.h"
#include "common/core/walks/testsheet.h"

class Dialogs;
class QLabel;
class QLineEdit;
class QPushButton;

// "Corregir impresora…" (frmCorregir): the distances of a few crosses of the
// printed test sheet from the paper's edges, as measured with a ruler; from
// them, the printer's error, kept for that printer and taken out of every
// job printed on it.
class CorrectionWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRows = 6;

    // For the sheet in the tray of `workbench`, whose crosses are read when
    // "Calcular" is pressed: the sheet measured was printed from what was
    // saved by then.
    CorrectionWindow(Dialogs& dialogs, const Workbench& workbench);

    // "Calcular": fits the correction and, once the user agrees, keeps it.
    void fitAndKeep();
    // "Quitar corrección".
    void remove();

signals:
    void correctionChanged();

private:
    void showCurrent();

    Dialogs& m_dialogs;
    const Workbench& m_workbench;
    QLabel* m_current;  // lblCorreccion
    QPushButton* m_fit;     // cmdCalcular
    QPushButton* m_remove;  // cmdQuitar
    QLineEdit* m_place[kRows];
    QLineEdit* m_x[kRows];
    QLineEdit* m_y[kRows];
};
