#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "common/paint/paintersurface.h"

// A walk's pages kept as what was drawn on them, to be painted again at any
// size: the preview's. Lines are measured as a picture on screen measures
// them.
class PageRecording : public DrawingSurface {
public:
    // Pages of that size: the paper, or the drawing area of a printer sheet.
    PageRecording(double widthCm, double heightCm);
    PageRecording(const PageRecording&) = delete;
    PageRecording& operator=(const PageRecording&) = delete;

    // The pages drawn on; a page break is a page only once something is
    // drawn after it.
    int pageCount() const { return int(m_pages.size()); }
    double widthCm() const { return m_widthCm; }
    double heightCm() const { return m_heightCm; }
    // `page` painted on `image` over white, at the scale its dots per metre
    // give; a page past the last stays white.
    QImage paint(int page, QImage image) const;

    double textWidthCm(const QString& text) override;
    double areaWidthCm() override { return m_widthCm; }
    double areaHeightCm() override { return m_heightCm; }
    bool cls() override;

protected:
    double drawText(double xCm, double yCm, const QString& text) override;
    double lineSpacingCm() override;
    bool drawSegment(double x1Cm, double y1Cm, double x2Cm, double y2Cm) override;
    bool drawBars(double leftCm, double topCm, double moduleCm, double heightCm,
                  std::span<const Bar> bars) override;

private:
    enum class Kind { Text, Segment, Bars };
    // One line of text, segment or row of bars, where it was drawn.
    struct Mark {
        Kind kind;
        double x1Cm, y1Cm, x2Cm, y2Cm;  // a text's or the bars' corner is (x1, y1)
        QString text;
        QString face;
        double points;
        bool bold, italic;
        std::vector<Bar> bars;  // their module's width is x2, their height y2
    };
    std::vector<Mark>& currentPage();
    void measureInThisFont();

    double m_widthCm, m_heightCm;
    std::vector<std::vector<Mark>> m_pages;
    ImageSurface m_measures;  // a picture on screen, to take the measures on
};
