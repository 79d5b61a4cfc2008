#pragma once

#include <QStringList>

class QTextStream;

// `lomos --pdf ARCHIVO.pdf [--font-size N] [--paper a4|letter]`: the whole job
// without a window, into a PDF. Returns the exit status.
int runBatch(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Whether the command line asks for the batch job (or its help).
bool isBatchCommandLine(const QStringList& arguments);

// Exit statuses of the batch job.
enum BatchExit {
    kBatchOk = 0,
    kBatchUsage = 1,
    kBatchMissingSettings = 2,
    kBatchUnreadablePrintFile = 3,
    kBatchPdfNotWritten = 4,
};
