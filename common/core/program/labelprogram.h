#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "common/core/sheets/firstsheet.h"
#include "common/core/program/generation.h"
#include "common/core/review/jobselection.h"
#include "common/core/check/labelcheck.h"
#include "common/core/review/review.h"
#include "common/core/walks/sheetflow.h"
#include "common/core/sheets/sheetshape.h"
#include "common/core/sheets/stock.h"
#include "common/core/walks/testsheet.h"

// What a job takes besides its labels, as the user chose it.
struct JobSettings {
    QString fontSize = QStringLiteral("8");  // points, as typed (lomos)
    // The sheet of labels in the tray; none for the program's own, which its
    // positions were always measured for.
    std::optional<Stock> stock;
};

// A job ready to print, preview or check: its labels, and where they go on
// the sheet, read when the job was made.
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
    virtual generation::Generated summary() const = 0;
    // A job of these labels: those `selection` names, in its order, with
    // its copies and edits; every label once, as generated, without one.
    // The job refers to these labels: they must outlive it.
    virtual std::unique_ptr<LabelJob> job(const jobselection::Selection* selection,
                                          const JobSettings& settings) const = 0;
};

// A program described once: its sheet, what "Generar" builds, the test
// sheet's crosses, its windowless job's options and help, and what its main
// window says differently. The main window and the windowless job both read
// it.
struct LabelProgram {
    // What the main window says differently.
    struct Window {
        double statusPoints;    // lblEspere's size, as designed
        bool printerDialog;     // "Imprimir" asks for the printer first
        QString continueTitle;  // the question between preview sheets
        QString continueText;
    };

    QString name;  // "lomos", "fichas": names the user's own settings
    SheetShape sheet;       // its own sheet's
    QString ownSheetName;   // its own sheet, as the staff know it
    Window window;
    QString help;      // --help: the usage, what it does and its own options
    QString helpNote;  // a paragraph of its own at the end of --help, if any
    bool takesFontSize = false;
    // "Generar": the labels of the print file at the path.
    std::function<std::unique_ptr<GeneratedLabels>(const QString& printFile)> generate;
    // Where the test sheet's crosses stand.
    std::function<std::vector<testsheet::Position>(const JobSettings& settings)> crosses;

    // The rows and columns of the sheet a job prints on.
    SheetShape shapeOf(const JobSettings& settings) const {
        return settings.stock ? settings.stock->shape() : sheet;
    }
};
