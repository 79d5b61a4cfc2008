#pragma once

#include <vector>

#include "common/core/firstsheet.h"
#include "common/core/labelcheck.h"
#include "common/core/labellist.h"
#include "lomos/core/coordinates.h"

namespace lomos {

// The check before printing the spine labels of `list` at the positions of
// `table`, from the free places of `first`, in bold `face` at `fontSizeText`
// points, measured on `surface`. It finds a line wider than its label (up to
// the next column's X; in the last column, up to the right edge of the
// area), lines that run past the next row's Y (in the last row, past the
// bottom of the area), a call number whose parts after the sixth were
// dropped (`cutLabels`, from 0), and a label with no line to print.
labelcheck::Result checkSpineLabels(const labellist::LabelList& list,
                                    const std::vector<qint64>& cutLabels,
                                    const CoordinateTable& table, const QString& fontSizeText,
                                    const QString& face, const FirstSheet& first,
                                    DrawingSurface& surface);

}  // namespace lomos
