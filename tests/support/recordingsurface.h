#pragma once

#include <QList>
#include <QStringList>

#include "common/core/walks/surface.h"

// A surface that keeps every operation, for tests of the label walks.
// The line spacing is a fixed function of the size, so positions after a
// Print can be predicted: 1.2 times the size, in points; so is the width of
// a text: half the size for every character. The area is an A4 page unless
// set otherwise.
class RecordingSurface : public DrawingSurface {
public:
    struct Line {
        int sheet;  // from 1
        double xCm;
        double yCm;
        QString text;
        QString face;
        double sizePt;
        bool bold;
        bool italic;
    };

    struct Segment {
        int sheet;
        double x1Cm, y1Cm, x2Cm, y2Cm;
    };

    static double lineSpacingFor(double points) { return points * 1.2 / 72.0 * 2.54; }
    static double widthFor(const QString& text, double points) {
        return double(text.size()) * points * 0.5 / 72.0 * 2.54;
    }

    double textWidthCm(const QString& text) override { return widthFor(text, fontSize()); }
    double areaWidthCm() override { return m_areaWidthCm; }
    double areaHeightCm() override { return m_areaHeightCm; }
    void setArea(double widthCm, double heightCm) {
        m_areaWidthCm = widthCm;
        m_areaHeightCm = heightCm;
    }

    bool newPage() override;
    bool endDoc() override;
    bool cls() override;

    const QList<Line>& lines() const { return m_lines; }
    const QList<Segment>& segments() const { return m_segments; }
    // Barcodes' bars, each as a segment from one corner to the other.
    const QList<Segment>& rects() const { return m_rects; }
    // The sheet the last line was drawn on: a page break counts only once
    // something is drawn after it, as on paper.
    int sheets() const { return m_sheets; }
    int pageBreaks() const { return m_pageBreaks; }
    int clears() const { return m_clears; }
    bool ended() const { return m_ended; }
    // "print(QA76)", "newPage", "cls" ... in order.
    const QStringList& log() const { return m_log; }

protected:
    double drawText(double xCm, double yCm, const QString& text) override;
    double lineSpacingCm() override { return lineSpacingFor(fontSize()); }
    bool drawSegment(double x1Cm, double y1Cm, double x2Cm, double y2Cm) override;
    bool drawBars(double leftCm, double topCm, double moduleCm, double heightCm,
                  std::span<const Bar> bars) override;

private:
    // Starts the sheet that page breaks asked for, when something is drawn.
    void startPendingSheet();

    double m_areaWidthCm = 21.0;
    double m_areaHeightCm = 29.7;
    QList<Line> m_lines;
    QList<Segment> m_segments;
    QList<Segment> m_rects;
    QStringList m_log;
    int m_sheets = 0;
    int m_pageBreaks = 0;
    int m_clears = 0;
    bool m_ended = false;
};
