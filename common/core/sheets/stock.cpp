#include "common/core/sheets/stock.h"

#include <cmath>

#include "common/core/text/number.h"

namespace {

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

// Says so when the last column or row (`last`) ends past the paper's edge; nothing when it fits.
QString pastThePaper(double endMm, double paperMm, const char* last, const char* edge,
                     const char* measure) {
    if (endMm <= paperMm + kToleranceMm) return {};
    return QStringLiteral(
               "Las etiquetas no caben en el papel: la última %1 acaba a %2 mm del "
               "borde %3 y el papel mide %4 mm de %5.")
        .arg(QLatin1String(last), mm(endMm), QLatin1String(edge), mm(paperMm),
             QLatin1String(measure));
}

}  // namespace

double Stock::labelLeftCm(int place) const {
    return (leftMm + pitchXMm * shape().columnOf(place)) / 10;
}

double Stock::labelTopCm(int place) const { return (topMm + pitchYMm * shape().rowOf(place)) / 10; }

QString Stock::problem() const {
    if (columns < 1 || rows < 1)
        return QStringLiteral("Hace falta al menos una columna y una fila.");
    if (double(columns) * rows > kMaxLabels) {
        return QStringLiteral("%1 etiquetas en una hoja son demasiadas: como mucho, %2.")
            .arg(double(columns) * rows, 0, 'f', 0)
            .arg(kMaxLabels);
    }
    for (double size : {paperWidthMm, paperHeightMm, labelWidthMm, labelHeightMm}) {
        if (!positive(size))
            return QStringLiteral("El papel y las etiquetas deben medir más de 0 mm.");
    }
    for (double at : {leftMm, topMm, pitchXMm, pitchYMm}) {
        if (!std::isfinite(at) || at < 0 || at > kMaxPaperMm)
            return QStringLiteral("Los márgenes y las distancias no pueden ser negativos.");
    }
    if (overlap(columns, pitchXMm, labelWidthMm)) {
        return QStringLiteral(
                   "De una etiqueta a la siguiente hay %1 mm, menos que su ancho "
                   "(%2 mm): se montarían.")
            .arg(mm(pitchXMm), mm(labelWidthMm));
    }
    if (overlap(rows, pitchYMm, labelHeightMm)) {
        return QStringLiteral(
                   "De una fila a la siguiente hay %1 mm, menos que el alto de las "
                   "etiquetas (%2 mm): se montarían.")
            .arg(mm(pitchYMm), mm(labelHeightMm));
    }
    const double right = leftMm + pitchXMm * (columns - 1) + labelWidthMm;
    const double bottom = topMm + pitchYMm * (rows - 1) + labelHeightMm;
    QString past = pastThePaper(right, paperWidthMm, "columna", "izquierdo", "ancho");
    if (past.isEmpty()) past = pastThePaper(bottom, paperHeightMm, "fila", "superior", "alto");
    return past;
}

QString Stock::paperName() const {
    auto is = [&](double w, double h) {
        return std::abs(paperWidthMm - w) < 1 && std::abs(paperHeightMm - h) < 1;
    };
    if (is(210, 297)) return QStringLiteral("A4");
    if (is(215.9, 279.4)) return QStringLiteral("Carta");
    if (is(148, 210)) return QStringLiteral("A5");
    return QStringLiteral("%1 × %2 mm").arg(mm(paperWidthMm), mm(paperHeightMm));
}

QString Stock::summary() const {
    auto count = [](int n, const char* one, const char* many) {
        return QString::number(n) + u' ' + QString::fromUtf8(n == 1 ? one : many);
    };
    return QStringLiteral("%1 de %2 × %3 mm (%4, %5), %6")
        .arg(count(columns * rows, "etiqueta", "etiquetas"))
        .arg(mm(labelWidthMm), mm(labelHeightMm))
        .arg(count(columns, "columna", "columnas"), count(rows, "fila", "filas"))
        .arg(paperName());
}
