#include "common/core/sheets/stock.h"

#include <QCoreApplication>
#include <cmath>

#include "common/core/text/number.h"

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(sheets)
};

// Catalogue sizes are rounded, some to a millimetre: a layout that reaches
// this far past the paper's edge still fits (no printer prints there).
constexpr double kToleranceMm = 1.5;
// No sheet of labels holds more; a layout beyond it is a typing error.
constexpr int kMaxLabels = 1000;
// Paper larger than this is no sheet of labels.
constexpr double kMaxPaperMm = 1500;

bool positive(double mm) { return std::isfinite(mm) && mm > 0 && mm <= kMaxPaperMm; }

QString mm(double value) { return formatDecimal(value); }

// The labels of one direction run into each other when the pitch is less than their size.
bool overlap(int count, double pitchMm, double sizeMm) {
    return count > 1 && pitchMm < sizeMm - kToleranceMm;
}

// Whether the last column or row, ending at `endMm`, ends past the paper's edge.
bool pastThePaper(double endMm, double paperMm) { return endMm > paperMm + kToleranceMm; }

}  // namespace

double Stock::labelLeftCm(int place) const {
    return (leftMm + pitchXMm * grid().columnOf(place)) / 10;
}

double Stock::labelTopCm(int place) const { return (topMm + pitchYMm * grid().rowOf(place)) / 10; }

QPointF textCornerCm(const Stock& stock, int place, double insetMm,
                     const std::optional<QRectF>& reachCm) {
    QPointF corner(stock.labelLeftCm(place) + insetMm / 10, stock.labelTopCm(place) + insetMm / 10);
    // Half a millimetre inside the printer's edge: its margins are nominal,
    // and the paper moves that much as it feeds.
    constexpr double kClearCm = 0.05;
    if (reachCm) {
        corner.setX(std::max(corner.x(), reachCm->left() + kClearCm));
        corner.setY(std::max(corner.y(), reachCm->top() + kClearCm));
    }
    return corner;
}

QString Stock::problem() const {
    if (columns < 1 || rows < 1) return Text::tr("Hace falta al menos una columna y una fila.");
    if (double(columns) * rows > kMaxLabels) {
        return Text::tr("%1 etiquetas en una hoja son demasiadas: como mucho, %2.")
            .arg(double(columns) * rows, 0, 'f', 0)
            .arg(kMaxLabels);
    }
    for (double size : {paperWidthMm, paperHeightMm, labelWidthMm, labelHeightMm}) {
        if (!positive(size)) return Text::tr("El papel y las etiquetas deben medir más de 0 mm.");
    }
    for (double at : {leftMm, topMm, pitchXMm, pitchYMm}) {
        if (!std::isfinite(at) || at < 0 || at > kMaxPaperMm)
            return Text::tr("Los márgenes y las distancias no pueden ser negativos.");
    }
    if (overlap(columns, pitchXMm, labelWidthMm)) {
        return Text::tr(
                   "De una etiqueta a la siguiente hay %1 mm, menos que su ancho "
                   "(%2 mm): se montarían.")
            .arg(mm(pitchXMm), mm(labelWidthMm));
    }
    if (overlap(rows, pitchYMm, labelHeightMm)) {
        return Text::tr(
                   "De una fila a la siguiente hay %1 mm, menos que el alto de las "
                   "etiquetas (%2 mm): se montarían.")
            .arg(mm(pitchYMm), mm(labelHeightMm));
    }
    const double right = leftMm + pitchXMm * (columns - 1) + labelWidthMm;
    const double bottom = topMm + pitchYMm * (rows - 1) + labelHeightMm;
    if (pastThePaper(right, paperWidthMm)) {
        return Text::tr(
                   "Las etiquetas no caben en el papel: la última columna acaba a %1 mm del "
                   "borde izquierdo y el papel mide %2 mm de ancho.")
            .arg(mm(right), mm(paperWidthMm));
    }
    if (pastThePaper(bottom, paperHeightMm)) {
        return Text::tr(
                   "Las etiquetas no caben en el papel: la última fila acaba a %1 mm del "
                   "borde superior y el papel mide %2 mm de alto.")
            .arg(mm(bottom), mm(paperHeightMm));
    }
    return {};
}

QString Stock::paperName() const {
    auto is = [&](double w, double h) {
        return std::abs(paperWidthMm - w) < 1 && std::abs(paperHeightMm - h) < 1;
    };
    if (is(210, 297)) return QStringLiteral("A4");
    if (is(215.9, 279.4)) return Text::tr("Carta");
    if (is(148, 210)) return QStringLiteral("A5");
    return QStringLiteral("%1 × %2 mm").arg(mm(paperWidthMm), mm(paperHeightMm));
}

QString Stock::summary() const {
    return Text::tr("%1 de %2 × %3 mm (%4, %5), %6")
        .arg(Text::tr("%n etiquetas", nullptr, columns * rows))
        .arg(mm(labelWidthMm), mm(labelHeightMm))
        .arg(Text::tr("%n columnas", nullptr, columns), Text::tr("%n filas", nullptr, rows))
        .arg(paperName());
}
