#pragma once

#include <QString>

#include "ETIQUETAS/core/fullgeneration.h"
#include "common/core/sheetflow.h"

class DrawingSurface;

namespace fichas {

// Where the 36 labels of a sheet stand: 3 columns by 12 rows, numbered row
// by row. The printed sheet and the preview use different places.
struct SheetPlaces {
    static constexpr int kPerSheet = 36;
    double (*x)(int place);  // left edge of the label, cm
    double (*y)(int place);  // top of the label, cm
};

SheetPlaces printedPlaces();
SheetPlaces previewPlaces();

// Draws the full labels of the four lists, 36 to a sheet at `places`: the
// call number's lines at the label's left edge, and to their right the
// barcode, the author and the title. Each list is walked by its own index.
WalkEnd walkFullLabels(const FullGeneration& lists, const SheetPlaces& places,
                       DrawingSurface& surface, const SheetFull& sheetFull);

// The walk bound to its labels: `lists` must outlive it.
LabelWalk fullWalk(const FullGeneration& lists, const SheetPlaces& places);

inline const QString kTextFace = QStringLiteral("Times New Roman");
inline const QString kCallNumberFace = QStringLiteral("arial");

}  // namespace fichas
