#pragma once

#include <optional>
#include <vector>

#include "common/core/sheets/labelgrid.h"
#include "common/core/walks/pageflow.h"

// The test sheet for calibration: laid on a sheet of labels against the
// light, it shows where each label's text would start.
namespace testsheet {

// Numbered as the staff know them: places from 1, as the start field counts
// them; rows and columns from 0, as the coordinate editor names them.
struct Position {
    int place;
    int row;
    int column;
    std::optional<double> xCm;  // unknown when the entry is not a number
    std::optional<double> yCm;
};

// Arms of a cross, from its centre.
constexpr double kCrossArmCm = 0.25;

// Walks one sheet: a centimetre ruler along one horizontal and one vertical
// edge of the area (the top and the left, or the bottom and the right where
// a cross comes near those), and at each position a small cross whose
// centre is its (X, Y), with
// its place, row and column and its X and Y beside it ("5: fila 1, col. 1" over
// "X 2,80  Y 0,00"). A position whose X or Y is not a number has no cross;
// its row, column and entries are listed at the foot of the sheet.
LabelWalk walk(std::vector<Position> positions);

// The places (from 1) of four crosses to measure for the correction: the
// corners of the first and the last row whose corner crosses stand whole on
// the sheet.
std::vector<int> measurableCorners(const std::vector<Position>& positions, LabelGrid grid);

// One label to see how a roll label printer feeds its labels: its outline a
// millimetre in from the edges, where the printer may not reach, and
// "ARRIBA" with an arrow at its top, as the label should come out. Sizes in
// cm, on a page of one label from its corner.
LabelWalk labelWalk(double widthCm, double heightCm, const QString& name);

// The text beside a cross.
QString rowAndColumn(const Position& position);
QString coordinates(const Position& position);

}  // namespace testsheet
