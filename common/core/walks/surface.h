#pragma once

#include <QString>
#include <span>

// What the label walks draw on: the printer, a PDF file, the preview picture,
// or a recording for tests. Positions are in centimetres from the top-left
// corner of the drawing area (the printable area of a printer sheet, the PDF
// page, the picture), X to the right and Y downwards.
//
// An operation that cannot be carried out returns false, leaves the surface
// as it was, and keeps the reason in error(); the callers skip that step.
class DrawingSurface {
public:
    static constexpr int kCentimetres = 7;

    virtual ~DrawingSurface() = default;

    // Only centimetres (7) are supported.
    bool setScaleMode(int mode);
    void setBold(bool bold) { m_bold = bold; }
    void setItalic(bool italic) { m_italic = italic; }
    // Face names match without regard to case, as the font system does.
    void setFontName(const QString& face) { m_face = face; }
    bool setFontSize(double points);
    bool setCurrentX(double xCm);
    bool setCurrentY(double yCm);

    // Draws the text on one line with its left edge at CurrentX and the top
    // of the line at CurrentY (the baseline lies one font ascent lower), no
    // wrapping or clipping; then CurrentX becomes 0 and CurrentY moves one
    // line spacing of the font down. An empty text only moves.
    bool print(const QString& text);

    // Draws a thin straight line between two points; CurrentX and CurrentY
    // stay as they are.
    bool drawLine(double x1Cm, double y1Cm, double x2Cm, double y2Cm);
    // A barcode's bar: where it starts from the symbol's left edge, and how
    // wide it is, in modules.
    struct Bar {
        double start, width;
    };
    // The bars of a symbol whose modules are `moduleCm` wide, from its left
    // edge `leftCm` across, all from `topCm` down `heightCm`: filled in
    // black, as vectors where the device keeps them. CurrentX and CurrentY
    // stay as they are.
    bool fillBars(double leftCm, double topCm, double moduleCm, double heightCm,
                  std::span<const Bar> bars);

    // One of the device's dots, for bars that fall on whole dots as a
    // printer draws them; 0 where there are none to speak of.
    virtual double dotCm() { return 0; }

    // The width of `text` in the current font, as it would be drawn here.
    virtual double textWidthCm(const QString& text) = 0;
    // One line spacing of the current font.
    double lineHeightCm() { return lineSpacingCm(); }
    // The size of the drawing area: the printable area of a printer sheet,
    // the page of a PDF file, the picture.
    virtual double areaWidthCm() = 0;
    virtual double areaHeightCm() = 0;

    // Ends the sheet; later text goes on a fresh one at (0, 0). The sheet is
    // started only when something is drawn on it, so newPage() right before
    // endDoc() adds no blank sheet.
    virtual bool newPage();
    // Ends the job and hands it on (printer, PDF file).
    virtual bool endDoc() { return true; }
    // Erases the picture and goes back to (0, 0).
    virtual bool cls();

    bool bold() const { return m_bold; }
    bool italic() const { return m_italic; }
    const QString& fontName() const { return m_face; }
    double fontSize() const { return m_sizePt; }

    // The reason the last operation failed; a device failure stays set.
    const QString& error() const { return m_error; }
    // True once the device itself failed (no printer, a file not written):
    // the job did not come out whole.
    bool deviceFailed() const { return m_deviceFailed; }

protected:
    // Draws text whose line top is at (xCm, yCm) and returns the line spacing
    // of the current font in centimetres, or a negative value on failure.
    virtual double drawText(double xCm, double yCm, const QString& text) = 0;
    // The line spacing in centimetres of the current font, without drawing.
    virtual double lineSpacingCm() = 0;
    virtual bool drawSegment(double x1Cm, double y1Cm, double x2Cm, double y2Cm) = 0;
    virtual bool drawBars(double leftCm, double topCm, double moduleCm, double heightCm,
                          std::span<const Bar> bars) = 0;

    bool fail(const QString& reason);
    bool deviceFailure(const QString& reason);
    void resetPosition() { m_xCm = m_yCm = 0; }

    // Sheets ended by newPage() since the last drawing. They are started only
    // when something is drawn after them, so a trailing newPage() adds none.
    int m_pageBreaksPending = 0;

private:
    double m_xCm = 0;
    double m_yCm = 0;
    bool m_bold = false;
    bool m_italic = false;
    QString m_face = QStringLiteral("Times New Roman");
    double m_sizePt = 8;
    QString m_error;
    bool m_deviceFailed = false;
};
