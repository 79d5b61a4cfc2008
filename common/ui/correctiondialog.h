#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "common/core/correction.h"
#include "common/core/testsheet.h"

class Dialogs;
class QLabel;
class QLineEdit;

// "Corregir impresora…" (frmCorregir): the distances of a few crosses of the
// printed test sheet from the paper's edges, as measured with a ruler; from
// them, the printer's error, kept for that printer and taken out of every
// job printed on it.
class CorrectionDialog : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRows = 6;

    // Where the test sheet's crosses are, and what from, read when
    // "Calcular" is pressed: the sheet measured was printed from what was
    // saved by then.
    struct Crosses {
        std::vector<testsheet::Position> positions;
        correction::Origin origin;
    };
    using CrossesSource = std::function<Crosses()>;

    // `corners`: the places proposed at first.
    CorrectionDialog(Dialogs& dialogs, CrossesSource crosses, const std::vector<int>& corners,
                     QWidget* parent = nullptr);

    // "Calcular": fits the correction and, once the user agrees, keeps it.
    void fitAndKeep();
    // "Quitar corrección".
    void remove();

signals:
    void correctionChanged();

private:
    void showCurrent();

    Dialogs& m_dialogs;
    CrossesSource m_crosses;
    QLabel* m_current;  // lblCorreccion
    QLineEdit* m_place[kRows];
    QLineEdit* m_x[kRows];
    QLineEdit* m_y[kRows];
};
