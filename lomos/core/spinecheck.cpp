#include "lomos/core/spinecheck.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>

#include "common/core/text/number.h"
#include "common/core/walks/surface.h"
#include "lomos/core/spinelayout.h"
#include "lomos/core/spinewalk.h"

namespace lomos {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(lomos)
};

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

namespace {

// "la línea «…» mide 2,31 cm y hasta el borde de la etiqueta hay 2,10 cm",
// in the words of where the line ends.
QString tooWide(const Room& room, const SpineLook& look, bool onStock) {
    if (look.align == design::Align::Centre)
        return Text::tr("la línea «%1» mide %2 cm y la etiqueta mide %3 cm de ancho");
    if (room.lastColumn)
        return Text::tr("la línea «%1» mide %2 cm y hasta el borde derecho hay %3 cm");
    if (!onStock) return Text::tr("la línea «%1» mide %2 cm y la etiqueta mide %3 cm");
    return Text::tr("la línea «%1» mide %2 cm y hasta el borde de la etiqueta hay %3 cm");
}

QString pastTheBottom(const Room& room, bool onStock) {
    if (room.lastRow) return Text::tr("sus líneas se salen del papel por abajo");
    if (!onStock) return Text::tr("sus líneas pasan a la etiqueta de abajo");
    return Text::tr("sus líneas se salen de la etiqueta por abajo");
}

}  // namespace

Result checkSpineLabels(const labellist::LabelList& list, const std::vector<qint64>& cutLabels,
                        const CoordinateTable& table, const QString& fontSizeText,
                        const SpineLook& look, const FirstSheet& first, DrawingSurface& surface,
                        const Stock* stock) {
    labelcheck::Result result;
    labelcheck::WidthGauge gauge(surface);
    gauge.useFont(look.face, parseNumber(fontSizeText).value_or(surface.fontSize()), look.bold,
                  look.italic);
    const double lineHeight = surface.lineHeightCm();
    const double step = look.lineStepCm.value_or(lineHeight);
    const double areaWidth = surface.areaWidthCm();
    const double areaHeight = surface.areaHeightCm();
    std::vector<Room> rooms;
    for (int p = 0; p < table.positions(); ++p)
        rooms.push_back(roomOf(table, p, stock, areaWidth, areaHeight));

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
        if (room.x && room.left && room.right) {
            const double width = roomForLine(look, room);
            for (const QString& line : lines) {
                if (gauge.fits(line, width)) continue;
                report(tooWide(room, look, stock != nullptr)
                           .arg(line, formatDecimal(gauge.width(line)), formatDecimal(width)));
            }
        }
        if (room.y && room.top && room.bottom && !lines.isEmpty()) {
            const Block block = blockOf(look, room, int(lines.size()), step, lineHeight);
            if (block.bottom > *room.bottom) report(pastTheBottom(room, stock != nullptr));
            // Only a block placed from the middle or the bottom can rise past the top.
            if (look.vertical != design::Vertical::Top && block.top < *room.top - 1e-9)
                report(Text::tr("sus líneas se salen de la etiqueta por arriba"));
        }
        return true;
    });
    return result;
}

}  // namespace lomos
