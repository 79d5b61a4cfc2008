#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>

#include "common/core/sheets/labelgrid.h"

// A sheet of labels as a supplier sells it: labels of one size in rows and
// columns at an even pitch on a sheet of paper. Lengths in millimetres, from
// the paper's top-left corner.
struct Stock {
    QString name;         // "Herma 4102", or the name the user gave it
    QString description;  // the supplier's words, when the catalogue has them
    double paperWidthMm = 0;
    double paperHeightMm = 0;
    double labelWidthMm = 0;
    double labelHeightMm = 0;
    int columns = 0;
    int rows = 0;
    double leftMm = 0;  // the first label's corner
    double topMm = 0;
    double pitchXMm = 0;  // from one label's corner to the next one's
    double pitchYMm = 0;

    LabelGrid grid() const { return {rows, columns}; }
    // Where the label at `place` (from 0, row by row) starts on the paper, in cm.
    double labelLeftCm(int place) const;
    double labelTopCm(int place) const;

    // Why the labels cannot be printed as laid out, in Spanish; empty when
    // they can: no rows or columns, sizes that are not positive, labels
    // that overlap, labels past the paper, more labels than any sheet holds.
    QString problem() const;
    // "44 etiquetas de 48,3 × 25,4 mm (4 columnas, 11 filas), A4"
    QString summary() const;
    // The paper's name when it is one of the common ones, else its size.
    QString paperName() const;

    bool operator==(const Stock&) const = default;
};

// Where the text of the label at `place` starts, in cm from the paper's
// corner: `insetMm` into the label, and no nearer the paper's edge than the
// printer prints (`reachCm`, the part of the paper it reaches).
QPointF textCornerCm(const Stock& stock, int place, double insetMm,
                     const std::optional<QRectF>& reachCm);
