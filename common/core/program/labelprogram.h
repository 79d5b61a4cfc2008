#pragma once

#include <QRectF>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "common/core/program/labeljob.h"
#include "common/core/review/review.h"
#include "common/core/sheets/labelgrid.h"
#include "common/core/walks/testsheet.h"

// A program described once: its sheet, what "Generar" builds, the review's
// rules for its labels, the test sheet's crosses, its windowless job's
// options and help, and what its main window says differently. The main
// window and the windowless job both read it.
struct LabelProgram {
    // What the main window says differently.
    struct Window {
        double statusPoints;    // lblEspere's size, as designed
        bool printerDialog;     // "Imprimir" asks for the printer first
        QString continueTitle;  // the question between preview sheets
        QString continueText;
    };
    // The labels of a print file as a design makes them.
    using Generate = std::function<std::unique_ptr<GeneratedLabels>(
        const QString& printFile, const design::Design& design)>;
    using GenerateFrom = std::function<std::unique_ptr<GeneratedLabels>(
        QIODevice& printFile, const design::Design& design)>;

    QString name;          // "lomos", "fichas": names the user's own settings
    LabelGrid ownGrid;     // its own sheet's rows and columns
    QString ownSheetName;  // its own sheet, as the staff know it
    Window window;
    // --help: the usage, what it does and its own options, on a sheet of
    // that grid.
    std::function<QString(LabelGrid grid)> help;
    QString helpNote;  // a paragraph of its own at the end of --help, if any
    bool takesFontSize = false;
    // "Generar": the labels of the print file at the path.
    Generate generate;
    // The labels of print-file items read from a device.
    GenerateFrom generateFrom;
    // Whether a design changes the labels generation makes (where a call
    // number breaks), not only how they are drawn.
    bool designShapesLabels = false;
    // The tags of the print file its labels are made from with a design,
    // brackets and all: what the history keeps of each item.
    std::function<std::vector<QByteArray>(const design::Design& design)> sourceTags;
    // The print-file item of a label typed by hand ("Nueva etiqueta…",
    // --add-label), from its fields as the review shows them.
    std::function<QByteArray(const QStringList& fields)> typedItem;
    // What each field of a label may hold when the review edits it, with a
    // design.
    std::function<std::vector<review::FieldRule>(const design::Design& design)> reviewRules;
    // The design window's rows: the program's section of the design file.
    design::Form designForm;
    // A print-file item the label design window shows its labels with.
    QByteArray sampleItem;
    // The first label of the sheet a job prints on, in cm on the preview's
    // page: the design window draws it alone.
    std::function<QRectF(const JobSettings& settings)> firstLabelCm;
    // Where the test sheet's crosses stand.
    std::function<std::vector<testsheet::Position>(const JobSettings& settings)> crosses;

    // The rows and columns of the sheet a job prints on.
    LabelGrid gridOf(const JobSettings& settings) const {
        return settings.stock ? settings.stock->grid() : ownGrid;
    }
};
