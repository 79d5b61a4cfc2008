#pragma once

#include <vector>

#include "common/core/review/jobselection.h"
#include "common/core/printfile/labellist.h"
#include "common/core/printfile/printfile.h"

namespace lomos {

// What "Generar" builds from the print file: the label list of call numbers.
struct SpineGeneration {
    labellist::LabelList callNumberLines;  // each label's lines and separator, then "*"
    qint64 labelCount = 0;                 // call-number lines found
    // The labels (from 0) whose call number had more than six parts: the
    // rest was dropped.
    std::vector<qint64> cutLabels;
    printfile::Status status = printfile::Status::Ok;
};

// Reads the print file at `printFilePath`. A file that cannot be read gives
// the labels read before the failure (none when it did not open), and the
// list still ends with "*".
SpineGeneration generateSpineLabels(const QString& printFilePath);
// The same from a device open for reading.
SpineGeneration generateSpineLabels(QIODevice& printFile);

// The labels of `generated` and after them those of the print-file items
// `more` holds (labels typed by hand).
SpineGeneration joined(SpineGeneration generated, QIODevice& more);

// The labels of a job: those of `generated` that `selection` names, in its
// order and as many times, closed by the end marker.
SpineGeneration selectSpineLabels(const SpineGeneration& generated,
                                  const jobselection::Selection& selection);

}  // namespace lomos
