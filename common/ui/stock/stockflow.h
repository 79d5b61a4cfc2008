#pragma once

#include <QObject>
#include <optional>

#include "common/core/program/labelprogram.h"
#include "common/ui/frame/secondarywindow.h"
#include "common/ui/stock/stockwindow.h"

class Dialogs;

// "Hoja de etiquetas…" beside a main window: the window that chooses the
// sheet of labels in the tray. The main window takes the choice.
class StockFlow : public QObject {
    Q_OBJECT
public:
    StockFlow(Dialogs& dialogs, const LabelProgram& program, QObject* parent);

    // "Hoja de etiquetas…", showing `current` chosen.
    void open(const std::optional<Stock>& current);
    // Closes the window as the user would.
    bool close() { return m_window.close(); }

signals:
    void chosen(const std::optional<Stock>& stock);

private:
    Dialogs& m_dialogs;
    const LabelProgram& m_program;
    SecondaryWindow<StockWindow> m_window;
};
