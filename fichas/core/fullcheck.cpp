#include "fichas/core/fullcheck.h"

#include <algorithm>

#include "common/core/walks/surface.h"

namespace fichas {
namespace {

QString fieldName(Field field) {
    switch (field) {
        case kBarcodeField:
            return QStringLiteral("el código de barras");
        case kAuthorField:
            return QStringLiteral("el autor");
        case kTitleField:
            return QStringLiteral("el título");
        case kCallNumberField:
        case kFieldCount:
            break;
    }
    return QStringLiteral("la clasificación");
}

bool contains(const std::vector<qint64>& sorted, qint64 value) {
    return std::binary_search(sorted.begin(), sorted.end(), value);
}

}  // namespace

labelcheck::Result checkFullLabels(const FullGeneration& lists, const SheetPlaces& places,
                                   const FirstSheet& first, DrawingSurface& surface) {
    labelcheck::Result result;
    labelcheck::WidthGauge callNumberGauge(surface);
    callNumberGauge.useFont(kCallNumberFace, kPointSize, true);
    const double callNumberHeight = surface.lineHeightCm();
    labelcheck::WidthGauge textGauge(surface);
    textGauge.useFont(kTextFace, kPointSize, true);
    const double textHeight = surface.lineHeightCm();
    const bool stock = !places.labelRightCm.empty();
    const double areaHeight = surface.areaHeightCm();
    auto heightOf = [&](const LabelText& t) {
        return t.field == kCallNumberField ? callNumberHeight : textHeight;
    };

    PlaceCursor cursor(first);
    FullLabelReader reader(lists);
    FullLabel label;
    for (qint64 index = 0; reader.next(label); ++index) {
        const int place = cursor.place();
        cursor.take();
        ++result.labels;
        const QString name = label.texts.front().text.isEmpty()
                                 ? QStringLiteral("sin código de barras")
                                 : label.texts.front().text;
        auto report = [&](const QString& problem) {
            result.findings.push_back({index + 1, name, problem});
        };

        for (const LabelText& line : label.texts) {
            if (line.field != kCallNumberField) continue;
            if (line.cut) {
                report(QStringLiteral("la línea «%1…» de la clasificación pasa de %2 caracteres "
                                      "y se corta")
                           .arg(line.text)
                           .arg(kMaxCallNumberLine));
            }
            for (const LabelText& other : label.texts) {
                if (other.field == kCallNumberField || other.text.isEmpty() ||
                    !labelcheck::overlapVertically(line.dy, callNumberHeight, other.dy,
                                                   heightOf(other)) ||
                    callNumberGauge.fits(line.text, other.dx - line.dx)) {
                    continue;
                }
                report(QStringLiteral("la línea «%1» de la clasificación se monta sobre %2")
                           .arg(line.text, fieldName(other.field)));
            }
        }
        if (contains(lists.shortenedAuthors, index))
            report(QStringLiteral("el autor no cabe en dos líneas y pierde palabras"));
        if (contains(lists.shortenedTitles, index))
            report(QStringLiteral("el título no cabe en dos líneas y pierde palabras"));

        double bottom = 0;  // from the label's top
        for (const LabelText& t : label.texts) {
            if (!t.text.isEmpty()) bottom = std::max(bottom, t.dy + heightOf(t));
        }
        if (stock) {
            const double x = places.x[size_t(place)], y = places.y[size_t(place)];
            for (const LabelText& t : label.texts) {
                labelcheck::WidthGauge& gauge =
                    t.field == kCallNumberField ? callNumberGauge : textGauge;
                if (t.text.isEmpty() ||
                    gauge.fits(t.text, places.labelRightCm[size_t(place)] - x - t.dx)) {
                    continue;
                }
                report(QStringLiteral("«%1» (%2) se sale de la etiqueta por la derecha")
                           .arg(t.text, fieldName(t.field)));
            }
            if (y + bottom > places.labelBottomCm[size_t(place)])
                report(QStringLiteral("se sale de la etiqueta por abajo"));
            continue;
        }
        const bool lastRow = kFullSheet.inLastRow(place);
        const double room = (lastRow ? areaHeight : places.y[size_t(place + kFullSheet.columns)]) -
                            places.y[size_t(place)];
        if (bottom > room) {
            report(lastRow ? QStringLiteral("se sale del papel por abajo")
                           : QStringLiteral("se monta sobre la etiqueta de abajo"));
        }
    }
    return result;
}

}  // namespace fichas
