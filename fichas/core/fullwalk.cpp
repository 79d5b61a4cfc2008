#include "fichas/core/fullwalk.h"

#include <array>
#include <tuple>

#include "common/core/check/labelcheck.h"
#include "common/core/printfile/labellist.h"
#include "common/core/walks/surface.h"

namespace fichas {
namespace {

// The nominal row positions of the sheet; the printed sheet stands 2.5 cm
// higher. The pitch is uneven: these are measured, not computed.
constexpr std::array<double, kFullSheet.rows> kRowCm = {2.6,  5.1,  7.6,  10.0, 12.5, 14.8,
                                                        17.2, 19.7, 22.2, 24.4, 26.8, 29.2};
constexpr double kPrintShiftCm = 2.5;
constexpr std::array<double, kFullSheet.columns> kPrintedColumnCm = {0.8, 7.2, 13.7};
constexpr std::array<double, kFullSheet.columns> kPreviewColumnCm = {1.0, 7.4, 14.2};

// Out of a list's range reads as an empty line, and as the end of a group.
QString entry(const labellist::LabelList& list, qsizetype index) {
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}
bool endsGroup(const labellist::LabelList& list, qsizetype index) {
    return index >= list.size() || list.isSeparator(index);
}

void printAt(DrawingSurface& surface, double xCm, double yCm, const QString& text) {
    surface.setCurrentX(xCm);
    surface.setCurrentY(yCm);
    surface.print(text);
}

}  // namespace

namespace {

LabelPlaces ownSheet(double (*x)(int), double (*y)(int)) {
    LabelPlaces places{kFullSheet, {}, {}, {}, {}};
    for (int p = 0; p < kFullSheet.places(); ++p) {
        places.x.push_back(x(p));
        places.y.push_back(y(p));
    }
    return places;
}

}  // namespace

LabelPlaces printedPlaces() {
    return ownSheet([](int p) { return kPrintedColumnCm[size_t(kFullSheet.columnOf(p))]; },
                    [](int p) { return kRowCm[size_t(kFullSheet.rowOf(p))] - kPrintShiftCm; });
}

// Place 1 stands a millimetre left of its column: deliberate, as the
// preview always showed it.
LabelPlaces previewPlaces() {
    return ownSheet(
        [](int p) { return p == 1 ? 7.3 : kPreviewColumnCm[size_t(kFullSheet.columnOf(p))]; },
        [](int p) { return kRowCm[size_t(kFullSheet.rowOf(p))]; });
}

LabelPlaces stockPlaces(const Stock& stock, const std::optional<QRectF>& reachCm) {
    LabelPlaces places{stock.grid(), {}, {}, {}, {}};
    for (int p = 0; p < stock.grid().places(); ++p) {
        const QPointF corner = textCornerCm(stock, p, kStockInsetMm, reachCm);
        places.x.push_back(corner.x());
        places.y.push_back(corner.y());
        places.labelRightCm.push_back(stock.labelLeftCm(p) + stock.labelWidthMm / 10);
        places.labelBottomCm.push_back(stock.labelTopCm(p) + stock.labelHeightMm / 10);
    }
    return places;
}

std::vector<testsheet::Position> testPositions(const LabelPlaces& places) {
    std::vector<testsheet::Position> positions;
    for (int p = 0; p < places.grid.places(); ++p) {
        positions.push_back({p + 1, places.grid.rowOf(p), places.grid.columnOf(p),
                             places.x[size_t(p)], places.y[size_t(p)]});
    }
    return positions;
}

bool FullLabelReader::next(FullLabel& label) {
    if (m_ended || labellist::isEndOfList(m_labels.callNumberLines, m_callNumber)) return false;
    label.texts.clear();
    auto add = [&label](Field field, double dx, double dy, QString text) {
        label.texts.push_back({field, dx, dy, std::move(text)});
    };
    const auto& [barcodes, callNumbers, titles, authors] = std::tie(
        m_labels.barcodes, m_labels.callNumberLines, m_labels.titleLines, m_labels.authorLines);

    const FullLayout& at = m_layout;
    add(kBarcodeField, at.barcodeDx, 0, entry(barcodes, m_barcode));
    m_barcode += 2;

    double titleTop = at.authorTop + at.authorStep;
    add(kAuthorField, at.textDx, at.authorTop, entry(authors, m_author));
    if (!endsGroup(authors, m_author + 1)) {
        add(kAuthorField, at.textDx, at.authorTop + at.authorStep, entry(authors, m_author + 1));
        m_author += 3;
        titleTop += at.authorStep;
    } else {
        m_author += 2;
    }

    add(kTitleField, at.textDx, titleTop, entry(titles, m_title));
    if (!endsGroup(titles, m_title + 1)) {
        add(kTitleField, at.textDx, titleTop + at.titleStep, entry(titles, m_title + 1));
        m_title += 3;
    } else {
        m_title += 2;
    }

    double dy = 0;
    for (; !endsGroup(callNumbers, m_callNumber); ++m_callNumber, dy += at.callNumberStep) {
        const QString line = callNumbers.at(m_callNumber);
        add(kCallNumberField, 0, dy, line.left(kMaxCallNumberLine));
        label.texts.back().cut = line.size() > kMaxCallNumberLine;
    }
    label.closed = m_callNumber < callNumbers.size();
    m_ended = !label.closed;
    ++m_callNumber;
    return true;
}

double rightEdgeOf(const LabelPlaces& places, int place, double areaWidthCm) {
    if (!places.labelRightCm.empty()) return places.labelRightCm[size_t(place)];
    if (places.grid.inLastColumn(place)) return areaWidthCm;
    return places.x[size_t(place + 1)];
}

namespace {

// The barcode of a label at (x, y) as the symbol `look` asks for; false
// when the value cannot be drawn so.
bool drawBarcodeSymbol(DrawingSurface& surface, labelcheck::WidthGauge& digits,
                       const LabelText& text, const FullLook& look, const FullLayout& layout,
                       double x, double y, double rightEdge) {
    const barcode::Encoded encoded = barcode::encode(look.barcode, text.text);
    if (!encoded.symbol) return false;
    const double left = x + text.dx;
    const double module =
        moduleCmFor(look.barcode, *encoded.symbol, rightEdge - left, surface.dotCm());
    drawSymbol(surface, *encoded.symbol, left, y + text.dy, module, layout,
               look.faces[kBarcodeField], digits.advances(encoded.symbol->text));
    return true;
}

}  // namespace

WalkEnd walkFullLabels(const FullGeneration& lists, const LabelPlaces& places,
                       const FullLook& look, DrawingSurface& surface, const PageFull& pageFull,
                       PlaceCursor& cursor) {
    const bool asAlways = look == FullLook();
    const FullLayout layout = asAlways ? FullLayout() : layoutOn(look, surface);
    const bool symbols = look.barcode != design::Symbology::Text;
    // The digits below the symbols, measured once a character.
    labelcheck::WidthGauge digits(surface);
    const FieldFace& digitsFace = look.faces[kBarcodeField];
    if (symbols) digits.useFont(digitsFace.name, digitsFace.points, digitsFace.bold, digitsFace.italic);
    FullLabelReader reader(lists, layout);
    FullLabel label;
    while (reader.next(label)) {
        const int place = cursor.place();
        const double x = places.x[size_t(place)];
        const double y = places.y[size_t(place)];
        for (const LabelText& text : label.texts) {
            if (symbols && text.field == kBarcodeField && !text.text.trimmed().isEmpty() &&
                drawBarcodeSymbol(surface, digits, text, look, layout, x, y,
                                  rightEdgeOf(places, place, surface.areaWidthCm())))
                continue;
            useFace(surface, look.faces[size_t(text.field)]);
            printAt(surface, x + text.dx, y + text.dy, text.text);
        }
        if (!label.closed) break;
        if (cursor.take() && pageFull && !pageFull(surface)) return WalkEnd::Stopped;
    }
    return WalkEnd::EndOfList;
}

LabelWalk fullWalk(std::shared_ptr<const FullGeneration> lists, LabelPlaces places,
                   FullLook look) {
    return [lists = std::move(lists), places = std::move(places), look = std::move(look)](
               DrawingSurface& surface, const PageFull& pageFull, PlaceCursor& cursor) {
        return walkFullLabels(*lists, places, look, surface, pageFull, cursor);
    };
}

}  // namespace fichas
