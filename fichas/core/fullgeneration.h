#pragma once

#include <QStringList>
#include <array>
#include <string_view>
#include <vector>

#include "common/core/review/jobselection.h"
#include "common/core/printfile/labellist.h"
#include "common/core/printfile/printfile.h"

namespace fichas {

// The fields of a full label, in the order the lists are kept, the review
// shows them and an edit gives them.
enum Field { kBarcodeField, kCallNumberField, kAuthorField, kTitleField, kFieldCount };

// The four label lists of a full-label generation, in step label for label
// only when every item carries each of the four tags once.
struct FullGeneration {
    labellist::LabelList barcodes;         // one line a label, then the separator
    labellist::LabelList callNumberLines;  // its lines, then the separator; "*" at the end
    labellist::LabelList authorLines;      // one or two lines, then the separator; "*" at the end
    labellist::LabelList titleLines;       // one or two lines, then the separator
    qint64 labelCount = 0;                 // call-number lines found
    // The authors and titles (counted from 0) whose wrapping dropped words.
    std::vector<qint64> shortenedAuthors;
    std::vector<qint64> shortenedTitles;
    printfile::Status status = printfile::Status::Ok;

    // The list of a field.
    const labellist::LabelList& list(Field field) const;
    labellist::LabelList& list(Field field);
};

// Authors and titles are wrapped onto two lines of these many characters;
// what is left is dropped.
// The tags a full label is made from, in the order generation reads them.
constexpr std::array<std::string_view, 4> kFullLabelTags = {"<z13-author>", "<z13-title>",
                                                            "<z30-barcode>", "<z30-call-no>"};

constexpr int kAuthorLineLength = 40;
constexpr int kTitleFirstLineLength = 28;
constexpr int kTitleSecondLineLength = 36;

FullGeneration generateFullLabels(const QString& printFilePath);
// The same from a device open for reading.
FullGeneration generateFullLabels(QIODevice& printFile);

// The labels of `generated` and after them those of the print-file items
// `more` holds (labels typed by hand).
FullGeneration joined(FullGeneration generated, QIODevice& more);

// The labels of a job: those of `generated` that `selection` names, in its
// order and as many times. Label k takes the k-th group of each list; a list
// too short for it gives an empty line, as the walk reads it.
FullGeneration selectFullLabels(const FullGeneration& generated,
                                const jobselection::Selection& selection);

// The warning shown when the four lists hold different numbers of labels;
// empty when they agree.
QString mismatchWarning(const FullGeneration& generation);

}  // namespace fichas
