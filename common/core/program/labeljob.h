#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "common/core/check/labelcheck.h"
#include "common/core/design/design.h"
#include "common/core/printfile/printfile.h"
#include "common/core/review/jobselection.h"
#include "common/core/review/review.h"
#include "common/core/sheets/firstsheet.h"
#include "common/core/sheets/stock.h"
#include "common/core/text/number.h"
#include "common/core/walks/pageflow.h"

// The sizes a label's text may be printed at, in points.
constexpr int kMinFontPoints = 4;
constexpr int kMaxFontPoints = 72;
// Whether a size typed (a decimal point or comma) is one of those.
inline bool isFontSize(const QString& text) {
    const std::optional<double> points = parseNumber(text);
    return points && *points >= kMinFontPoints && *points <= kMaxFontPoints;
}

// What a job takes besides its labels, as the user chose it.
struct JobSettings {
    QString fontSize = QStringLiteral("8");  // points, as typed (lomos)
    // The sheet of labels in the tray; none for the program's own, which its
    // positions were always measured for.
    std::optional<Stock> stock;
    // What each label shows and how; the default draws as the programs
    // always did.
    design::Design design;
    // What the label printer prints of a stock's paper (cm, from its
    // corner): positions not saved yet start inside it. None for a PDF.
    std::optional<QRectF> reachCm;
};

// A job ready to print, preview or check: its labels, and where they go on
// the sheet, read when the job was made. The walks and the check share what
// they draw with the job, so each lives as long as it is kept.
class LabelJob {
public:
    virtual ~LabelJob() = default;
    virtual LabelWalk printWalk() const = 0;
    virtual LabelWalk previewWalk() const = 0;
    // The check before printing, from the free places of `first`, with the
    // faces and sizes that will print.
    virtual labelcheck::Check check(const FirstSheet& first) const = 0;
};

// The labels "Generar" built, in a program's own lists; the review reads
// them one at a time.
class GeneratedLabels : public review::LabelSource {
public:
    // What generation found: how many labels, whether the file read whole,
    // a warning about the labels.
    struct Summary {
        qint64 labelCount = 0;
        printfile::Status status = printfile::Status::Ok;
        QString warning;  // a notice about the labels built, or empty
    };
    virtual Summary summary() const = 0;
    // A job of these labels: those `choice` names, in its order, with its
    // copies and edits, or every label once, as generated.
    virtual std::unique_ptr<LabelJob> job(const jobselection::Choice& choice,
                                          const JobSettings& settings) const = 0;
    // These labels and after them those of the print-file items `more`
    // holds (labels typed by hand), made with `design`.
    virtual std::unique_ptr<GeneratedLabels> plus(QIODevice& more,
                                                  const design::Design& design) const = 0;
};
