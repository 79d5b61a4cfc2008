#include "lomos/core/spinecheck.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>

#include "common/core/text/number.h"
#include "common/core/walks/surface.h"
#include "lomos/core/spinewalk.h"

namespace lomos {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(lomos)
};

// Where a position's labels may reach. Unknown when a coordinate is not a
// number.
struct Room {
    std::optional<double> x, y, right, bottom;
    bool lastColumn, lastRow;
};

// On the program's own sheet: the next column's X and the next row's Y; the
// edges of the area for the last column and row.
Room roomOf(const CoordinateTable& table, int p, double areaWidth, double areaHeight) {
    Room room;
    room.x = parseNumber(table.x[size_t(p)]);
    room.y = parseNumber(table.y[size_t(p)]);
    room.lastColumn = kSpineSheet.inLastColumn(p);
    room.lastRow = kSpineSheet.inLastRow(p);
    room.right = room.lastColumn ? areaWidth : parseNumber(table.x[size_t(p + 1)]);
    room.bottom = room.lastRow ? areaHeight : parseNumber(table.y[size_t(p + kSpineSheet.columns)]);
    return room;
}

// On a stock: the edges of the stock's label.
Room roomOf(const CoordinateTable& table, int p, const Stock& stock) {
    return {parseNumber(table.x[size_t(p)]),
            parseNumber(table.y[size_t(p)]),
            stock.labelLeftCm(p) + stock.labelWidthMm / 10,
            stock.labelTopCm(p) + stock.labelHeightMm / 10,
            false,
            false};
}

}  // namespace

std::vector<labelcheck::Finding> checkCoordinates(const CoordinateTable& table, bool saved) {
    if (!saved) {
        return {{0, {},
                 Text::tr("No hay coordenadas guardadas: pulse «Configurar», «Inicializar "
                          "Coordenadas» y «Guardar»")}};
    }
    std::vector<labelcheck::Finding> found;
    auto check = [&](int p, const QString& value, bool isX) {
        if (parseNumber(value)) return;
        const QString problem =
            value.trimmed().isEmpty()
                ? (isX ? Text::tr("Etiqueta %1: la X está vacía")
                       : Text::tr("Etiqueta %1: la Y está vacía"))
                      .arg(p + 1)
                : (isX ? Text::tr("Etiqueta %1: la X «%2» no es un número")
                       : Text::tr("Etiqueta %1: la Y «%2» no es un número"))
                      .arg(p + 1)
                      .arg(value);
        found.push_back({0, {}, problem});
    };
    for (int p = 0; p < table.positions(); ++p) {
        check(p, table.x[size_t(p)], true);
        check(p, table.y[size_t(p)], false);
    }
    return found;
}

// Named so, lupdate reads the texts below in this file's context.
using labelcheck::Result;

Result checkSpineLabels(const labellist::LabelList& list,
                                    const std::vector<qint64>& cutLabels,
                                    const CoordinateTable& table, const QString& fontSizeText,
                                    const QString& face, const FirstSheet& first,
                                    DrawingSurface& surface, const Stock* stock) {
    labelcheck::Result result;
    labelcheck::WidthGauge gauge(surface);
    gauge.useFont(face, parseNumber(fontSizeText).value_or(surface.fontSize()), true);
    const double lineHeight = surface.lineHeightCm();
    const double areaWidth = surface.areaWidthCm();
    const double areaHeight = surface.areaHeightCm();
    std::vector<Room> rooms;
    for (int p = 0; p < table.positions(); ++p) {
        rooms.push_back(stock ? roomOf(table, p, *stock) : roomOf(table, p, areaWidth, areaHeight));
    }

    PlaceCursor places(first);
    auto cut = cutLabels.begin();
    forEachSpineLabel(list, [&](qsizetype begin, qsizetype end, bool) {
        const qint64 label = result.labels++;
        const Room& room = rooms[size_t(std::min(places.place(), int(rooms.size()) - 1))];
        places.take();
        QStringList lines;
        for (qsizetype i = begin; i < end; ++i) lines.append(list.at(i).left(kMaxLineLength));
        const QString name = lines.isEmpty() ? Text::tr("sin clasificación") : lines.first();
        auto report = [&](const QString& problem) {
            result.findings.push_back({label + 1, name, problem});
        };

        if (std::all_of(lines.begin(), lines.end(),
                        [](const QString& l) { return l.trimmed().isEmpty(); }))
            report(Text::tr("no tiene ninguna línea que imprimir"));
        while (cut != cutLabels.end() && *cut < label) ++cut;
        if (cut != cutLabels.end() && *cut == label) {
            report(
                Text::tr("la clasificación tiene más de seis partes: lo que sigue a la sexta "
                         "no se imprime"));
        }
        if (room.x && room.right) {
            const double width = *room.right - *room.x;
            for (const QString& line : lines) {
                if (gauge.fits(line, width)) continue;
                const QString measured =
                    room.lastColumn ? Text::tr(
                                          "la línea «%1» mide %2 cm y hasta el borde "
                                          "derecho hay %3 cm")
                    : stock == nullptr
                        ? Text::tr("la línea «%1» mide %2 cm y la etiqueta mide %3 cm")
                        : Text::tr(
                              "la línea «%1» mide %2 cm y hasta el borde de la etiqueta "
                              "hay %3 cm");
                report(measured.arg(line, formatDecimal(gauge.width(line)), formatDecimal(width)));
            }
        }
        if (room.y && room.bottom && !lines.isEmpty()) {
            const double bottom = *room.y + double(lines.size() - 1) * kLineStepCm + lineHeight;
            if (bottom > *room.bottom) {
                report(room.lastRow ? Text::tr("sus líneas se salen del papel por abajo")
                       : stock == nullptr
                           ? Text::tr("sus líneas pasan a la etiqueta de abajo")
                           : Text::tr("sus líneas se salen de la etiqueta por abajo"));
            }
        }
        return true;
    });
    return result;
}

}  // namespace lomos
