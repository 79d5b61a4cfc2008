#include "fichas/core/fulllook.h"

#include <algorithm>
#include <cmath>

#include "common/core/walks/surface.h"

namespace fichas {
namespace {

// The bars' height: a scanner reads far less, and the label keeps room
// for the author and the title below.
constexpr double kBarHeightCm = 0.5;
constexpr double kGapBelowSymbolCm = 0.05;

FieldFace faceOf(const design::Face& given, const FieldFace& fallback) {
    return {given.name.value_or(fallback.name), given.points.value_or(fallback.points),
            given.bold.value_or(fallback.bold), given.italic.value_or(fallback.italic)};
}

double lineHeightOf(DrawingSurface& surface, const FieldFace& face) {
    useFace(surface, face);
    return surface.lineHeightCm();
}

}  // namespace

FullLook lookOf(const design::Full& full) {
    FullLook look;
    for (int f = 0; f < kFieldCount; ++f)
        look.faces[size_t(f)] = faceOf(full.fields[f], look.faces[size_t(f)]);
    look.barcode = full.barcode;
    return look;
}

void useFace(DrawingSurface& surface, const FieldFace& face) {
    surface.setScaleMode(DrawingSurface::kCentimetres);
    surface.setBold(face.bold);
    surface.setItalic(face.italic);
    surface.setFontName(face.name);
    surface.setFontSize(face.points);
}

FullLayout layoutOn(const FullLook& look, DrawingSurface& surface) {
    const FullLook always;
    FullLayout layout;
    auto step = [&](Field field) {
        const FieldFace& face = look.faces[size_t(field)];
        if (face == always.faces[size_t(field)]) return kLineStepCm;
        return std::max(kLineStepCm, lineHeightOf(surface, face));
    };
    layout.callNumberStep = step(kCallNumberField);
    layout.authorStep = step(kAuthorField);
    layout.titleStep = step(kTitleField);
    if (look.barcode != design::Symbology::Text) {
        layout.barcodeDx = layout.textDx;
        layout.barHeightCm = kBarHeightCm;
        layout.digitsHeightCm = lineHeightOf(surface, look.faces[kBarcodeField]);
        layout.authorTop = kBarHeightCm + layout.digitsHeightCm + kGapBelowSymbolCm;
    } else if (look.faces[kBarcodeField] != always.faces[kBarcodeField]) {
        // The gap the program always left below the barcode's line.
        const double gap = layout.authorTop - lineHeightOf(surface, always.faces[kBarcodeField]);
        layout.authorTop =
            std::max(layout.authorTop, lineHeightOf(surface, look.faces[kBarcodeField]) + gap);
    }
    return layout;
}

double moduleCmFor(design::Symbology symbology, const barcode::Symbol& symbol, double roomCm,
                   double dotCm) {
    const double fitting = roomCm / (symbol.widthModules + 2 * barcode::kQuietModules);
    const double module = symbology == design::Symbology::Code128
                              ? kModuleCm
                              : std::clamp(fitting, kLeastModuleCm, kModuleCm);
    if (dotCm <= 0) return module;
    const double least = std::ceil(kLeastModuleCm / dotCm - 1e-9) * dotCm;
    if (symbology == design::Symbology::Code128) return std::ceil(module / dotCm - 1e-9) * dotCm;
    return std::max(least, std::floor(module / dotCm + 1e-9) * dotCm);
}

void drawSymbol(DrawingSurface& surface, const barcode::Symbol& symbol, double x, double y,
                double moduleCm, const FullLayout& layout, const FieldFace& digits,
                double digitsWidthCm) {
    const double barsLeft = x + barcode::kQuietModules * moduleCm;
    surface.fillBars(barsLeft, y, moduleCm, layout.barHeightCm, symbol.bars);
    useFace(surface, digits);
    const double middle = barsLeft + symbol.widthModules * moduleCm / 2;
    surface.setCurrentX(middle - digitsWidthCm / 2);
    surface.setCurrentY(y + layout.barHeightCm);
    surface.print(symbol.text);
}

}  // namespace fichas
