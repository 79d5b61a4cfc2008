#include "lomos/core/spinelayout.h"

#include "common/core/text/number.h"

namespace lomos {

Room roomOf(const CoordinateTable& table, int place, const Stock* stock, double areaWidth,
            double areaHeight) {
    Room room;
    room.x = parseNumber(table.x[size_t(place)]);
    room.y = parseNumber(table.y[size_t(place)]);
    if (stock) {
        room.left = stock->labelLeftCm(place);
        room.top = stock->labelTopCm(place);
        room.right = *room.left + stock->labelWidthMm / 10;
        room.bottom = *room.top + stock->labelHeightMm / 10;
        return room;
    }
    room.left = room.x;
    room.top = room.y;
    room.lastColumn = kSpineSheet.inLastColumn(place);
    room.lastRow = kSpineSheet.inLastRow(place);
    room.right = room.lastColumn ? areaWidth : parseNumber(table.x[size_t(place + 1)]);
    room.bottom = room.lastRow ? areaHeight
                               : parseNumber(table.y[size_t(place + kSpineSheet.columns)]);
    return room;
}

SpineLook lookOf(const design::Spine& spine, const QString& face) {
    SpineLook look;
    look.face = spine.face.name.value_or(face);
    look.bold = spine.face.bold.value_or(true);
    look.italic = spine.face.italic.value_or(false);
    look.align = spine.align;
    look.vertical = spine.vertical;
    look.freeLines = spine.freeLines;
    if (spine.faceLineSpacing) look.lineStepCm.reset();
    else if (spine.lineStepCm) look.lineStepCm = spine.lineStepCm;
    return look;
}

Block blockOf(const SpineLook& look, const Room& room, int lines, double stepCm,
              double lineHeightCm) {
    const double height = double(look.freeLines + lines - 1) * stepCm + lineHeightCm;
    double top = *room.y;
    if (look.vertical == design::Vertical::Centre) {
        top = (*room.top + *room.bottom - height) / 2;
    } else if (look.vertical == design::Vertical::Bottom) {
        // As far from the bottom edge as the position is from the top one.
        top = *room.bottom - (*room.y - *room.top) - height;
    }
    return {top, top + height};
}

double lineLeft(const SpineLook& look, const Room& room, double widthCm) {
    if (look.align == design::Align::Centre) return (*room.left + *room.right - widthCm) / 2;
    // Each line ends as far from the right edge as a left one starts from
    // the left edge.
    if (look.align == design::Align::Right) return *room.right - (*room.x - *room.left) - widthCm;
    return *room.x;
}

double roomForLine(const SpineLook& look, const Room& room) {
    if (look.align == design::Align::Centre) return *room.right - *room.left;
    return *room.right - *room.x;
}

}  // namespace lomos
