#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "common/core/design/design.h"
#include "common/core/walks/surface.h"

// A barcode as a symbol: its bars, in modules (the narrowest bar's width),
// for a walk to draw at the module width it chooses. Encoded by zint.
namespace barcode {

// A bar: where it starts from the symbol's left edge and how wide it is.
using Bar = DrawingSurface::Bar;

struct Symbol {
    std::vector<Bar> bars;
    double widthModules = 0;  // from the first bar's left to the last one's right
    QString text;             // the digits a reader reads below the bars
};

// The light space each side that a scanner needs, in modules.
constexpr double kQuietModules = 10;

struct Encoded {
    std::optional<Symbol> symbol;
    QString problem;  // why the value cannot be drawn so, in plain Spanish
};

// `value` in `symbology`: Code 128; Code 39 without a check character, in
// capitals; Codabar, between the start and stop "A" unless the value brings
// its own.
Encoded encode(design::Symbology symbology, const QString& value);

// "Code 128", as the staff read it in a message.
QString nameOf(design::Symbology symbology);

}  // namespace barcode
