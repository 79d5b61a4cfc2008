#pragma once

#include <QByteArray>

// Realistic item-label print files for the benchmarks: the client's layout
// (a section per item, the call number, title, author and barcode among
// other tagged lines), Spanish titles and names with accents in UTF-8, long
// titles, call numbers of 3 to 7 parts. The same count and seed give the
// same bytes.
QByteArray makePrintFile(int items, unsigned seed = 1);
