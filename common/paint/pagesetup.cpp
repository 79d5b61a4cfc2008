#include "common/paint/pagesetup.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

#include "common/core/sheets/stock.h"

namespace pagesetup {
namespace {

// A printer's own paper within this of the stock's is the stock's paper:
// catalogues give sizes rounded to a millimetre or a point.
constexpr double kSameMm = 1.0;

bool quarter(int degrees) { return degrees == 90 || degrees == 270; }

QRectF pageRectMm(const QPageLayout& layout) {
    return layout.fullRect(QPageLayout::Millimeter);
}

}  // namespace

QSizeF turnedMm(QSizeF paperMm, int degrees) {
    return quarter(degrees) ? paperMm.transposed() : paperMm;
}

QPageSize pageSizeFor(const QPrinterInfo& printer, QSizeF pageMm, const QString& name) {
    QPageSize best;
    double bestOff = kSameMm;
    for (const QPageSize& own : printer.supportedPageSizes()) {
        const QSizeF ownMm = own.size(QPageSize::Millimeter);
        const double off = std::max(std::abs(ownMm.width() - pageMm.width()),
                                    std::abs(ownMm.height() - pageMm.height()));
        if (off <= bestOff) {
            best = own;
            bestOff = off;
        }
    }
    if (best.isValid()) return best;
    // The nearest whole points, and a quarter over: CUPS takes a custom
    // size down to the whole point below, and 145 may reach it as 144.99.
    const QSizeF points = pageMm / 25.4 * 72;
    return QPageSize(QSizeF(std::round(points.width()) + 0.25, std::round(points.height()) + 0.25),
                     QPageSize::Point, name, QPageSize::ExactMatch);
}

bool applyPage(QPrinter& printer, const Stock& stock, int degrees) {
    const QSizeF pageMm = turnedMm({stock.paperWidthMm, stock.paperHeightMm}, degrees);
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer.printerName());
    const QPageSize page = pageSizeFor(info, pageMm, stock.name);
    // The size as given: a page wider than high is not a portrait turned.
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageSize(page);
    const QSizeF kept = pageRectMm(printer.pageLayout()).size();
    const QSizeF wanted = page.size(QPageSize::Millimeter);
    // Half a point, as the drivers round their sizes.
    constexpr double kHalfPointMm = 25.4 / 144;
    return std::abs(kept.width() - wanted.width()) <= kHalfPointMm &&
           std::abs(kept.height() - wanted.height()) <= kHalfPointMm;
}

QTransform paperToPage(QSizeF paperCm, int degrees) {
    const double w = paperCm.width();
    const double h = paperCm.height();
    switch (degrees) {
        case 90:  // the paper's top goes to the page's right
            return QTransform(0, 1, -1, 0, h, 0);
        case 180:
            return QTransform(-1, 0, 0, -1, w, h);
        case 270:
            return QTransform(0, -1, 1, 0, 0, w);
        default:
            return {};
    }
}

QSizeF paperCmOf(const QPageLayout& layout, int degrees) {
    return turnedMm(pageRectMm(layout).size(), degrees) / 10;
}

QRectF printableOnPaperCm(const QPageLayout& layout, int degrees) {
    QPageLayout least = layout;
    least.setUnits(QPageLayout::Millimeter);
    least.setMargins(least.minimumMargins());
    const QRectF printablePageCm(least.paintRect().topLeft() / 10, least.paintRect().size() / 10);
    const QTransform toPage = paperToPage(paperCmOf(layout, degrees), degrees);
    return toPage.inverted().mapRect(printablePageCm);
}

}  // namespace pagesetup
