#pragma once

#include <QString>
#include <QStringList>

#include "common/core/generar.h"
#include "common/core/sheetflow.h"
#include "common/paint/paintersurface.h"

class QTextStream;

// The windowless job both programs offer: "Generar" then "Imprimir" into a
// PDF, PROGRAM --pdf ARCHIVO.pdf [--font-size N] [--paper a4|letter].

struct BatchOptions {
    QString pdf;
    QString fontSize = QStringLiteral("8");
    PdfSurface::Paper paper = PdfSurface::Paper::A4;
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
};

// Whether the command line asks for the windowless job (or its help).
bool isBatchCommandLine(const QStringList& arguments);

// Reads the options after the program's name. Returns the problem in
// Spanish, or an empty text when the line is fine. `--font-size` is taken
// only when `withFontSize` is set.
QString parseBatchOptions(const QStringList& arguments, bool withFontSize, BatchOptions& options);

// What a program puts into the job.
struct BatchProgram {
    QString name;  // "lomos", "fichas"
    QString help;  // the text of --help
    bool withFontSize = false;
    // Fills the program's labels, as its "Generar" does.
    generar::Generate generate;
    // The walk its "Imprimir" does over those labels.
    std::function<LabelWalk(const BatchOptions&)> printWalk;
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
