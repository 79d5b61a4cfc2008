#include "pdfwords.h"

#include <QProcess>
#include <QRegularExpression>

namespace {
constexpr double kCmPerPoint = 2.54 / 72.0;

QString unescape(QString s) {
    s.replace(QLatin1String("&lt;"), QLatin1String("<"));
    s.replace(QLatin1String("&gt;"), QLatin1String(">"));
    s.replace(QLatin1String("&quot;"), QLatin1String("\""));
    s.replace(QLatin1String("&apos;"), QLatin1String("'"));
    s.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return s;
}
}  // namespace

PdfText readPdfWords(const QString& pdfPath) {
    PdfText result;
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        result.error = QStringLiteral("pdftotext failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
        return result;
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression pageRe(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wordRe(QStringLiteral(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
    qsizetype position = 0;
    int page = 0;
    for (;;) {
        const QRegularExpressionMatch pageMatch = pageRe.match(html, position);
        const QRegularExpressionMatch wordMatch = wordRe.match(html, position);
        const bool pageFirst = pageMatch.hasMatch() &&
                               (!wordMatch.hasMatch() || pageMatch.capturedStart() < wordMatch.capturedStart());
        if (pageFirst) {
            ++page;
            result.pageWidthCm = pageMatch.captured(1).toDouble() * kCmPerPoint;
            result.pageHeightCm = pageMatch.captured(2).toDouble() * kCmPerPoint;
            position = pageMatch.capturedEnd();
        } else if (wordMatch.hasMatch()) {
            result.words.append({page, wordMatch.captured(1).toDouble() * kCmPerPoint,
                                 wordMatch.captured(2).toDouble() * kCmPerPoint,
                                 wordMatch.captured(3).toDouble() * kCmPerPoint,
                                 wordMatch.captured(4).toDouble() * kCmPerPoint,
                                 unescape(wordMatch.captured(5))});
            position = wordMatch.capturedEnd();
        } else {
            break;
        }
    }
    result.pages = page;
    result.ok = true;
    return result;
}

QList<PdfWord> PdfText::find(const QString& text, int page) const {
    QList<PdfWord> found;
    for (const PdfWord& w : words) {
        if (w.text == text && (page == 0 || w.page == page)) found.append(w);
    }
    return found;
}
