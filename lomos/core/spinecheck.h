#pragma once

#include <vector>

#include "common/core/sheets/firstsheet.h"
#include "common/core/check/labelcheck.h"
#include "common/core/printfile/labellist.h"
#include "lomos/core/coordinates.h"
#include "lomos/core/spinelayout.h"

namespace lomos {

// What the positions of `table` would print blind: none saved, or an X or a
// Y that is empty or not a number, each named by its label, from 1.
std::vector<labelcheck::Finding> checkCoordinates(const CoordinateTable& table, bool saved);

// The check before printing the spine labels of `list` at the positions of
// `table`, from the free places of `first`, with `look` at `fontSizeText`
// points, measured on `surface`. It finds a line wider than its label and
// lines that run past its bottom (or its top, placed from the middle or the
// bottom), a call number whose parts after the sixth were dropped
// (`cutLabels`, from 0), and a label with no line to print. On a stock a
// label ends where the stock's label ends; on the program's own sheet, at
// the next column's X and the next row's Y (past the last ones, at the
// edges of the area).
labelcheck::Result checkSpineLabels(const labellist::LabelList& list,
                                    const std::vector<qint64>& cutLabels,
                                    const CoordinateTable& table, const QString& fontSizeText,
                                    const SpineLook& look, const FirstSheet& first,
                                    DrawingSurface& surface, const Stock* stock = nullptr);

}  // namespace lomos
