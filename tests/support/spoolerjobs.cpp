#include "spoolerjobs.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>

namespace spoolerjobs {

QString outputDir() { return qEnvironmentVariable("ETIQUETAS_SPOOLER_OUT"); }

QStringList pdfsNow() { return QDir(outputDir()).entryList({QStringLiteral("*.pdf")}, QDir::Files); }

QString waitForNewPdf(const QStringList& before) {
    for (int i = 0; i < 600; ++i) {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {"-W", "not-completed", "-o"});
        lpstat.waitForFinished();
        const bool pending = !lpstat.readAllStandardOutput().trimmed().isEmpty();
        if (!pending) {
            for (const QString& f : pdfsNow()) {
                if (!before.contains(f)) {
                    QTest::qWait(300);  // the backend closes the file after the job ends
                    return QDir(outputDir()).filePath(f);
                }
            }
        }
        QTest::qWait(100);
    }
    return {};
}

QPointF printableOriginCm() {
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    const QPageLayout layout = printer.pageLayout();
    const QMarginsF margins = layout.minimumMargins();
    const double cmPerUnit = layout.units() == QPageLayout::Millimeter ? 0.1 : 2.54 / 72.0;
    return {margins.left() * cmPerUnit, margins.top() * cmPerUnit};
}

double ascentCm(const QString& face, double points) {
    constexpr int kDpi = 1200;
    QImage fine(1, 1, QImage::Format_RGB32);
    fine.setDotsPerMeterX(qRound(kDpi / 0.0254));
    fine.setDotsPerMeterY(qRound(kDpi / 0.0254));
    QFont font(face);
    font.setPointSizeF(points);
    font.setBold(true);
    return QFontMetricsF(font, &fine).ascent() / kDpi * 2.54;
}

}  // namespace spoolerjobs
