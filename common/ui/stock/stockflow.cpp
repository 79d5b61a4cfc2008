#include "common/ui/stock/stockflow.h"

#include "common/core/sheets/stockchoice.h"
#include "common/ui/frame/twips.h"

StockFlow::StockFlow(Dialogs& dialogs, const LabelProgram& program, QObject* parent,
                     std::function<bool()> letGo)
    : QObject(parent), m_dialogs(dialogs), m_program(program), m_letGo(std::move(letGo)) {}

StockFlow::~StockFlow() { delete m_window; }

void StockFlow::open(const std::optional<Stock>& current) {
    if (!m_window) {
        m_window = new StockWindow(m_dialogs, m_program.ownSheetName, m_program.sheet, current);
        connect(m_window, &StockWindow::stockChosen, this, &StockFlow::use);
    }
    bringToFront(m_window);
}

bool StockFlow::use(const std::optional<Stock>& stock) {
    // The coordinate editor may ask before its changes go.
    if (!m_letGo()) return false;
    stockchoice::choose(m_program.name, stock);
    emit chosen(stock);
    return true;
}
