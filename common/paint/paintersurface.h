#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTransform>
#include <map>
#include <memory>
#include <tuple>

#include "common/core/walks/surface.h"

class QPagedPaintDevice;
class QPdfWriter;
class SaveFile;
struct Stock;

// The paper of a sheet of labels, by its size and the name the staff know it by.
QPageSize pageSizeOf(const Stock& stock);

// A surface that draws with QPainter on a paint device. Centimetres become
// device units here and nowhere else, from the device's own resolution.
class PainterSurface : public DrawingSurface {
public:
    double textWidthCm(const QString& text) override;
    double areaWidthCm() override { return device()->width() / dotsPerCmX(); }
    double dotCm() override { return 1 / dotsPerCmX(); }
    double areaHeightCm() override { return device()->height() / dotsPerCmY(); }

protected:
    double drawText(double xCm, double yCm, const QString& text) override;
    double lineSpacingCm() override;
    bool drawSegment(double x1Cm, double y1Cm, double x2Cm, double y2Cm) override;
    // The symbol's left edge on a whole dot of the device.
    bool drawBars(double leftCm, double topCm, double moduleCm, double heightCm,
                  std::span<const Bar> bars) override;
    // Makes the painter ready to draw on the current sheet: opens the device
    // and starts the sheets that page breaks asked for.
    bool readyToDraw();
    double dotsPerCmX();
    double dotsPerCmY();

    // Opens the device for painting; false with the reason set when it cannot.
    virtual bool open() = 0;
    // Starts a new sheet on a paged device.
    virtual bool startNextPage() { return true; }
    virtual QPaintDevice* device() = 0;

    QPainter m_painter;

private:
    // A face at a size, with its metrics on this device. The label walks set
    // the font before every line, mostly to what it already was: fonts and
    // metrics are made once per face and size, not once per line.
    struct FontOnDevice {
        QFont font;
        double ascentDots;
        double lineSpacingDots;
        QFontMetricsF metrics;
    };
    const FontOnDevice& currentFont();

    std::map<std::tuple<QString, double, bool, bool>, FontOnDevice> m_fonts;
    const FontOnDevice* m_painterFont = nullptr;  // the font the painter holds now
    const QPaintDevice* m_fontsDevice = nullptr;  // the device m_fonts were measured on
};

// A paged surface (printer or PDF file): the job starts with the first line
// drawn and ends with endDoc().
class PagedSurface : public PainterSurface {
public:
    bool endDoc() override;

protected:
    bool startNextPage() override;
    virtual QPagedPaintDevice* pagedDevice() = 0;
    // Called when the job ended well, to check that it was handed on.
    virtual bool finish() { return true; }
};

// The default printer through the system's print spooler. Positions are from
// the top-left corner of the printable area, on the printer's own paper.
// On a page turned by a quarter or a half (a roll label printer that feeds
// its labels turned) they are on the paper as it comes out: the surface
// turns what it draws, and its printable area is the page's turned back.
class PrinterSurface : public PagedSurface {
public:
    // Takes the default printer.
    PrinterSurface();
    // Takes a printer already set up (by the printer dialog), its page
    // turned clockwise by `degrees` (0, 90, 180 or 270).
    explicit PrinterSurface(std::unique_ptr<QPrinter> printer, int degrees = 0);
    ~PrinterSurface() override;

    QPrinter& printer() { return *m_printer; }
    // Where the printable area starts on the paper, as open() sets it up.
    static QPointF printableCornerCm(const QPrinter& printer, int degrees = 0);

    // The printable area as open() will set it up, before the job starts.
    double areaWidthCm() override;
    double areaHeightCm() override;

protected:
    bool open() override;
    bool startNextPage() override;
    bool finish() override;
    QPaintDevice* device() override { return m_printer.get(); }
    QPagedPaintDevice* pagedDevice() override { return m_printer.get(); }

private:
    // From the printable area of the paper to the device's, in dots.
    QTransform turn();

    std::unique_ptr<QPrinter> m_printer;
    bool m_hasPrinter = false;
    int m_degrees = 0;
};

// A PDF file. Positions are from the top-left corner of the page.
class PdfSurface : public PagedSurface {
public:
    enum class Paper { A4, Letter };
    PdfSurface(const QString& fileName, Paper paper);
    PdfSurface(const QString& fileName, const QPageSize& page);
    static QPageSize pageSize(Paper paper);
    ~PdfSurface() override;

    // Writes the file even when nothing was drawn: one empty page.
    bool endDoc() override;

protected:
    bool open() override;
    QPaintDevice* device() override;
    QPagedPaintDevice* pagedDevice() override;

private:
    QString m_fileName;
    // Written beside the target and renamed over it only when complete.
    std::unique_ptr<SaveFile> m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    bool m_written = false;
};

// An image, for the preview picture. The image keeps what is drawn.
class ImageSurface : public PainterSurface {
public:
    // Draws on `image`, at the scale its dots per metre give.
    explicit ImageSurface(QImage image) : m_image(std::move(image)) {}

    const QImage& image() const { return m_image; }
    // Painted white by cls().

    bool cls() override;

protected:
    bool drawSegment(double x1Cm, double y1Cm, double x2Cm, double y2Cm) override;
    bool drawBars(double leftCm, double topCm, double moduleCm, double heightCm,
                  std::span<const Bar> bars) override;
    // Paints each line and lets go of the image, so that it can be shown
    // between lines (the preview asks its question with a sheet on view).
    double drawText(double xCm, double yCm, const QString& text) override;
    bool open() override;
    QPaintDevice* device() override { return &m_image; }

private:
    QImage m_image;
};
