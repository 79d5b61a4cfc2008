#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>

// The test spooler's output: a cups-pdf queue writes each job as a PDF into
// the folder named by ETIQUETAS_SPOOLER_OUT.
namespace spoolerjobs {

QString outputDir();
QStringList pdfsNow();
// Waits until the queue has no pending job and a PDF not in `before` is
// there; its path, or empty after a minute.
QString waitForNewPdf(const QStringList& before);
// Where the printable area of the default printer begins on its paper, in
// centimetres from the sheet's top-left corner: positions measured from the
// printable area lie that much further in on paper.
QPointF printableOriginCm();

// The ascent in centimetres of a bold face at a size: cups-pdf's PDFs read
// back with the word's bottom at its baseline.
double ascentCm(const QString& face, double points);

}  // namespace spoolerjobs
