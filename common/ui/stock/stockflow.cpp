#include "common/ui/stock/stockflow.h"

StockFlow::StockFlow(Dialogs& dialogs, const LabelProgram& program, QObject* parent)
    : QObject(parent), m_dialogs(dialogs), m_program(program) {}

void StockFlow::open(const std::optional<Stock>& current) {
    m_window.open([&] {
        auto* window =
            new StockWindow(m_dialogs, m_program.ownSheetName, m_program.ownGrid, current);
        connect(window, &StockWindow::stockChosen, this, &StockFlow::chosen);
        return window;
    });
}
