#include "pdfwords.h"

#include <QProcess>
#include <QXmlStreamReader>
#include <cmath>

PdfText readPdfWords(const QString& pdfPath) {
    PdfText result;
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        result.error = QString::fromLocal8Bit(process.readAllStandardError());
        return result;
    }
    constexpr double kCmPerPoint = 2.54 / 72.0;
    QXmlStreamReader xml(process.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto cm = [&](const char* name) {
            return xml.attributes().value(QLatin1String(name)).toDouble() * kCmPerPoint;
        };
        if (xml.name() == QLatin1String("page")) {
            ++result.pages;
            result.pageWidthCm = cm("width");
            result.pageHeightCm = cm("height");
        } else if (xml.name() == QLatin1String("word")) {
            const double x0 = cm("xMin"), y0 = cm("yMin"), x1 = cm("xMax"), y1 = cm("yMax");
            result.words.append({result.pages, x0, y0, x1, y1, xml.readElementText()});
        }
    }
    result.ok = !xml.hasError();
    if (!result.ok) result.error = xml.errorString();
    return result;
}

QList<PdfWord> PdfText::find(const QString& text) const {
    QList<PdfWord> found;
    for (const PdfWord& w : words) {
        if (w.text == text) found.append(w);
    }
    return found;
}

double PdfText::distanceCm(const QString& text, int page, double xCm, double yCm) const {
    const QList<PdfWord> found = find(text);
    if (found.size() != 1 || found[0].page != page) return 100;
    return std::max(std::abs(found[0].xMinCm - xCm), std::abs(found[0].yMinCm - yCm));
}
