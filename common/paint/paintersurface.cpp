#include "common/paint/paintersurface.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinterInfo>

#include "common/core/files/savefile.h"
#include "common/core/sheets/stock.h"
#include "common/paint/pagesetup.h"

#ifdef ETIQUETAS_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(printing)
};

constexpr double kCmPerInch = 2.54;
// Fine enough that a rounded position is off by far less than 0.01 mm.
constexpr int kPdfDpi = 1200;
}  // namespace

// ---- PainterSurface -------------------------------------------------------

const PainterSurface::FontOnDevice& PainterSurface::currentFont() {
    if (m_fontsDevice != device()) {
        m_fonts.clear();
        m_painterFont = nullptr;
        m_fontsDevice = device();
    }
    const auto key = std::make_tuple(fontName(), fontSize(), bold(), italic());
    auto it = m_fonts.find(key);
    if (it == m_fonts.end()) {
        QFont font(fontName());
        font.setPointSizeF(fontSize());
        font.setBold(bold());
        font.setItalic(italic());
        const QFontMetricsF metrics(font, device());
        it = m_fonts
                 .emplace(key, FontOnDevice{font, metrics.ascent(), metrics.lineSpacing(), metrics})
                 .first;
    }
    return it->second;
}

double PainterSurface::dotsPerCmX() { return device()->logicalDpiX() / kCmPerInch; }
double PainterSurface::dotsPerCmY() { return device()->logicalDpiY() / kCmPerInch; }

double PainterSurface::lineSpacingCm() { return currentFont().lineSpacingDots / dotsPerCmY(); }

double PainterSurface::textWidthCm(const QString& text) {
    return currentFont().metrics.horizontalAdvance(text) / dotsPerCmX();
}

bool PainterSurface::readyToDraw() {
    if (!m_painter.isActive()) {
        if (!open()) return false;
        m_painterFont = nullptr;  // a new painting starts with the default font
    }
    while (m_pageBreaksPending > 0) {
        if (!startNextPage()) return false;
        --m_pageBreaksPending;
    }
    return true;
}

bool PainterSurface::drawSegment(double x1Cm, double y1Cm, double x2Cm, double y2Cm) {
    if (!readyToDraw()) return false;
    // A quarter of a point: thin, yet seen on any printer.
    m_painter.setPen(QPen(Qt::black, 0.25 / 72.0 * device()->logicalDpiX()));
    m_painter.drawLine(QPointF(x1Cm * dotsPerCmX(), y1Cm * dotsPerCmY()),
                       QPointF(x2Cm * dotsPerCmX(), y2Cm * dotsPerCmY()));
    return true;
}

bool PainterSurface::drawBars(double leftCm, double topCm, double moduleCm, double heightCm,
                              std::span<const Bar> bars) {
    if (!readyToDraw()) return false;
    std::vector<QRectF> rects;
    rects.reserve(bars.size());
    for (const Bar& bar : bars) rects.emplace_back(bar.start, 0, bar.width, 1);
    // One call for the symbol, in modules across and its height down: a PDF
    // gets one path of small numbers. The symbol's left edge on a whole dot,
    // its modules as moduleCmFor() chose them for this device. The text
    // keeps its pen; the brush draws nothing else.
    const QTransform drawing = m_painter.transform();
    const QPen pen = m_painter.pen();
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Qt::black);
    m_painter.setTransform(QTransform(moduleCm * dotsPerCmX(), 0, 0, heightCm * dotsPerCmY(),
                                      std::round(leftCm * dotsPerCmX()),
                                      std::round(topCm * dotsPerCmY())),
                           true);
    m_painter.drawRects(rects.data(), int(rects.size()));
    m_painter.setTransform(drawing);
    m_painter.setPen(pen);
    return true;
}

double PainterSurface::drawText(double xCm, double yCm, const QString& text) {
    if (!readyToDraw()) return -1;
    const FontOnDevice& font = currentFont();
    if (m_painterFont != &font) {
        m_painter.setFont(font.font);
        m_painterFont = &font;
    }
    const QPointF baseline(xCm * dotsPerCmX(), yCm * dotsPerCmY() + font.ascentDots);
    m_painter.drawText(baseline, text);
    return font.lineSpacingDots / dotsPerCmY();
}

// ---- PagedSurface ---------------------------------------------------------

