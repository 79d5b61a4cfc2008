// Printing through the real spooler: a cupsd started for the test run with a
// PDF queue as the default printer. Positions are read back from the PDF the
// queue writes.
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>

#include "coordinates.h"
#include "frmprincipal.h"
#include "pdfwords.h"
#include "scripteddialogs.h"
#include "testenv.h"

class SpoolerTest : public QObject {
    Q_OBJECT

private:
    QString m_outDir = qEnvironmentVariable("ETIQUETAS_SPOOLER_OUT");

    // The newest PDF that appears in the queue's folder after `before`.
    QString waitForJob(const QStringList& before) {
        for (int i = 0; i < 300; ++i) {
            QProcess lpstat;
            lpstat.start("lpstat", {"-W", "not-completed", "-o"});
            lpstat.waitForFinished();
            const bool pending = !lpstat.readAllStandardOutput().trimmed().isEmpty();
            const QStringList now = QDir(m_outDir).entryList({"*.pdf"}, QDir::Files, QDir::Time);
            for (const QString& f : now) {
                if (!before.contains(f) && !pending) {
                    QTest::qWait(300);  // let the backend finish writing
                    return QDir(m_outDir).filePath(f);
                }
            }
            QTest::qWait(100);
        }
        return {};
    }

private Q_SLOTS:
    void imprimirLandsEveryLineWithinHalfAMillimetre() {
        QVERIFY2(!m_outDir.isEmpty(), "the spooler fixture did not run");
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        QVERIFY2(!printer.isNull(), "no default printer: the test spooler did not start");

        TempDriveC c;
        QStringList callNumbers;
        for (int k = 0; k < 40; ++k) callNumbers << QStringLiteral("K%1 A%1").arg(k);
        c.putPrintFile(printFileWithCallNumbers(callNumbers));
        c.putDefaultCoordinates();
        ScriptedDialogs dialogs;
        frmPrincipal w(dialogs);
        w.Generar();
        const QStringList before = QDir(m_outDir).entryList({"*.pdf"}, QDir::Files);
        w.Imprimir();
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(dialogs.messages()[0].text, QStringLiteral("Recoja sus impresiones"));

        const QString pdf = waitForJob(before);
        QVERIFY2(!pdf.isEmpty(), "the queue wrote no PDF");
        const PdfText text = readPdfWords(pdf);
        QVERIFY(text.ok);
        QCOMPARE(text.pages, 2);

        // Positions are measured from the printable area's corner: on paper
        // they lie the printer's own margin further in.
        QPrinter probe(printer, QPrinter::HighResolution);
        const QMarginsF margins = probe.pageLayout().minimumMargins();
        const double scale = probe.pageLayout().units() == QPageLayout::Millimeter ? 0.1 : 2.54 / 72.0;
        const double leftCm = margins.left() * scale;
        const double topCm = margins.top() * scale;
        // The queue re-embeds the font, and pdftotext then reads the word's
        // bottom at its baseline: the line's top is one ascent above it.
        QImage fine(1, 1, QImage::Format_RGB32);
        fine.setDotsPerMeterX(qRound(1200 / 0.0254));
        fine.setDotsPerMeterY(qRound(1200 / 0.0254));
        QFont face(QStringLiteral("Times NEw Roman"));
        face.setPointSizeF(8);
        face.setBold(true);
        const double ascentCm = QFontMetricsF(face, &fine).ascent() / 1200 * 2.54;
        const CoordinateTable t = defaultCoordinateTable();
        double worst = 0;
        for (int k = 0; k < 40; ++k) {
            for (int line = 0; line < 2; ++line) {
                const QString word = QStringLiteral("%1%2").arg(line == 0 ? "K" : "A").arg(k);
                const auto found = text.find(word);
                QCOMPARE(found.size(), 1);
                QCOMPARE(found[0].page, k / 33 + 1);
                const double dx = std::abs(found[0].xMinCm - (t.x[k % 33].toDouble() + leftCm));
                const double dy = std::abs(found[0].yMaxCm - ascentCm -
                                           (t.y[k % 33].toDouble() + 0.3 * line + topCm));
                worst = std::max({worst, dx, dy});
                QVERIFY2(dx < 0.05 && dy < 0.05, qPrintable(word + QStringLiteral(": %1 %2").arg(dx).arg(dy)));
            }
        }
        qInfo("worst position error through the spooler: %.3f mm", worst * 10);
    }
};

QTEST_MAIN(SpoolerTest)
#include "spooler_test.moc"
