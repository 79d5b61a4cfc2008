#pragma once

#include <QPrinter>
#include <memory>

#include "common/paint/paintersurface.h"
#include "common/ui/frame/seams.h"
#include "recordingsurface.h"
#include "scripteddialogs.h"
#include "windowfinder.h"

// What a test gives a main window from outside: the boxes, answered by the
// test; the surface printing draws on, the printer's own unless the test
// sets one; and "Salir", counted rather than ending the tests.
class TestSeams {
public:
    ScriptedDialogs dialogs;
    labelprinter::SurfaceFactory printer;  // none: the printer itself
    int exits = 0;

    Seams seams() {
        return {dialogs,
                [this](std::unique_ptr<QPrinter> p, int degrees) -> std::shared_ptr<DrawingSurface> {
                    if (printer) return printer(std::move(p), degrees);
                    return std::make_shared<PrinterSurface>(std::move(p), degrees);
                },
                [this] { ++exits; }};
    }
    // From now on printing draws on a recording.
    std::shared_ptr<RecordingSurface> recordPrinting() {
        auto recorded = std::make_shared<RecordingSurface>();
        printer = [recorded](auto, int) { return recorded; };
        return recorded;
    }
};
