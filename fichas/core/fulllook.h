#pragma once

#include <QString>
#include <array>
#include <optional>

#include "common/barcode/barcode.h"
#include "common/core/design/design.h"
#include "fichas/core/fullgeneration.h"

class DrawingSurface;

// How a design draws a full label: the face of each field, the barcode as
// text or as a symbol, and where the fields stand from the label's corner
// so that larger faces and the symbol keep clear of each other.
namespace fichas {

struct FieldFace {
    QString name;
    double points;
    bool bold;
    bool italic;

    bool operator==(const FieldFace&) const = default;
};

// The faces as the label sheets were laid out with them; "arial" in small
// letters is deliberate and harmless, as face names match without regard to
// case.
inline const QString kTextFace = QStringLiteral("Times New Roman");
inline const QString kCallNumberFace = QStringLiteral("arial");
constexpr double kPointSize = 8;

struct FullLook {
    std::array<FieldFace, kFieldCount> faces = {
        FieldFace{kTextFace, kPointSize, true, false},
        FieldFace{kCallNumberFace, kPointSize, true, false},
        FieldFace{kTextFace, kPointSize, true, false},
        FieldFace{kTextFace, kPointSize, true, false}};
    design::Symbology barcode = design::Symbology::Text;

    bool operator==(const FullLook&) const = default;
};

// The look of `full`, the program's own where it says nothing.
FullLook lookOf(const design::Full& full);

// The lines' spacing and the fields' places the program always printed with.
constexpr double kLineStepCm = 0.3;

// Where the fields of a label stand from its corner, in cm: the call number
// at the left, and to its right the barcode, then the author, then the title.
struct FullLayout {
    double barcodeDx = 1.5;  // its text's, or its symbol's light margin's
    double textDx = 1;       // the author's and the title's
    double authorTop = 0.5;
    double callNumberStep = kLineStepCm;
    double authorStep = kLineStepCm;
    double titleStep = kLineStepCm;
    // A symbol: its bars' height, and its digits' line below them.
    double barHeightCm = 0;
    double digitsHeightCm = 0;
};

// The layout of `look` on `surface`, measured in its faces: a field in a
// face of its own is spaced by that face's line height, 0.3 cm at least;
// the author starts below the barcode's text or symbol.
FullLayout layoutOn(const FullLook& look, DrawingSurface& surface);

// The modules of a symbol: 0.25 mm for Code 128; for Code 39 and Codabar,
// which run wider, the widest from 0.25 down to 0.19 mm that fits `roomCm`
// with its light margins. On a device of dots `dotCm` wide, a whole number
// of dots, none narrower than those: every bar of a width alike on paper.
double moduleCmFor(design::Symbology symbology, const barcode::Symbol& symbol, double roomCm,
                   double dotCm);
constexpr double kModuleCm = 0.025;
constexpr double kLeastModuleCm = 0.019;

// The symbol's width with both light margins, at `moduleCm`.
inline double symbolWidthCm(const barcode::Symbol& symbol, double moduleCm) {
    return (symbol.widthModules + 2 * barcode::kQuietModules) * moduleCm;
}

// Sets `face` on `surface`, in centimetres.
void useFace(DrawingSurface& surface, const FieldFace& face);

// Draws `symbol` with its light margin's left edge at (x, y), its digits
// (`digitsWidthCm` wide) centred below the bars.
void drawSymbol(DrawingSurface& surface, const barcode::Symbol& symbol, double x, double y,
                double moduleCm, const FullLayout& layout, const FieldFace& digits,
                double digitsWidthCm);

}  // namespace fichas
