#pragma once

#include <QStringList>
#include <functional>

#include "fullgeneration.h"

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
// `sheetFull` is called when a sheet is complete; false ends the walk.
// Returns false when the walk was ended that way.
bool walkFullLabels(const FullGeneration& lists, const SheetPlaces& places, DrawingSurface& surface,
                    const std::function<bool(DrawingSurface&)>& sheetFull, int& contador);

// Printing, on paper or into a PDF: sheets break with newPage() and the job
// ends with endDoc(). False when the device failed (see surface.error()).
bool printFullSheets(const FullGeneration& lists, DrawingSurface& surface, int& contador);

inline const QString kTextFace = QStringLiteral("Times New Roman");
inline const QString kCallNumberFace = QStringLiteral("arial");

}  // namespace fichas
