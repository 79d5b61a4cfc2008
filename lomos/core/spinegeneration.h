#pragma once

#include <vector>

#include "common/core/design/design.h"
#include "common/core/review/jobselection.h"
#include "common/core/printfile/labellist.h"
#include "common/core/printfile/printfile.h"

namespace lomos {

// The most lines a spine label has: its call number's and those of other
// tags above and below it.
constexpr int kMaxSpineLines = labellist::kMaxCallNumberLines + 2 * design::kMaxTagLines;

// What "Generar" builds from the print file: the label list of call numbers.
struct SpineGeneration {
    labellist::LabelList callNumberLines;  // each label's lines and separator, then "*"
    qint64 labelCount = 0;                 // call-number lines found
    // The labels (from 0) whose call number had more than six parts: the
    // rest was dropped.
    std::vector<qint64> cutLabels;
    printfile::Status status = printfile::Status::Ok;
};

// Reads the print file at `printFilePath`, each call number cut as `design`
// cuts it, with its lines from the item's other tags. A file that cannot be
// read gives the labels read before the failure (none when it did not
// open), and the list still ends with "*".
SpineGeneration generateSpineLabels(const QString& printFilePath,
                                    const design::Design& design = {});
// The same from a device open for reading.
SpineGeneration generateSpineLabels(QIODevice& printFile, const design::Design& design = {});

// The labels of `generated` and after them those of the print-file items
// `more` holds (labels typed by hand).
SpineGeneration joined(SpineGeneration generated, QIODevice& more,
                       const design::Design& design = {});

// The labels of a job: those of `generated` that `selection` names, in its
// order and as many times, closed by the end marker.
SpineGeneration selectSpineLabels(const SpineGeneration& generated,
                                  const jobselection::Selection& selection);

}  // namespace lomos
