#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "common/core/program/labelprogram.h"
#include "common/ui/stock/stockwindow.h"

class Dialogs;

// "Hoja de etiquetas…" beside a main window: the window that chooses the
// sheet of labels in the tray, and the choice, kept for this user and this
// program once the main window has let its other windows go.
class StockFlow : public QObject {
    Q_OBJECT
public:
    // `letGo` closes the windows that show the sheet that was; false when
    // one stays open.
    StockFlow(Dialogs& dialogs, const LabelProgram& program, QObject* parent,
              std::function<bool()> letGo);
    ~StockFlow() override;  // the window is one of its own

    // "Hoja de etiquetas…", showing `current` chosen.
    void open(const std::optional<Stock>& current);
    // Prints on `stock` from now on (none: the program's own sheet); false
    // when a window stayed open and nothing changed.
    bool use(const std::optional<Stock>& stock);
    StockWindow* window() const { return m_window; }

signals:
    void chosen(const std::optional<Stock>& stock);

private:
    Dialogs& m_dialogs;
    const LabelProgram& m_program;
    std::function<bool()> m_letGo;
    QPointer<StockWindow> m_window;
};
