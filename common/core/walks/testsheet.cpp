#include "common/core/walks/testsheet.h"

#include <QCoreApplication>
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

// Ticks every half centimetre, numbered every centimetre, along the top and
// the left edge.
void drawRulers(DrawingSurface& surface) {
    const double width = surface.areaWidthCm();
    const double height = surface.areaHeightCm();
    surface.drawLine(0, 0, width, 0);
    surface.drawLine(0, 0, 0, height);
    for (int half = 1; half <= int(std::floor(std::max(width, height) * 2)); ++half) {
        const double at = half / 2.0;
        const bool whole = half % 2 == 0;
        const double tick = whole ? 0.4 : 0.2;
        const QString number = QString::number(half / 2);
        if (at < width) {
            surface.drawLine(at, 0, at, tick);
            if (whole) text(surface, at + 0.05, 0.2, number);
        }
        if (at < height) {
            surface.drawLine(0, at, tick, at);
            if (whole) text(surface, 0.2, at + 0.05, number);
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
            drawRulers(surface);
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

}  // namespace testsheet
