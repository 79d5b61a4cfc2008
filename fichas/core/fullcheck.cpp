#include "fichas/core/fullcheck.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

#include "common/core/text/number.h"
#include "common/core/walks/surface.h"

namespace fichas {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(fichas)
};

// A call-number line that runs into the field beside it.
QString runsInto(const QString& line, Field field) {
    switch (field) {
        case kBarcodeField:
            return Text::tr("la línea «%1» de la clasificación se monta sobre el código de barras")
                .arg(line);
        case kAuthorField:
            return Text::tr("la línea «%1» de la clasificación se monta sobre el autor").arg(line);
        default:
            return Text::tr("la línea «%1» de la clasificación se monta sobre el título").arg(line);
    }
}

// A text of `field` that runs past the label's right edge.
QString pastTheRight(const QString& text, Field field) {
    switch (field) {
        case kBarcodeField:
            return Text::tr("«%1» (el código de barras) se sale de la etiqueta por la derecha")
                .arg(text);
        case kAuthorField:
            return Text::tr("«%1» (el autor) se sale de la etiqueta por la derecha").arg(text);
        case kTitleField:
            return Text::tr("«%1» (el título) se sale de la etiqueta por la derecha").arg(text);
        default:
            return Text::tr("«%1» (la clasificación) se sale de la etiqueta por la derecha")
                .arg(text);
    }
}

bool contains(const std::vector<qint64>& sorted, qint64 value) {
    return std::binary_search(sorted.begin(), sorted.end(), value);
}

}  // namespace

// Named so, lupdate reads the texts below in this file's context.
using labelcheck::Result;

namespace {

// What a barcode drawn as a symbol would not do well: a value the symbology
// cannot hold, or a symbol wider than the label's room.
QString symbolProblem(const LabelText& barcodeText, const FullLook& look, double roomCm,
                      double dotCm) {
    const barcode::Encoded encoded = barcode::encode(look.barcode, barcodeText.text);
    if (!encoded.symbol) return encoded.problem;
    const double width =
        symbolWidthCm(*encoded.symbol, moduleCmFor(look.barcode, *encoded.symbol, roomCm, dotCm));
    if (width <= roomCm) return {};
    return Text::tr("el código de barras en %1 mide %2 cm con sus márgenes y en la etiqueta "
                    "hay %3 cm")
        .arg(barcode::nameOf(look.barcode), formatDecimal(width), formatDecimal(roomCm));
}

}  // namespace

Result checkFullLabels(const FullGeneration& lists, const LabelPlaces& places,
                       const FullLook& look, const FirstSheet& first, DrawingSurface& surface) {
    labelcheck::Result result;
    const FullLayout layout = look == FullLook() ? FullLayout() : layoutOn(look, surface);
    const bool symbols = look.barcode != design::Symbology::Text;
    std::vector<labelcheck::WidthGauge> gauges(kFieldCount, labelcheck::WidthGauge(surface));
    std::array<double, kFieldCount> heights{};
    for (int f = 0; f < kFieldCount; ++f) {
        const FieldFace& face = look.faces[size_t(f)];
        gauges[size_t(f)].useFont(face.name, face.points, face.bold, face.italic);
        heights[size_t(f)] = surface.lineHeightCm();
    }
    if (symbols) heights[kBarcodeField] = layout.barHeightCm + layout.digitsHeightCm;
    labelcheck::WidthGauge& callNumberGauge = gauges[kCallNumberField];
    const bool stock = !places.labelRightCm.empty();
    const double areaWidth = surface.areaWidthCm();
    const double areaHeight = surface.areaHeightCm();
    auto heightOf = [&](const LabelText& t) { return heights[size_t(t.field)]; };

    PlaceCursor cursor(first);
    FullLabelReader reader(lists, layout);
    FullLabel label;
    for (qint64 index = 0; reader.next(label); ++index) {
        const int place = cursor.place();
        cursor.take();
        ++result.labels;
        const QString name = label.texts.front().text.isEmpty() ? Text::tr("sin código de barras")
                                                                : label.texts.front().text;
        auto report = [&](const QString& problem) {
            result.findings.push_back({index + 1, name, problem});
        };

        for (const LabelText& line : label.texts) {
            if (line.field != kCallNumberField) continue;
            if (line.cut) {
                report(Text::tr("la línea «%1…» de la clasificación pasa de %2 caracteres "
                                "y se corta")
                           .arg(line.text)
                           .arg(kMaxCallNumberLine));
            }
            for (const LabelText& other : label.texts) {
                if (other.field == kCallNumberField || other.text.isEmpty() ||
                    !labelcheck::overlapVertically(line.dy, heightOf(line), other.dy,
                                                   heightOf(other)) ||
                    callNumberGauge.fits(line.text, other.dx - line.dx)) {
                    continue;
                }
                report(runsInto(line.text, other.field));
            }
        }
        if (contains(lists.shortenedAuthors, index))
            report(Text::tr("el autor no cabe en dos líneas y pierde palabras"));
        if (contains(lists.shortenedTitles, index))
            report(Text::tr("el título no cabe en dos líneas y pierde palabras"));

        const double x = places.x[size_t(place)], y = places.y[size_t(place)];
        const LabelText& barcodeText = label.texts.front();
        const bool drawnAsSymbol = symbols && !barcodeText.text.trimmed().isEmpty();
        if (drawnAsSymbol) {
            const double room = rightEdgeOf(places, place, areaWidth) - x - barcodeText.dx;
            if (const QString problem = symbolProblem(barcodeText, look, room, surface.dotCm());
                !problem.isEmpty())
                report(problem);
        }

        double bottom = 0;  // from the label's top
        for (const LabelText& t : label.texts) {
            if (!t.text.isEmpty()) bottom = std::max(bottom, t.dy + heightOf(t));
        }
        if (stock) {
            for (const LabelText& t : label.texts) {
                if (t.text.isEmpty() || (drawnAsSymbol && t.field == kBarcodeField) ||
                    gauges[size_t(t.field)].fits(t.text,
                                                 places.labelRightCm[size_t(place)] - x - t.dx)) {
                    continue;
                }
                report(pastTheRight(t.text, t.field));
            }
            if (y + bottom > places.labelBottomCm[size_t(place)])
                report(Text::tr("se sale de la etiqueta por abajo"));
            continue;
        }
        const bool lastRow = kFullSheet.inLastRow(place);
        const double room = (lastRow ? areaHeight : places.y[size_t(place + kFullSheet.columns)]) -
                            places.y[size_t(place)];
        if (bottom > room) {
            report(lastRow ? Text::tr("se sale del papel por abajo")
                           : Text::tr("se monta sobre la etiqueta de abajo"));
        }
    }
    return result;
}

}  // namespace fichas
