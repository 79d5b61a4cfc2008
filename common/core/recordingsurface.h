#pragma once

#include <QList>
#include <QStringList>

#include "common/core/surface.h"

// A surface that keeps every operation, for tests of the label walks.
// The line spacing is a fixed function of the size, so positions after a
// Print can be predicted: 1.2 times the size, in points.
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
    };

    static double lineSpacingFor(double points) { return points * 1.2 / 72.0 * 2.54; }

    bool newPage() override;
    bool endDoc() override;
    bool cls() override;

    // Makes every drawing fail from now on, as a missing printer does.
    void failDrawing(const QString& reason) { m_failReason = reason; }

    const QList<Line>& lines() const { return m_lines; }
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

private:
    QList<Line> m_lines;
    QStringList m_log;
    QString m_failReason;
    int m_sheets = 0;
    int m_pageBreaks = 0;
    int m_clears = 0;
    bool m_ended = false;
};
