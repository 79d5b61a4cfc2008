// Printing through the real spooler: a cupsd started for the test run with a
// PDF queue as the default printer. Positions are read back from the PDF the
// queue writes.
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>

#include "coordinates.h"
#include "frmprincipal.h"
#include "pdfwords.h"
#include "scripteddialogs.h"
#include "spoolerjobs.h"
#include "testenv.h"

class SpoolerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void imprimirLandsEveryLineWithinHalfAMillimetre() {
        QVERIFY2(!spoolerjobs::outputDir().isEmpty(), "the spooler fixture did not run");
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
        const QStringList before = spoolerjobs::pdfsNow();
        w.Imprimir();
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(dialogs.messages()[0].text, QStringLiteral("Recoja sus impresiones"));

        const QString pdf = spoolerjobs::waitForNewPdf(before);
        QVERIFY2(!pdf.isEmpty(), "the queue wrote no PDF");
        const PdfText text = readPdfWords(pdf);
        QVERIFY(text.ok);
        QCOMPARE(text.pages, 2);

        // Positions are measured from the printable area's corner: on paper
        // they lie the printer's own margin further in.
        const double leftCm = spoolerjobs::printableOriginCm().x();
        const double topCm = spoolerjobs::printableOriginCm().y();
        const double ascentCm = spoolerjobs::ascentCm(QStringLiteral("Times NEw Roman"), 8);
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

    void aQueueThatRefusesTheJobIsReported() {
        const QString queue = QPrinterInfo::defaultPrinter().printerName();
        QVERIFY(!queue.isEmpty());
        TempDriveC c;
        c.putPrintFile(printFileWithCallNumbers({"A"}));
        ScriptedDialogs dialogs;
        frmPrincipal w(dialogs);
        w.Generar();
        QCOMPARE(QProcess::execute("cupsreject", {queue}), 0);
        w.Imprimir();
        QCOMPARE(QProcess::execute("cupsaccept", {queue}), 0);
        QCOMPARE(dialogs.messages().size(), 1);
        QVERIFY2(dialogs.messages()[0].text.startsWith(
                     QStringLiteral("No se pudo imprimir: la cola «%1» rechazó el trabajo").arg(queue)),
                 qPrintable(dialogs.messages()[0].text));
    }
};

QTEST_MAIN(SpoolerTest)
#include "spooler_test.moc"
