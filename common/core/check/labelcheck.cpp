#include "common/core/check/labelcheck.h"

#include <QCoreApplication>
#include <set>

#include "common/core/walks/surface.h"

namespace labelcheck {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(check)
};

}  // namespace

QStringList findingLines(const std::vector<Finding>& findings) {
    QStringList lines;
    for (const Finding& f : findings) {
        lines.append(f.label > 0 ? Text::tr("Etiqueta %1 (%2): %3").arg(f.label).arg(f.name, f.problem)
                                 : f.problem);
    }
    return lines;
}

qint64 labelsFlagged(const std::vector<Finding>& findings) {
    std::set<qint64> labels;
    for (const Finding& f : findings) {
        if (f.label > 0) labels.insert(f.label);
    }
    return qint64(labels.size());
}

QString findingsMessage(const std::vector<Finding>& findings, int shown) {
    const qsizetype count = qsizetype(findings.size());
    const qint64 labels = labelsFlagged(findings);
    const QString warnings = Text::tr("%n avisos", nullptr, int(count));
    QString text = labels == 0 ? Text::tr("No todo saldrá bien en el papel: %1.").arg(warnings)
                               : Text::tr("No todo saldrá bien en el papel: %1, %2.")
                                     .arg(Text::tr("%n etiquetas", nullptr, int(labels)), warnings);
    const std::vector<Finding> first(findings.begin(),
                                     findings.begin() + std::min<qsizetype>(count, shown));
    text += QStringLiteral("\n\n") + findingLines(first).join(u'\n');
    if (count > shown) text += Text::tr("\n... y %1 más.").arg(count - shown);
    return text;
}

void WidthGauge::useFont(const QString& face, double points, bool bold, bool italic) {
    m_face = face;
    m_points = points;
    m_bold = bold;
    m_italic = italic;
    setOnSurface();
    const QString key = QStringLiteral("%1|%2|%3|%4").arg(face).arg(points).arg(bold).arg(italic);
    auto it = m_fonts.find(key);
    if (it == m_fonts.end()) {
        it = m_fonts.insert(key, {});
        it->latin1.fill(-1);
    }
    m_current = &*it;
}

double WidthGauge::advance(Advances& advances, QChar c) {
    if (c.unicode() < 256) {
        double& known = advances.latin1[c.unicode()];
        if (known < 0) known = width(QString(c));
        return known;
    }
    auto it = advances.others.find(c.unicode());
    if (it == advances.others.end()) it = advances.others.insert(c.unicode(), width(QString(c)));
    return *it;
}

double WidthGauge::width(const QString& text) {
    if (m_surface.fontName() != m_face || m_surface.fontSize() != m_points ||
        m_surface.bold() != m_bold || m_surface.italic() != m_italic)
        setOnSurface();
    return m_surface.textWidthCm(text);
}

void WidthGauge::setOnSurface() {
    m_surface.setFontName(m_face);
    m_surface.setFontSize(m_points);
    m_surface.setBold(m_bold);
    m_surface.setItalic(m_italic);
}

double WidthGauge::advances(const QString& text) {
    double sum = 0;
    for (QChar c : text) sum += advance(*m_current, c);
    return sum;
}

bool WidthGauge::fits(const QString& text, double widthCm) {
    const double sum = advances(text);
    // Kerning and shaping move a line by far less than this margin.
    const double margin = 0.05 * sum + 0.02;
    if (sum + margin <= widthCm) return true;
    if (sum - margin > widthCm) return false;
    return width(text) <= widthCm;
}

}  // namespace labelcheck
