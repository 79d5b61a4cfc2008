#include "common/paint/pagerecording.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

// The picture on screen that the preview always was, its dots per metre
// from the screen's logical resolution.
QImage screenPicture() {
    const double dpi = QGuiApplication::primaryScreen()
                           ? QGuiApplication::primaryScreen()->logicalDotsPerInch()
                           : 96;
    QImage image(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

}  // namespace

PageRecording::PageRecording(double widthCm, double heightCm)
    : m_widthCm(widthCm), m_heightCm(heightCm), m_pages(1), m_measures(screenPicture()) {}

std::vector<PageRecording::Mark>& PageRecording::currentPage() {
    for (; m_pageBreaksPending > 0; --m_pageBreaksPending) m_pages.emplace_back();
    return m_pages.back();
}

void PageRecording::measureInThisFont() {
    m_measures.setFontName(fontName());
    m_measures.setFontSize(fontSize());
    m_measures.setBold(bold());
    m_measures.setItalic(italic());
}

double PageRecording::textWidthCm(const QString& text) {
    measureInThisFont();
    return m_measures.textWidthCm(text);
}

double PageRecording::lineSpacingCm() {
    measureInThisFont();
    return m_measures.lineHeightCm();
}

double PageRecording::drawText(double xCm, double yCm, const QString& text) {
    currentPage().push_back(
        {Kind::Text, xCm, yCm, xCm, yCm, text, fontName(), fontSize(), bold(), italic()});
    return lineSpacingCm();
}

bool PageRecording::drawSegment(double x1Cm, double y1Cm, double x2Cm, double y2Cm) {
    currentPage().push_back({Kind::Segment, x1Cm, y1Cm, x2Cm, y2Cm, {}, {}, 0, false, false});
    return true;
}

bool PageRecording::drawBars(double leftCm, double topCm, double moduleCm, double heightCm,
                             std::span<const Bar> bars) {
    currentPage().push_back({Kind::Bars, leftCm, topCm, moduleCm, heightCm, {}, {}, 0, false,
                             false, std::vector<Bar>(bars.begin(), bars.end())});
    return true;
}

bool PageRecording::cls() {
    currentPage().clear();
    return DrawingSurface::cls();
}

QImage PageRecording::paint(int page, QImage image) const {
    image.fill(Qt::white);
    if (page < 0 || page >= pageCount()) return image;
    ImageSurface surface(std::move(image));
    for (const Mark& mark : m_pages[size_t(page)]) {
        if (mark.kind == Kind::Segment) {
            surface.drawLine(mark.x1Cm, mark.y1Cm, mark.x2Cm, mark.y2Cm);
            continue;
        }
        if (mark.kind == Kind::Bars) {
            surface.fillBars(mark.x1Cm, mark.y1Cm, mark.x2Cm, mark.y2Cm, mark.bars);
            continue;
        }
        surface.setFontName(mark.face);
        surface.setFontSize(mark.points);
        surface.setBold(mark.bold);
        surface.setItalic(mark.italic);
        surface.setCurrentX(mark.x1Cm);
        surface.setCurrentY(mark.y1Cm);
        surface.print(mark.text);
    }
    return surface.image();
}
