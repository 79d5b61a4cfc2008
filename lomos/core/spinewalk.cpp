#include "lomos/core/spinewalk.h"

#include <optional>

#include "common/core/text/number.h"
#include "common/core/walks/surface.h"

namespace lomos {
namespace {

// A coordinate that is not a number stays so; adding to it changes nothing.
using Coordinate = std::optional<double>;

struct Position {
    Coordinate x;
    Coordinate y;
};

Position positionOf(const CoordinateTable& table, int p) {
    if (p >= table.positions()) return {};
    return {parseNumber(table.x[size_t(p)]), parseNumber(table.y[size_t(p)])};
}

}  // namespace

WalkEnd walkSpineLabels(const labellist::LabelList& list, const CoordinateTable& table,
                        const QString& fontSizeText, const QString& face, DrawingSurface& surface,
                        const PageFull& pageFull, PlaceCursor& places) {
    const std::optional<double> fontSize = parseNumber(fontSizeText);
    WalkEnd walkEnd = WalkEnd::EndOfList;
    forEachSpineLabel(list, [&](qsizetype first, qsizetype end, bool closed) {
        Position at = positionOf(table, places.place());
        for (qsizetype index = first; index < end; ++index) {
            surface.setScaleMode(DrawingSurface::kCentimetres);
            surface.setBold(true);
            surface.setFontName(face);
            if (fontSize) surface.setFontSize(*fontSize);
            if (at.x) surface.setCurrentX(*at.x);
            if (at.y) surface.setCurrentY(*at.y);
            surface.print(list.at(index).left(kMaxLineLength));
            if (at.y) *at.y += kLineStepCm;
        }
        if (!closed) return false;
        if (places.take() && pageFull && !pageFull(surface)) {
            walkEnd = WalkEnd::Stopped;
            return false;
        }
        return true;
    });
    return walkEnd;
}

LabelWalk spineWalk(std::shared_ptr<const labellist::LabelList> list, CoordinateTable table,
                    const QString& fontSizeText, const QString& face) {
    return [list = std::move(list), table = std::move(table), fontSizeText, face](
               DrawingSurface& surface, const PageFull& pageFull, PlaceCursor& places) {
        return walkSpineLabels(*list, table, fontSizeText, face, surface, pageFull, places);
    };
}

}  // namespace lomos
