#pragma once

#include <QApplication>
#include <functional>
#include <memory>

#include "common/paint/paintersurface.h"
#include "common/paint/labelprinter.h"

class Dialogs;

// What a main window takes from outside: the boxes that ask a person, the
// surface a printer job draws on, and what ends the program after "Salir".
// Tests give their own.
struct Seams {
    Dialogs& dialogs;
    labelprinter::SurfaceFactory printerSurface = [](std::unique_ptr<QPrinter> printer,
                                                     int degrees) {
        return std::make_shared<PrinterSurface>(std::move(printer), degrees);
    };
    std::function<void()> exit = [] { QApplication::exit(0); };
};
