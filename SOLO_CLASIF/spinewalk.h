#pragma once

#include "labellist.h"
#include <functional>

#include "coordinates.h"

class DrawingSurface;

// The walk over the label list that printing and the preview share: label k
// of the list goes to position k % 33 of sheet k / 33 + 1, its lines 0.3 cm
// apart from the position's (X, Y), each cut to 30 characters.
struct SpineWalk {
    static constexpr int kLabelsPerSheet = 33;
    static constexpr int kMaxLineLength = 30;
    static constexpr double kLineStepCm = 0.3;

    QString face;  // "Times NEw Roman" on paper, "Times New Roman" on screen
    // Called when a sheet is full, before the next label; false ends the walk.
    std::function<bool(DrawingSurface&)> sheetFull;
};

enum class WalkEnd { EndOfList, Stopped };

// Draws the labels of `list` on `surface` at the positions of `table`, in
// bold `walk.face` at `fontSizeText` points. A step that cannot be done (a
// size or coordinate that is not a number, a failing surface) is skipped and
// the walk goes on. `contador` is the sheet position, kept by the caller.
WalkEnd walkSpineLabels(const labellist::LabelList& list, const CoordinateTable& table,
                        const QString& fontSizeText, DrawingSurface& surface,
                        const SpineWalk& walk, int& contador);

// Printing, on paper or into a PDF: sheets break with newPage(), the job ends
// with endDoc(). False when the device failed (see surface.error()).
bool printSpineSheets(const labellist::LabelList& list, const CoordinateTable& table,
                      const QString& fontSizeText, DrawingSurface& surface, int& contador);

inline const QString kPrinterFace = QStringLiteral("Times NEw Roman");
inline const QString kPreviewFace = QStringLiteral("Times New Roman");
