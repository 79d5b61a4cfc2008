#include "spinewalk.h"

#include <optional>

#include "labellist.h"
#include "number.h"
#include "surface.h"

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
                        const QString& fontSizeText, DrawingSurface& surface,
                        const SpineWalk& walk, int& contador) {
    const std::optional<double> fontSize = parseNumber(fontSizeText);
    contador = 0;
    Position at = positionOf(table, 0);
    qsizetype index = 0;
    while (!labellist::isEndOfList(list, index)) {
        surface.setScaleMode(DrawingSurface::kCentimetres);
        while (index < list.size() && list[index] != labellist::kSeparator) {
            surface.setScaleMode(DrawingSurface::kCentimetres);
            surface.setBold(true);
            surface.setFontName(walk.face);
            if (fontSize) surface.setFontSize(*fontSize);
            if (at.x) surface.setCurrentX(*at.x);
            if (at.y) surface.setCurrentY(*at.y);
            surface.print(list[index].left(SpineWalk::kMaxLineLength).toString());
            if (at.y) *at.y += SpineWalk::kLineStepCm;
            ++index;
        }
        if (index >= list.size()) break;  // a label without its separator ends the list
        ++contador;
        if (contador == SpineWalk::kLabelsPerSheet) {
            contador = 0;
            at = positionOf(table, 0);
            if (walk.sheetFull && !walk.sheetFull(surface)) return WalkEnd::Stopped;
        } else {
            at = positionOf(table, contador);
        }
        ++index;
    }
    return WalkEnd::EndOfList;
}

bool printSpineSheets(const labellist::LabelList& list, const CoordinateTable& table,
                      const QString& fontSizeText, DrawingSurface& surface, int& contador) {
    SpineWalk walk;
    walk.face = kPrinterFace;
    walk.sheetFull = [](DrawingSurface& s) {
        s.newPage();
        return true;
    };
    walkSpineLabels(list, table, fontSizeText, surface, walk, contador);
    const bool ended = surface.endDoc();
    return ended && !surface.deviceFailed();
}