bool PagedSurface::startNextPage() {
    if (!pagedDevice()->newPage()) {
        return deviceFailure(Text::tr("no se pudo empezar una hoja nueva"));
    }
    return true;
}

bool PagedSurface::endDoc() {
    m_pageBreaksPending = 0;
    if (!m_painter.isActive()) return !deviceFailed();
    if (!m_painter.end()) return deviceFailure(Text::tr("el trabajo no se pudo terminar"));
    return finish() && !deviceFailed();
}

// ---- PrinterSurface -------------------------------------------------------

PrinterSurface::PrinterSurface() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    m_hasPrinter = !info.isNull();
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

PrinterSurface::PrinterSurface(std::unique_ptr<QPrinter> printer, int degrees)
    : m_printer(std::move(printer)),
      m_hasPrinter(m_printer != nullptr),
      m_degrees(pagesetup::isRotation(degrees) ? degrees : 0) {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
}

PrinterSurface::~PrinterSurface() {
    if (m_painter.isActive()) m_painter.end();
}

bool PrinterSurface::open() {
    if (deviceFailed()) return false;  // tried once; do not queue a second job
    // Without a printer Qt quietly turns the QPrinter into a PDF writer with
    // no file; only begin() fails then. A PDF file chosen in the printer
    // dialog is a printer all the same.
    const bool toFile =
        m_printer->outputFormat() == QPrinter::PdfFormat && !m_printer->outputFileName().isEmpty();
    if (!m_hasPrinter || !m_printer->isValid() || (!toFile && m_printer->printerName().isEmpty())) {
        return deviceFailure(Text::tr("no hay ninguna impresora predeterminada"));
    }
    // Measure from the corner of the printable area: Qt would otherwise add a
    // margin of its own on top of the printer's.
    const QPageLayout layout = m_printer->pageLayout();
    m_printer->setPageMargins(layout.minimumMargins(), layout.units());
    m_printer->setFullPage(false);
    if (!m_painter.begin(m_printer.get())) {
        return deviceFailure(
            Text::tr("la impresora «%1» no acepta el trabajo").arg(m_printer->printerName()));
    }
    if (m_degrees != 0) m_painter.setTransform(turn());
    return true;
}

bool PrinterSurface::startNextPage() {
    const bool started = PagedSurface::startNextPage();
    if (started && m_degrees != 0) m_painter.setTransform(turn());
    return started;
}

QTransform PrinterSurface::turn() {
    const QPageLayout layout = m_printer->pageLayout();
    const QPointF paperCorner = pagesetup::printableOnPaperCm(layout, m_degrees).topLeft();
    const QPointF pageCorner = printableCornerCm(*m_printer);
    // In centimetres: from the printable area to the paper, onto the turned
    // page, then to the page's printable area; in and out of dots, which
    // may differ across and down.
    const QTransform cm = QTransform::fromTranslate(paperCorner.x(), paperCorner.y()) *
                          pagesetup::paperToPage(pagesetup::paperCmOf(layout, m_degrees), m_degrees) *
                          QTransform::fromTranslate(-pageCorner.x(), -pageCorner.y());
    return QTransform::fromScale(1 / dotsPerCmX(), 1 / dotsPerCmY()) * cm *
           QTransform::fromScale(dotsPerCmX(), dotsPerCmY());
}

namespace {
// The printable area once open() has set the margins to the printer's least.
QRectF printableAreaMm(const QPrinter& printer) {
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    layout.setMargins(layout.minimumMargins());
    return layout.paintRect();
}
}  // namespace

QPointF PrinterSurface::printableCornerCm(const QPrinter& printer, int degrees) {
    if (degrees != 0) return pagesetup::printableOnPaperCm(printer.pageLayout(), degrees).topLeft();
    return printableAreaMm(printer).topLeft() / 10.0;
}

double PrinterSurface::areaWidthCm() {
    return pagesetup::turnedMm(printableAreaMm(*m_printer).size(), m_degrees).width() / 10.0;
}
double PrinterSurface::areaHeightCm() {
    return pagesetup::turnedMm(printableAreaMm(*m_printer).size(), m_degrees).height() / 10.0;
}

