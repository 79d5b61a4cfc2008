#include "lomos/core/spinewalk.h"

#include <QHash>
#include <QVarLengthArray>
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

// Labels drawn where a design places them. What a walk measures once is
// kept: the rooms of the positions, the line height of its one font, the
// widths of the lines (call numbers share many of their parts).
class DesignedLabels {
public:
    DesignedLabels(const CoordinateTable& table, const SpineDrawing& drawing,
                   std::optional<double> fontSize)
        : m_table(table), m_drawing(drawing), m_fontSize(fontSize), m_rooms(size_t(table.positions())) {}

    // Draws the label's lines at `place`; false when its position or its
    // label's edges are not numbers.
    bool draw(const labellist::LabelList& list, qsizetype first, qsizetype end, int place,
              DrawingSurface& surface) {
        if (place >= m_table.positions()) return false;
        const Room& room = roomAt(place, surface);
        if (!room.x || !room.y || !room.left || !room.top || !room.right || !room.bottom)
            return false;
        surface.setScaleMode(DrawingSurface::kCentimetres);
        surface.setBold(m_drawing.look.bold);
        surface.setItalic(m_drawing.look.italic);
        surface.setFontName(m_drawing.look.face);
        if (m_fontSize) surface.setFontSize(*m_fontSize);
        if (m_lineHeight < 0) m_lineHeight = surface.lineHeightCm();
        QVarLengthArray<QString, 16> lines;
        QVarLengthArray<double, 16> widths;
        for (qsizetype index = first; index < end; ++index) {
            lines.append(list.at(index).left(kMaxLineLength));
            widths.append(m_drawing.look.align == design::Align::Left ? 0 : widthOf(lines.back(), surface));
        }
        const double step = m_drawing.look.lineStepCm.value_or(m_lineHeight);
        const Block block = blockOf(m_drawing.look, room, int(lines.size()), step, m_lineHeight);
        for (qsizetype k = 0; k < lines.size(); ++k) {
            surface.setCurrentX(lineLeft(m_drawing.look, room, widths[k]));
            surface.setCurrentY(block.top + double(m_drawing.look.freeLines + k) * step);
            surface.print(lines[k]);
        }
        return true;
    }

private:
    // A line's width, measured once a walk: only lines that do not start at
    // the position need it.
    double widthOf(const QString& line, DrawingSurface& surface) {
        auto width = m_widths.find(line);
        if (width == m_widths.end()) width = m_widths.insert(line, surface.textWidthCm(line));
        return *width;
    }

    const Room& roomAt(int place, DrawingSurface& surface) {
        std::optional<Room>& room = m_rooms[size_t(place)];
        if (!room) {
            room = roomOf(m_table, place, m_drawing.stock ? &*m_drawing.stock : nullptr,
                          surface.areaWidthCm(), surface.areaHeightCm());
        }
        return *room;
    }

    const CoordinateTable& m_table;
    const SpineDrawing& m_drawing;
    std::optional<double> m_fontSize;
    std::vector<std::optional<Room>> m_rooms;
    double m_lineHeight = -1;
    QHash<QString, double> m_widths;
};

}  // namespace

WalkEnd walkSpineLabels(const labellist::LabelList& list, const CoordinateTable& table,
                        const SpineDrawing& drawing, DrawingSurface& surface,
                        const PageFull& pageFull, PlaceCursor& places) {
    const std::optional<double> fontSize = parseNumber(drawing.fontSizeText);
    const bool asAlways = drawing.look.asAlways();
    DesignedLabels designed(table, drawing, fontSize);
    WalkEnd walkEnd = WalkEnd::EndOfList;
    forEachSpineLabel(list, [&](qsizetype first, qsizetype end, bool closed) {
        const int place = places.place();
        if (asAlways || !designed.draw(list, first, end, place, surface))
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
