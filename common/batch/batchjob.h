#pragma once

#include <QString>
#include <QStringList>

#include "common/core/generation.h"
#include "common/core/jobselection.h"
#include "common/core/sheetflow.h"
#include "common/core/testsheet.h"
#include "common/paint/paintersurface.h"

class QTextStream;

// The windowless job both programs offer: "Generar" then "Imprimir" into a
// PDF, PROGRAM --pdf ARCHIVO.pdf [--font-size N] [--paper a4|letter]
// [--start N] [--skip LISTA] [--labels LISTA] [--copies N] [--strict], or
// the test sheet with --test-sheet.

struct BatchOptions {
    QString pdf;
    QString fontSize = QStringLiteral("8");
    PdfSurface::Paper paper = PdfSurface::Paper::A4;
    QString start = QStringLiteral("1");
    QString skip;    // places separated by commas
    QString labels;  // the labels to print, by number ("2,5-6"); empty: all
    QString copies = QStringLiteral("1");
    QString correctionFrom;  // measured crosses, "P:x,y;P:x,y;..."
    bool testSheet = false;
    bool strict = false;
    bool help = false;
    bool version = false;
};

// Exit statuses of the windowless job.
enum BatchExit {
    kBatchOk = 0,
    kBatchUsage = 1,
    kBatchMissingSettings = 2,
    kBatchUnreadablePrintFile = 3,
    kBatchPdfNotWritten = 4,
    kBatchCheckFailed = 5,  // --strict and the check found something
};

// Whether the command line asks for the windowless job (or its help).
bool isBatchCommandLine(const QStringList& arguments);

// Reads the options after the program's name. Returns the problem in
// Spanish, or an empty text when the line is fine. `--font-size` is taken
// only when `withFontSize` is set.
QString parseBatchOptions(const QStringList& arguments, bool withFontSize, BatchOptions& options);

// The first sheet that --start and --skip describe, on a sheet of `places`;
// the problem in Spanish when a place is not one of the sheet or none is
// left free.
QString firstSheetOf(const BatchOptions& options, int places, FirstSheet& first);

// What a program puts into the job.
struct BatchProgram {
    QString name;      // "lomos", "fichas"
    QString help;      // --help: the usage, what it does and the program's own options
    QString helpNote;  // a paragraph of its own at the end of --help, if any
    bool withFontSize = false;
    // Fills the program's labels, as its "Generar" does.
    generation::Generate generate;
    // Keeps of the program's labels those of the job, in its order.
    std::function<void(const jobselection::Selection&)> select;
    int placesPerSheet = 0;
    // The walk its "Imprimir" does over those labels.
    std::function<LabelWalk(const BatchOptions&)> printWalk;
    // The check before printing them.
    std::function<labelcheck::Check(const BatchOptions&, const FirstSheet&)> check;
    // Where the crosses of its test sheet stand.
    std::function<std::vector<testsheet::Position>()> crosses;
};

// Runs the job: the options, the settings file as the window's load step
// reads it, generation, then the PDF. Returns the exit status.
int runBatchJob(const QStringList& arguments, const BatchProgram& program, QTextStream& out,
                QTextStream& err);

// Runs `job` as the whole program without any window or display: a
// QGuiApplication on the offscreen platform (the native one on Windows),
// and only the job's own
// messages on standard error. Returns its exit status.
int runWithoutWindow(int argc, char** argv, int (*job)(const QStringList& arguments));
