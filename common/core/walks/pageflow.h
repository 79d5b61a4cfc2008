#pragma once

#include <QString>
#include <functional>

#include "common/core/check/labelcheck.h"
#include "common/core/sheets/firstsheet.h"

class DrawingSurface;

// What both programs do with a walk over their labels: print its pages, a
// sheet of labels each ("Imprimir", on paper or into a PDF), or show them one
// by one ("Vista Previa").

// Called when a page is full, before the next label is drawn; false ends the
// walk there.
using PageFull = std::function<bool(DrawingSurface&)>;

enum class WalkEnd { EndOfList, Stopped };

// A program's label walk, bound to its labels, places and faces: draws every
// label on the surface at the places `places` gives them and calls
// `pageFull` between pages.
using LabelWalk =
    std::function<WalkEnd(DrawingSurface& surface, const PageFull& pageFull, PlaceCursor& places)>;

struct PrintOutcome {
    bool printed = false;
    QString reason;  // why not, when not printed
    // The last page's sheet, with the places the labels used on it: where
    // the next job can start.
    FirstSheet lastSheet{0};
};

// "Imprimir": the labels start on the free places of `first`, pages break
// with newPage() and the job ends with endDoc(). Not printed when the device
// failed anywhere along the way.
PrintOutcome printPages(const LabelWalk& walk, DrawingSurface& surface, const FirstSheet& first);

// What the window says afterwards: "Recoja sus impresiones", or why not.
QString printOutcomeMessage(const PrintOutcome& outcome);

// "Vista Previa": the job's pages, drawn on `pages` with a page break after
// each full one. Returns how many the labels filled: the preview asks
// whether to go on after each of them, the last one too.
int previewPages(const LabelWalk& walk, DrawingSurface& pages, const FirstSheet& first);

// Before "Imprimir" and "Vista Previa": the program's check runs on the
// surface that will draw. Goes ahead (true) when there are labels and the
// check found nothing, or `printAnyway` accepts what it found; otherwise
// false, after `tell` has said that there is no label to print.
bool checkBeforePrinting(
    const labelcheck::Check& check, DrawingSurface& surface,
    const std::function<void(const QString&)>& tell,
    const std::function<bool(const std::vector<labelcheck::Finding>&)>& printAnyway);
