#pragma once

#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

class QPageLayout;
class QPrinter;
class QPrinterInfo;
struct Stock;

// How a stock's paper goes to a printer. A roll label printer takes one
// label as its page, and its driver prints on a page of its own unless the
// job's is exactly one the driver knows; some of them feed the label turned,
// and a page turned by a quarter puts it right.
namespace pagesetup {

// The turns a page can take on a printer, clockwise, in degrees.
inline bool isRotation(int degrees) {
    return degrees == 0 || degrees == 90 || degrees == 180 || degrees == 270;
}

// The page a paper of `paperMm` goes out on, turned by `degrees`.
QSizeF turnedMm(QSizeF paperMm, int degrees);

// The printer's own paper of `pageMm`, within a millimetre, so that its
// driver knows it by its own name ("w54h144" for a Dymo 11355); else
// exactly that size, named `name`, snapped to no standard one.
QPageSize pageSizeFor(const QPrinterInfo& printer, QSizeF pageMm, const QString& name);

// Puts `printer` on the page `stock` goes out on, turned by `degrees`.
// False when the printer keeps another page: a driver may refuse a size.
bool applyPage(QPrinter& printer, const Stock& stock, int degrees);

// Where a point of the paper (cm, from its corner) lands on the page
// turned by `degrees`.
QTransform paperToPage(QSizeF paperCm, int degrees);

// The part of the paper the printer prints, on the paper as the walk draws
// it (cm, from its corner): the page's least margins turned back.
QRectF printableOnPaperCm(const QPageLayout& layout, int degrees);
// The paper the page of `layout` carries, turned back by `degrees`, in cm.
QSizeF paperCmOf(const QPageLayout& layout, int degrees);

}  // namespace pagesetup
