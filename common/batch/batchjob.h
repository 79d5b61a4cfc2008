#pragma once

#include <QStringList>

class QTextStream;
struct LabelProgram;

// The windowless job both programs offer: "Generar" then "Imprimir" into a
// PDF, with the options each program's --help lists (--pdf, --stock,
// --start, --labels...); the test sheet with --test-sheet; the catalogue's
// stocks with --list-stocks.

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

// What is wrong with --language, whatever else the line holds: a code the
// programs do not speak, or another than the one the administrator locked.
// Empty when it is fine or absent.
QString languageRefusal(const QStringList& arguments);

// Runs the job of `program`: the options, the settings file as the window's
// load step reads it, generation, then the PDF. Returns the exit status.
int runBatchJob(const QStringList& arguments, const LabelProgram& program, QTextStream& out,
                QTextStream& err);

// Runs `job` as the whole program without any window or display: a
// QGuiApplication on the offscreen platform (the native one on Windows),
// and only the job's own messages on standard error. Returns its exit
// status.
int runWithoutWindow(int argc, char** argv, const std::function<int(const QStringList&)>& job);
