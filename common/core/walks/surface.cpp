#include "common/core/walks/surface.h"

#include <QCoreApplication>
#include <cmath>

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(surface)
};

// Font sizes the font system handles; outside them an operation fails.
constexpr double kMinPoints = 0.5;
constexpr double kMaxPoints = 1638;
// Positions beyond a few metres are a typing error, not a place on a sheet.
constexpr double kMaxCm = 10000;
}  // namespace

bool DrawingSurface::fail(const QString& reason) {
    m_error = reason;
    return false;
}

bool DrawingSurface::deviceFailure(const QString& reason) {
    m_deviceFailed = true;
    return fail(reason);
}

bool DrawingSurface::setScaleMode(int mode) {
    if (mode != kCentimetres) return fail(Text::tr("unidad no admitida: %1").arg(mode));
    return true;
}

bool DrawingSurface::setFontSize(double points) {
    if (!std::isfinite(points) || points < kMinPoints || points > kMaxPoints) {
        return fail(Text::tr("tamaño de letra no válido: %1").arg(points));
    }
    m_sizePt = points;
    return true;
}

bool DrawingSurface::setCurrentX(double xCm) {
    if (!std::isfinite(xCm) || std::abs(xCm) > kMaxCm) return fail(Text::tr("posición no válida"));
    m_xCm = xCm;
    return true;
}

bool DrawingSurface::setCurrentY(double yCm) {
    if (!std::isfinite(yCm) || std::abs(yCm) > kMaxCm) return fail(Text::tr("posición no válida"));
    m_yCm = yCm;
    return true;
}

bool DrawingSurface::print(const QString& text) {
    double spacing = 0;
    if (text.isEmpty()) {
        spacing = lineSpacingCm();
    } else {
        spacing = drawText(m_xCm, m_yCm, text);
    }
    if (spacing < 0) return false;
    m_xCm = 0;
    m_yCm += spacing;
    return true;
}

bool DrawingSurface::drawLine(double x1Cm, double y1Cm, double x2Cm, double y2Cm) {
    for (double v : {x1Cm, y1Cm, x2Cm, y2Cm}) {
        if (!std::isfinite(v) || std::abs(v) > kMaxCm) return fail(Text::tr("posición no válida"));
    }
    return drawSegment(x1Cm, y1Cm, x2Cm, y2Cm);
}

bool DrawingSurface::fillBars(double leftCm, double topCm, double moduleCm, double heightCm,
                              std::span<const Bar> bars) {
    auto valid = [](double v) { return std::isfinite(v) && std::abs(v) <= kMaxCm; };
    bool ok = valid(leftCm) && valid(topCm) && valid(heightCm) && moduleCm > 0 && valid(moduleCm);
    for (const Bar& bar : bars) ok = ok && valid(bar.start * moduleCm) && valid(bar.width * moduleCm);
    if (!ok) return fail(Text::tr("posición no válida"));
    return drawBars(leftCm, topCm, moduleCm, heightCm, bars);
}

bool DrawingSurface::newPage() {
    ++m_pageBreaksPending;
    resetPosition();
    return true;
}

bool DrawingSurface::cls() {
    resetPosition();
    return true;
}
