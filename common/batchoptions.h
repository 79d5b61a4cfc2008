#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include "paintersurface.h"

// The command line of the windowless job both programs offer:
// PROGRAM --pdf ARCHIVO.pdf [--font-size N] [--paper a4|letter]
struct BatchOptions {
    QString pdf;
    QString fontSize = QStringLiteral("8");
    PdfSurface::Paper paper = PdfSurface::Paper::A4;
    bool help = false;
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

// What the windowless jobs of both programs share around what each draws.
struct BatchRun {
    BatchOptions options;
    QString printFile;  // where the settings file says the print file is
};

// Reads the command line, then the settings file as the window's load step
// does. Returns the exit status when the job ends here (its help, a wrong
// command line, a missing value), or -1 with `run` filled to go on.
int startBatch(const QStringList& arguments, bool withFontSize, const QString& help, QTextStream& out,
               QTextStream& err, BatchRun& run);

// After generation: the notice and a failing status when the print file could
// not be read, otherwise "Se han generado n etiquetas" and -1 to go on.
int reportGeneration(bool readable, qint64 labelCount, const QString& printFile, QTextStream& out,
                     QTextStream& err);

// After drawing into `pdf`: kBatchOk, or the reason and kBatchPdfNotWritten.
int finishBatch(bool printed, const DrawingSurface& pdf, QTextStream& err);

// Runs `job` as the whole program without any window or display: a
// QGuiApplication on the offscreen platform, and only the job's own
// messages on standard error. Returns its exit status.
int runWithoutWindow(int argc, char** argv, int (*job)(const QStringList& arguments));
