#pragma once

#include <QStringList>

class QTextStream;

namespace fichas {

// `fichas --pdf ARCHIVO.pdf [--paper a4|letter]`: what "Imprimir" would
// print, without the printer dialog or any window, into a PDF. Returns the
// exit status.
int runBatch(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace fichas
