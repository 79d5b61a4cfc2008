#pragma once

#include <QString>
#include <functional>

class DrawingSurface;

// What both programs do with a walk over their labels: print the sheets
// ("Imprimir", on paper or into a PDF) or show them one by one ("Vista
// Previa").

// Called when a sheet is full, before the next label is drawn; false ends the
// walk there.
using SheetFull = std::function<bool(DrawingSurface&)>;

enum class WalkEnd { EndOfList, Stopped };

// A program's label walk, bound to its labels, places and faces: draws every
// label on the surface and calls `sheetFull` between sheets.
using LabelWalk = std::function<WalkEnd(DrawingSurface& surface, const SheetFull& sheetFull)>;

struct PrintOutcome {
    bool printed = false;
    QString reason;  // why not, when not printed
};

// "Imprimir": sheets break with newPage() and the job ends with endDoc(). Not
// printed when the device failed anywhere along the way.
PrintOutcome printSheets(const LabelWalk& walk, DrawingSurface& surface);

// What the window says afterwards: "Recoja sus impresiones", or why not.
QString printOutcomeMessage(const PrintOutcome& outcome);

// "Vista Previa": every full sheet stays on view until `askContinue` says
// yes; the picture is then cleared for the next one. No ends the preview.
WalkEnd previewSheets(const LabelWalk& walk, DrawingSurface& picture,
                      const std::function<bool()>& askContinue);
