#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "common/core/sheets/labelgrid.h"
#include "common/core/sheets/stock.h"
#include "common/core/walks/pageflow.h"
#include "common/core/walks/testsheet.h"
#include "fichas/core/fullgeneration.h"
#include "fichas/core/fulllook.h"

class DrawingSurface;

namespace fichas {

// A sheet of full labels: 36, in 12 rows of 3.
inline constexpr LabelGrid kFullSheet{12, 3};

// Where the labels of a sheet stand, place by place in the sheet's order.
// On the program's own sheet the printed sheet and the preview use
// different places, measured from the printable area's corner; on a stock,
// the places are inside its labels, from the paper's corner.
struct LabelPlaces {
    LabelGrid grid;
    std::vector<double> x;  // where the label's text starts, cm
    std::vector<double> y;
    // A stock's labels' right and bottom edges, which the check keeps the
    // text within; none on the program's own sheet.
    std::vector<double> labelRightCm, labelBottomCm;
};

LabelPlaces printedPlaces();
LabelPlaces previewPlaces();
// A stock's labels, the text `kStockInsetMm` into each, within what the
// printer reaches of the paper (`reachCm`).
LabelPlaces stockPlaces(const Stock& stock, const std::optional<QRectF>& reachCm = {});
constexpr double kStockInsetMm = 1.5;

// The places for the test sheet: the corner where each label's call number
// starts.
std::vector<testsheet::Position> testPositions(const LabelPlaces& places);

// One text of a full label, as the walk draws it: its field, where it
// stands from the label's corner, in centimetres, and what it says.
struct LabelText {
    Field field;
    double dx;
    double dy;
    QString text;
    bool cut = false;  // a call-number line longer than the label shows
};

// One label as the walk reads it from the four lists.
struct FullLabel {
    std::vector<LabelText> texts;  // in the order they are drawn
    bool closed = true;            // a separator ends its call number
};

// Reads the labels off the four lists in the walk's order, each text where
// `layout` places it; each list is walked by its own index. The call
// number's lines are cut to 30 characters.
class FullLabelReader {
public:
    explicit FullLabelReader(const FullGeneration& lists, const FullLayout& layout = {})
        : m_labels(lists), m_layout(layout) {}
    // The next label; false at the end of the list, or after a label
    // without its separator.
    bool next(FullLabel& label);

private:
    const FullGeneration& m_labels;
    FullLayout m_layout;
    qsizetype m_barcode = 0, m_callNumber = 0, m_title = 0, m_author = 0;
    bool m_ended = false;
};

constexpr int kMaxCallNumberLine = 30;

// Where the text of the label at `place` may reach on the right: its
// stock label's edge, or on the program's own sheet the next column's text
// (the area's edge past the last column).
double rightEdgeOf(const LabelPlaces& places, int place, double areaWidthCm);

// Draws the full labels of the four lists at the places `cursor` gives them,
// 36 to a sheet at `places`, as `look` draws them: the call number's lines
// at the label's left edge, and to their right the barcode, the author and
// the title. Each list is walked by its own index. A barcode that cannot be
// drawn as the symbol asked for is printed as text.
WalkEnd walkFullLabels(const FullGeneration& lists, const LabelPlaces& places,
                       const FullLook& look, DrawingSurface& surface, const PageFull& pageFull,
                       PlaceCursor& cursor);

// The walk bound to its labels, which it shares.
LabelWalk fullWalk(std::shared_ptr<const FullGeneration> lists, LabelPlaces places,
                   FullLook look = {});

}  // namespace fichas
