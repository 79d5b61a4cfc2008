#pragma once

#include "common/ui/frame/mainwindowbase.h"

namespace fichas {

// The main window of fichas: the heading, the settings fields, the buttons
// and the status label. Its "Imprimir" and test sheet ask for the printer.
class MainWindow : public MainWindowBase {
    Q_OBJECT
public:
    explicit MainWindow(const Seams& seams, QWidget* parent = nullptr);

private:
    void layOut();
};

}  // namespace fichas
