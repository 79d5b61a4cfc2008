#include "recordingsurface.h"

double RecordingSurface::drawText(double xCm, double yCm, const QString& text) {
    startPendingSheet();
    m_lines.append({m_sheets, xCm, yCm, text, fontName(), fontSize(), bold(), italic()});
    m_log.append(QStringLiteral("print(%1)").arg(text));
    return lineSpacingCm();
}

bool RecordingSurface::drawSegment(double x1Cm, double y1Cm, double x2Cm, double y2Cm) {
    startPendingSheet();
    m_segments.append({m_sheets, x1Cm, y1Cm, x2Cm, y2Cm});
    return true;
}

bool RecordingSurface::drawBars(double leftCm, double topCm, double moduleCm, double heightCm,
                                std::span<const Bar> bars) {
    startPendingSheet();
    for (const Bar& bar : bars) {
        const double x = leftCm + bar.start * moduleCm;
        m_rects.append({m_sheets, x, topCm, x + bar.width * moduleCm, topCm + heightCm});
    }
    return true;
}

void RecordingSurface::startPendingSheet() {
    if (m_sheets == 0) m_sheets = 1;
    m_sheets += m_pageBreaksPending;
    m_pageBreaksPending = 0;
}

bool RecordingSurface::newPage() {
    ++m_pageBreaks;
    m_log.append(QStringLiteral("newPage"));
    return DrawingSurface::newPage();
}

bool RecordingSurface::endDoc() {
    m_ended = true;
    m_pageBreaksPending = 0;
    m_log.append(QStringLiteral("endDoc"));
    return !deviceFailed();
}

bool RecordingSurface::cls() {
    ++m_clears;
    m_log.append(QStringLiteral("cls"));
    return DrawingSurface::cls();
}
