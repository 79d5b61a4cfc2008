#include "ETIQUETAS/core/fullwalk.h"

#include <array>

#include "common/core/labellist.h"
#include "common/core/surface.h"

namespace fichas {
namespace {

constexpr double kPointSize = 8;
constexpr int kMaxCallNumberLine = 30;
constexpr double kLineStepCm = 0.3;

// The nominal row positions of the sheet; the printed sheet stands 2.5 cm
// higher. The pitch is uneven: these are measured, not computed.
constexpr std::array<double, 12> kRowCm = {2.6,  5.1,  7.6,  10.0, 12.5, 14.8,
                                           17.2, 19.7, 22.2, 24.4, 26.8, 29.2};
constexpr double kPrintShiftCm = 2.5;
constexpr std::array<double, 3> kPrintedColumnCm = {0.8, 7.2, 13.7};
constexpr std::array<double, 3> kPreviewColumnCm = {1.0, 7.4, 14.2};

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

SheetPlaces printedPlaces() {
    return {[](int p) { return kPrintedColumnCm[p % 3]; },
            [](int p) { return kRowCm[p / 3] - kPrintShiftCm; }};
}

SheetPlaces previewPlaces() {
    return {[](int p) { return p == 1 ? 7.3 : kPreviewColumnCm[p % 3]; },
            [](int p) { return kRowCm[p / 3]; }};
}

WalkEnd walkFullLabels(const FullGeneration& lists, const SheetPlaces& places,
                       DrawingSurface& surface, const SheetFull& sheetFull) {
    qsizetype barcode = 0, callNumber = 0, title = 0, author = 0;
    int contador = 0;  // labels already placed on this sheet
    double x = places.x(0);
    double y = places.y(0);
    while (!labellist::isEndOfList(lists.lstClasify, callNumber)) {
        surface.setScaleMode(DrawingSurface::kCentimetres);
        surface.setBold(true);
        surface.setFontName(kTextFace);
        surface.setFontSize(kPointSize);

        printAt(surface, x + 1.5, y, entry(lists.lstBarras, barcode));

        double titleOffset = 0;
        printAt(surface, x + 1, y + 0.5, entry(lists.lstAutor, author));
        if (!endsGroup(lists.lstAutor, author + 1)) {
            printAt(surface, x + 1, y + 0.8, entry(lists.lstAutor, author + 1));
            author += 3;
            titleOffset = 0.3;
        } else {
            author += 2;
        }

        printAt(surface, x + 1, y + 0.8 + titleOffset, entry(lists.lstTitulo, title));
        if (!endsGroup(lists.lstTitulo, title + 1)) {
            printAt(surface, x + 1, y + 1.1 + titleOffset, entry(lists.lstTitulo, title + 1));
            title += 3;
        } else {
            title += 2;
        }
        barcode += 2;

        while (!endsGroup(lists.lstClasify, callNumber)) {
            surface.setScaleMode(DrawingSurface::kCentimetres);
            surface.setBold(true);
            surface.setFontName(kCallNumberFace);
            surface.setFontSize(kPointSize);
            printAt(surface, x, y, lists.lstClasify.at(callNumber).left(kMaxCallNumberLine));
            y += kLineStepCm;
            ++callNumber;
        }
        if (callNumber >= lists.lstClasify.size()) break;  // a label without its separator

        ++contador;
        if (contador == SheetPlaces::kPerSheet) contador = 0;
        x = places.x(contador);
        y = places.y(contador);
        if (contador == 0 && sheetFull && !sheetFull(surface)) return WalkEnd::Stopped;
        ++callNumber;
    }
    return WalkEnd::EndOfList;
}

LabelWalk fullWalk(const FullGeneration& lists, const SheetPlaces& places) {
    return [&lists, places](DrawingSurface& surface, const SheetFull& sheetFull) {
        return walkFullLabels(lists, places, surface, sheetFull);
    };
}

}  // namespace fichas
