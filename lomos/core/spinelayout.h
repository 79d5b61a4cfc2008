#pragma once

#include <QString>
#include <optional>
#include <span>
#include <vector>

#include "common/core/design/design.h"
#include "common/core/sheets/stock.h"
#include "lomos/core/coordinates.h"

// Where a spine label's lines stand: the position's (X, Y), the label's
// rectangle around it, and the design's alignment, placement and spacing.
// The walk and the check place the lines alike.
namespace lomos {

// The lines' spacing the program always printed with.
constexpr double kLineStepCm = 0.3;

// A position and the rectangle of its label, in cm. Unknown where a
// coordinate is not a number.
struct Room {
    std::optional<double> x, y;              // the position
    std::optional<double> left, top;         // the label's edges
    std::optional<double> right, bottom;
    bool lastColumn = false, lastRow = false;  // on the program's own sheet
};

// On a stock, the stock's label. On the program's own sheet, from the
// position to the next column's X and the next row's Y; to the edges of the
// printable area (`areaWidth` by `areaHeight`) past the last ones.
Room roomOf(const CoordinateTable& table, int place, const Stock* stock, double areaWidth,
            double areaHeight);

// How a design draws the lines of a spine label, its size aside (the
// window's "Tamaño de Fuente", which a design's size starts from).
struct SpineLook {
    QString face;
    bool bold = true;
    bool italic = false;
    design::Align align = design::Align::Left;
    design::Vertical vertical = design::Vertical::Top;
    int freeLines = 0;
    std::optional<double> lineStepCm = kLineStepCm;  // none: the face's line spacing

    // Drawn as the program always drew: bold, left, from the top, 0.3 cm apart.
    bool asAlways() const {
        return bold && !italic && align == design::Align::Left &&
               vertical == design::Vertical::Top && freeLines == 0 && lineStepCm == kLineStepCm;
    }
};

// The look of `spine`, in `face` where it names none.
SpineLook lookOf(const design::Spine& spine, const QString& face);

// Where a line `widthCm` wide starts across.
double lineLeft(const SpineLook& look, const Room& room, double widthCm);

// The width a line has in `room` before it passes the label's edge: from the
// position to the right edge, or the whole label for a centred one.
double roomForLine(const SpineLook& look, const Room& room);

// The top and the bottom of `lines` lines placed in `room`.
struct Block {
    double top, bottom;
};
Block blockOf(const SpineLook& look, const Room& room, int lines, double stepCm,
              double lineHeightCm);

}  // namespace lomos
