#include "SOLO_CLASIF/core/spinewalk.h"

#include <optional>

#include "common/core/number.h"
#include "common/core/surface.h"

namespace lomos {
namespace {

// A coordinate that is not a number stays so; adding to it changes nothing.
using Coordinate = std::optional<double>;

struct Position {
    Coordinate x;
    Coordinate y;
};

Position positionOf(const CoordinateTable& table, int p) {
    return {parseNumber(table.x[p]), parseNumber(table.y[p])};
}

}  // namespace

WalkEnd walkSpineLabels(const labellist::LabelList& list, const CoordinateTable& table,
                        const QString& fontSizeText, const QString& face, DrawingSurface& surface,
                        const SheetFull& sheetFull) {
    const std::optional<double> fontSize = parseNumber(fontSizeText);
    int contador = 0;  // labels already placed on this sheet
    Position at = positionOf(table, 0);
    qsizetype index = 0;
    while (!labellist::isEndOfList(list, index)) {
        surface.setScaleMode(DrawingSurface::kCentimetres);
        while (index < list.size() && !list.isSeparator(index)) {
            surface.setScaleMode(DrawingSurface::kCentimetres);
            surface.setBold(true);
            surface.setFontName(face);
            if (fontSize) surface.setFontSize(*fontSize);
            if (at.x) surface.setCurrentX(*at.x);
            if (at.y) surface.setCurrentY(*at.y);
            surface.print(list.at(index).left(kMaxLineLength));
            if (at.y) *at.y += kLineStepCm;
            ++index;
        }
        if (index >= list.size()) break;  // a label without its separator ends the list
        ++contador;
        if (contador == kLabelsPerSheet) {
            contador = 0;
            at = positionOf(table, 0);
            if (sheetFull && !sheetFull(surface)) return WalkEnd::Stopped;
        } else {
            at = positionOf(table, contador);
        }
        ++index;
    }
    return WalkEnd::EndOfList;
}

LabelWalk spineWalk(const labellist::LabelList& list, const CoordinateTable& table,
                    const QString& fontSizeText, const QString& face) {
    return
        [&list, &table, fontSizeText, face](DrawingSurface& surface, const SheetFull& sheetFull) {
            return walkSpineLabels(list, table, fontSizeText, face, surface, sheetFull);
        };
}

}  // namespace lomos
