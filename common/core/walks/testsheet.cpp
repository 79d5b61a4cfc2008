#include "common/core/walks/testsheet.h"

#include <QCoreApplication>
#include <QRectF>
#include <algorithm>
#include <cmath>

#include "common/core/text/number.h"
#include "common/core/walks/surface.h"

namespace testsheet {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(testsheet)
};

constexpr double kTextPoints = 6;

QString cm(const std::optional<double>& value) {
    return value ? formatDecimal(*value) : QStringLiteral("?");
}

void text(DrawingSurface& surface, double xCm, double yCm, const QString& words) {
    surface.setCurrentX(xCm);
    surface.setCurrentY(yCm);
    surface.print(words);
}

// The band a ruler takes along an edge: its ticks and its numbers.
constexpr double kRulerBandCm = 0.7;

// Where a cross and its numbers stand on the sheet.
QRectF extentOf(DrawingSurface& surface, const Position& p) {
    const double width = std::max(surface.textWidthCm(rowAndColumn(p)),
                                  surface.textWidthCm(coordinates(p)));
    return QRectF(QPointF(*p.xCm - kCrossArmCm, *p.yCm - kCrossArmCm),
                  QPointF(*p.xCm + 0.1 + std::max(width, kCrossArmCm),
                          *p.yCm + 0.3 + surface.lineHeightCm()));
}

// The rulers go along the edges no cross comes near: the top and the left
// edge, or else the bottom and the right one.
struct RulerEdges {
    bool top = true;
    bool left = true;
};

RulerEdges rulerEdges(DrawingSurface& surface, const std::vector<Position>& positions) {
    RulerEdges edges;
    for (const Position& p : positions) {
        if (!p.xCm || !p.yCm) continue;
        const QRectF extent = extentOf(surface, p);
        if (extent.top() < kRulerBandCm) edges.top = false;
        if (extent.left() < kRulerBandCm) edges.left = false;
    }
    return edges;
}

// Ticks every half centimetre, numbered every centimetre, along one
// horizontal and one vertical edge.
void drawRulers(DrawingSurface& surface, RulerEdges edges) {
    const double width = surface.areaWidthCm();
    const double height = surface.areaHeightCm();
    const double across = edges.top ? 0 : height;  // the horizontal ruler's edge
    const double down = edges.left ? 0 : width;    // the vertical one's
    const double inward = edges.top ? 1 : -1, leftward = edges.left ? 1 : -1;
    surface.drawLine(0, across, width, across);
    surface.drawLine(down, 0, down, height);
    for (int half = 1; half <= int(std::floor(std::max(width, height) * 2)); ++half) {
        const double at = half / 2.0;
        const bool whole = half % 2 == 0;
        const double tick = whole ? 0.4 : 0.2;
        const QString number = QString::number(half / 2);
        if (at < width) {
            surface.drawLine(at, across, at, across + inward * tick);
            if (whole) text(surface, at + 0.05, edges.top ? 0.2 : height - 0.55, number);
        }
        if (at < height) {
            surface.drawLine(down, at, down + leftward * tick, at);
            const double numberX = edges.left ? 0.2 : width - 0.2 - surface.textWidthCm(number);
            if (whole) text(surface, numberX, at + 0.05, number);
        }
    }
}

void drawPosition(DrawingSurface& surface, const Position& p) {
    const double x = *p.xCm;
    const double y = *p.yCm;
    surface.drawLine(x - kCrossArmCm, y, x + kCrossArmCm, y);
    surface.drawLine(x, y - kCrossArmCm, x, y + kCrossArmCm);
    text(surface, x + 0.1, y + 0.05, rowAndColumn(p));
    text(surface, x + 0.1, y + 0.3, coordinates(p));
}

}  // namespace

std::vector<int> measurableCorners(const std::vector<Position>& positions, LabelGrid grid) {
    auto whole = [&](int row, int column) {
        const Position& p = positions[size_t(grid.placeAt(row, column))];
        return p.xCm && p.yCm && *p.xCm >= kCrossArmCm && *p.yCm >= kCrossArmCm;
    };
    auto rowOfWholeCorners = [&](int row) { return whole(row, 0) && whole(row, grid.columns - 1); };
    int top = 0, bottom = grid.rows - 1;
    while (top < grid.rows && !rowOfWholeCorners(top)) ++top;
    while (bottom >= 0 && !rowOfWholeCorners(bottom)) --bottom;
    if (top >= bottom) top = 0, bottom = grid.rows - 1;  // no two rows whole: the sheet's corners
    return {grid.placeAt(top, 0) + 1, grid.placeAt(top, grid.columns - 1) + 1,
            grid.placeAt(bottom, 0) + 1, grid.placeAt(bottom, grid.columns - 1) + 1};
}

QString rowAndColumn(const Position& position) {
    return Text::tr("%1: fila %2, col. %3")
        .arg(position.place)
        .arg(position.row)
        .arg(position.column);
}

QString coordinates(const Position& position) {
    return QStringLiteral("X %1  Y %2").arg(cm(position.xCm), cm(position.yCm));
}

LabelWalk walk(std::vector<Position> positions) {
    return
        [positions = std::move(positions)](DrawingSurface& surface, const PageFull&, PlaceCursor&) {
            surface.setScaleMode(DrawingSurface::kCentimetres);
            surface.setFontName(QStringLiteral("Arial"));
            surface.setFontSize(kTextPoints);
            surface.setBold(false);
            drawRulers(surface, rulerEdges(surface, positions));
            double footY = surface.areaHeightCm() - 1.0;
            for (const Position& p : positions) {
                if (p.xCm && p.yCm) {
                    drawPosition(surface, p);
                } else {
                    text(surface, 1.0, footY,
                         Text::tr("%1: sin coordenadas (%2)").arg(rowAndColumn(p), coordinates(p)));
                    footY -= 0.3;
                }
            }
            return WalkEnd::EndOfList;
        };
}

LabelWalk labelWalk(double widthCm, double heightCm, const QString& name) {
    return [=](DrawingSurface& surface, const PageFull&, PlaceCursor& places) {
        constexpr double in = 0.1;
        const double right = widthCm - in;
        const double bottom = heightCm - in;
        surface.drawLine(in, in, right, in);
        surface.drawLine(right, in, right, bottom);
        surface.drawLine(right, bottom, in, bottom);
        surface.drawLine(in, bottom, in, in);
        // An arrow up the middle, from a third of the label to its top
        // quarter, and the words beside it.
        const double middle = widthCm / 2;
        const double tip = heightCm / 4;
        surface.drawLine(middle, heightCm / 1.5, middle, tip);
        surface.drawLine(middle, tip, middle - 0.2, tip + 0.3);
        surface.drawLine(middle, tip, middle + 0.2, tip + 0.3);
        surface.setFontName(QStringLiteral("Arial"));
        surface.setFontSize(8);
        surface.setBold(true);
        const QString up = Text::tr("ARRIBA");
        text(surface, middle - surface.textWidthCm(up) / 2, tip - surface.lineHeightCm() - 0.1, up);
        surface.setBold(false);
        text(surface, middle - surface.textWidthCm(name) / 2, heightCm / 1.5 + 0.1, name);
        places.take();
        return WalkEnd::EndOfList;
    };
}

}  // namespace testsheet
