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

// Lines as they were always drawn: in bold `look.face`, 0.3 cm apart from
// the position's (X, Y), or from where the last line left off when they
// are not numbers.
void drawAsAlways(const labellist::LabelList& list, qsizetype first, qsizetype end, Position at,
                  const SpineDrawing& drawing, std::optional<double> fontSize,
                  DrawingSurface& surface) {
    for (qsizetype index = first; index < end; ++index) {
        surface.setScaleMode(DrawingSurface::kCentimetres);
        surface.setBold(drawing.look.bold);
        surface.setItalic(drawing.look.italic);
        surface.setFontName(drawing.look.face);
        if (fontSize) surface.setFontSize(*fontSize);
        if (at.x) surface.setCurrentX(*at.x);
        if (at.y) surface.setCurrentY(*at.y);
        surface.print(list.at(index).left(kMaxLineLength));
        if (at.y) *at.y += kLineStepCm;
    }
}

// Lines where the design places them in the label at `place`; false when
// its position or its label's edges are not numbers.
bool drawDesigned(const labellist::LabelList& list, qsizetype first, qsizetype end, int place,
                  const CoordinateTable& table, const SpineDrawing& drawing,
                  std::optional<double> fontSize, DrawingSurface& surface) {
    if (place >= table.positions()) return false;
    const Room room = roomOf(table, place, drawing.stock ? &*drawing.stock : nullptr,
                             surface.areaWidthCm(), surface.areaHeightCm());
    if (!room.x || !room.y || !room.left || !room.top || !room.right || !room.bottom) return false;
    surface.setScaleMode(DrawingSurface::kCentimetres);
    surface.setBold(drawing.look.bold);
    surface.setItalic(drawing.look.italic);
    surface.setFontName(drawing.look.face);
    if (fontSize) surface.setFontSize(*fontSize);
    QStringList lines;
    std::vector<double> widths;
    for (qsizetype index = first; index < end; ++index) {
        lines.append(list.at(index).left(kMaxLineLength));
        widths.push_back(surface.textWidthCm(lines.back()));
    }
    const double lineHeight = surface.lineHeightCm();
    const std::vector<LineStart> starts = placeLines(
        drawing.look, room, widths, drawing.look.lineStepCm.value_or(lineHeight), lineHeight);
    for (qsizetype k = 0; k < lines.size(); ++k) {
        surface.setCurrentX(starts[size_t(k)].x);
        surface.setCurrentY(starts[size_t(k)].y);
        surface.print(lines[k]);
    }
    return true;
}

}  // namespace

WalkEnd walkSpineLabels(const labellist::LabelList& list, const CoordinateTable& table,
                        const SpineDrawing& drawing, DrawingSurface& surface,
                        const PageFull& pageFull, PlaceCursor& places) {
    const std::optional<double> fontSize = parseNumber(drawing.fontSizeText);
    const bool asAlways = drawing.look.asAlways();
    WalkEnd walkEnd = WalkEnd::EndOfList;
    forEachSpineLabel(list, [&](qsizetype first, qsizetype end, bool closed) {
        const int place = places.place();
        if (asAlways || !drawDesigned(list, first, end, place, table, drawing, fontSize, surface))
            drawAsAlways(list, first, end, positionOf(table, place), drawing, fontSize, surface);
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
                    SpineDrawing drawing) {
    return [list = std::move(list), table = std::move(table), drawing = std::move(drawing)](
               DrawingSurface& surface, const PageFull& pageFull, PlaceCursor& places) {
        return walkSpineLabels(*list, table, drawing, surface, pageFull, places);
    };
}

}  // namespace lomos