bool PrinterSurface::finish() {
    if (m_printer->printerState() == QPrinter::Error ||
        m_printer->printerState() == QPrinter::Aborted) {
        return deviceFailure(Text::tr("el sistema de impresión rechazó el trabajo"));
    }
#ifdef ETIQUETAS_HAVE_CUPS
    // Handing the job to the spooler was the last request Qt made to CUPS in
    // this thread, and Qt does not look at its answer: a queue that does not
    // accept jobs would go unnoticed.
    if (m_printer->outputFormat() == QPrinter::NativeFormat &&
        cupsLastError() >= IPP_STATUS_ERROR_BAD_REQUEST) {
        return deviceFailure(
            Text::tr("la cola «%1» rechazó el trabajo (%2)")
                .arg(m_printer->printerName(), QString::fromUtf8(cupsLastErrorString())));
    }
#endif
    return true;
}

QPageSize pageSizeOf(const Stock& stock) {
    // Exactly the stock's: Qt would otherwise snap a size within a
    // millimetre or so to a standard one.
    return QPageSize(QSizeF(stock.paperWidthMm, stock.paperHeightMm), QPageSize::Millimeter,
                     stock.paperName(), QPageSize::ExactMatch);
}

// ---- PdfSurface -----------------------------------------------------------

PdfSurface::PdfSurface(const QString& fileName, Paper paper)
    : PdfSurface(fileName, pageSize(paper)) {}

QPageSize PdfSurface::pageSize(Paper paper) {
    return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

PdfSurface::PdfSurface(const QString& fileName, const QPageSize& page) : m_fileName(fileName) {
    m_file = std::make_unique<SaveFile>(fileName);
    m_writer = std::make_unique<QPdfWriter>(m_file.get());
    m_writer->setPageSize(page);
    m_writer->setPageMargins(QMarginsF(0, 0, 0, 0));
    m_writer->setResolution(kPdfDpi);
    m_writer->setCreator(
        QStringLiteral("Etiquetas de la biblioteca"));  // the product, in any language
}

PdfSurface::~PdfSurface() {
    if (m_painter.isActive()) m_painter.end();
    if (m_file->isOpen()) m_file->cancelWriting();
}

QPaintDevice* PdfSurface::device() { return m_writer.get(); }
QPagedPaintDevice* PdfSurface::pagedDevice() { return m_writer.get(); }

bool PdfSurface::open() {
    if (deviceFailed()) return false;
    if (!m_file->open(QIODevice::WriteOnly)) {
        return deviceFailure(
            Text::tr("no se pudo escribir %1: %2").arg(m_fileName, m_file->errorString()));
    }
    if (!m_painter.begin(m_writer.get())) {
        m_file->cancelWriting();
        return deviceFailure(Text::tr("no se pudo escribir %1").arg(m_fileName));
    }
    return true;
}

bool PdfSurface::endDoc() {
    if (m_written) return true;  // the file is out; a second end must not replace it
    if (!m_painter.isActive() && !deviceFailed() && !open()) return false;
    if (!PagedSurface::endDoc()) {
        if (m_file->isOpen()) m_file->cancelWriting();
        return false;
    }
    if (!m_file->commitWhole()) {
        return deviceFailure(
            Text::tr("no se pudo escribir %1: %2").arg(m_fileName, m_file->errorString()));
    }
    m_written = true;
    return true;
}

// ---- ImageSurface ---------------------------------------------------------

bool ImageSurface::open() {
    if (!m_painter.begin(&m_image)) {
        return deviceFailure(Text::tr("no se pudo dibujar en la vista previa"));
    }
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    return true;
}

double ImageSurface::drawText(double xCm, double yCm, const QString& text) {
    const double spacing = PainterSurface::drawText(xCm, yCm, text);
    if (m_painter.isActive()) m_painter.end();
    return spacing;
}

bool ImageSurface::drawSegment(double x1Cm, double y1Cm, double x2Cm, double y2Cm) {
    const bool drawn = PainterSurface::drawSegment(x1Cm, y1Cm, x2Cm, y2Cm);
    if (m_painter.isActive()) m_painter.end();
    return drawn;
}

bool ImageSurface::drawBars(double leftCm, double topCm, double moduleCm, double heightCm,
                            std::span<const Bar> bars) {
    const bool drawn = PainterSurface::drawBars(leftCm, topCm, moduleCm, heightCm, bars);
    if (m_painter.isActive()) m_painter.end();
    return drawn;
}

bool ImageSurface::cls() {
    m_image.fill(Qt::white);
    return DrawingSurface::cls();
}
