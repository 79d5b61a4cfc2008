#pragma once

#include <QString>
#include <memory>

#include "common/core/printfile/labellist.h"
#include "common/core/walks/pageflow.h"
#include "lomos/core/coordinates.h"
#include "lomos/core/spinelayout.h"

class DrawingSurface;

namespace lomos {

// The walk over the label list that printing and the preview share: the
// labels go one after another to the places `places` gives them (from the
// first free place of the first sheet, 33 to a sheet), each line cut to 30
// characters; as the program always drew them, 0.3 cm apart from the
// position's (X, Y), or where a design places them in the label.
constexpr int kMaxLineLength = 30;

// The face on paper and on screen, as each was always asked for. The odd
// capital in the printer's name is deliberate and harmless: face names match
// without regard to case, and it is the name the label sheets were laid out
// with, so it stays as it was.
inline const QString kPrinterFace = QStringLiteral("Times NEw Roman");
inline const QString kPreviewFace = QStringLiteral("Times New Roman");

// Calls `label(first, end, closed)` for each label of `list` in order, with
// its lines [first, end) and whether a separator closes it, until the end of
// the list, a label without its separator, or `label` returning false.
template <class OnLabel>
void forEachSpineLabel(const labellist::LabelList& list, OnLabel&& label) {
    qsizetype index = 0;
    while (!labellist::isEndOfList(list, index)) {
        const qsizetype first = index;
        while (index < list.size() && !list.isSeparator(index)) ++index;
        const bool closed = index < list.size();  // a label without its separator ends the list
        if (!label(first, index, closed) || !closed) return;
        ++index;
    }
}

// What a walk draws the labels with, besides their lines and positions.
struct SpineDrawing {
    QString fontSizeText;          // points, as typed
    SpineLook look;
    std::optional<Stock> stock;    // whose labels a design centres in; none: the program's sheet
};

// Draws the labels of `list` on `surface` at the positions of `table`. A
// step that cannot be done (a size or coordinate that is not a number, a
// failing surface) is skipped and the walk goes on; a label whose position
// is not a number is drawn as the program always drew.
WalkEnd walkSpineLabels(const labellist::LabelList& list, const CoordinateTable& table,
                        const SpineDrawing& drawing, DrawingSurface& surface,
                        const PageFull& pageFull, PlaceCursor& places);

// The walk bound to its labels, which it shares.
LabelWalk spineWalk(std::shared_ptr<const labellist::LabelList> list, CoordinateTable table,
                    SpineDrawing drawing);

}  // namespace lomos
