#pragma once

#include <QStringList>

class QTextStream;

namespace lomos {

// `lomos --pdf ARCHIVO.pdf [--font-size N] [--paper a4|letter]`: the whole job
// without a window, into a PDF. Returns the exit status.
int runBatch(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace lomos
