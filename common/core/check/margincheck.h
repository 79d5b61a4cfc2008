#pragma once

#include <QRectF>

#include "common/core/check/labelcheck.h"
#include "common/core/walks/pageflow.h"

// What the printer can reach of its paper. Every printer leaves a band
// unprinted at each edge of the paper, a laser 4 to 6.35 mm and a roll label
// printer several millimetres at the top of a label: a line drawn there is
// cut, though it fits its label.
namespace margincheck {

// The paper and the part of it the printer prints, in a walk's coordinates
// (centimetres): from the paper's corner on a stock, from the printable
// area's corner on the program's own sheet, where the paper starts above
// and left of (0, 0).
struct PrintableArea {
    QRectF paperCm;
    QRectF printableCm;
};

// The lines (and barcodes) of `walk`, drawn from the free places of
// `first` and measured on `measures`, that fall outside the printable area:
// one finding for each, on the label that draws it.
std::vector<labelcheck::Finding> outsidePrintable(const LabelWalk& walk, const FirstSheet& first,
                                                  const PrintableArea& area,
                                                  DrawingSurface& measures);

// `check` with the findings of outsidePrintable() after its own, label by
// label.
labelcheck::Check withPrintableArea(labelcheck::Check check, LabelWalk walk, FirstSheet first,
                                    PrintableArea area);

}  // namespace margincheck
