// fichas through the printer dialog and the real spooler: the dialog is
// confirmed on the default printer (the test queue) and the PDF the queue
// writes is read back.
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTest>

#include "frmprincipal.h"
#include "pdfwords.h"
#include "scripteddialogs.h"
#include "spoolerjobs.h"
#include "testenv.h"

class FichasSpoolerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void imprimirThroughTheDialogLandsWithinHalfAMillimetre() {
        QVERIFY2(!spoolerjobs::outputDir().isEmpty(), "the spooler fixture did not run");
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        QVERIFY2(!printer.isNull(), "no default printer: the test spooler did not start");

        TempDriveC c;
        c.putPrintFile(printFileWithFullItems(37));
        ScriptedDialogs dialogs;
        fichas::frmPrincipal w(dialogs);
        w.cmdGenerar();
        QString chosen;
        dialogs.answerPrinter(true, [&](QPrinter& p) { chosen = p.printerName(); });
        const QStringList before = spoolerjobs::pdfsNow();
        w.cmdImprimir();
        QCOMPARE(chosen, printer.printerName());
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(dialogs.messages()[0].text, QStringLiteral("Recoja sus impresiones"));

        const QString pdf = spoolerjobs::waitForNewPdf(before);
        QVERIFY2(!pdf.isEmpty(), "the queue wrote no PDF");
        const PdfText text = readPdfWords(pdf);
        QVERIFY(text.ok);
        QCOMPARE(text.pages, 2);

        const QPointF origin = spoolerjobs::printableOriginCm();
        const double serifAscent = spoolerjobs::ascentCm(QStringLiteral("Times New Roman"), 8);
        const double sansAscent = spoolerjobs::ascentCm(QStringLiteral("arial"), 8);
        const double xs[] = {0.8, 7.2, 13.7};
        const double rows[] = {2.6, 5.1, 7.6, 10.0, 12.5, 14.8, 17.2, 19.7, 22.2, 24.4, 26.8, 29.2};
        double worst = 0;
        for (int k = 0; k < 37; ++k) {
            const double x = xs[k % 3] + origin.x();
            const double y = rows[(k % 36) / 3] - 2.5 + origin.y();
            struct Field {
                QString word;
                double dx, dy, ascent;
            };
            const QString id = QString::number(k);
            for (const Field& f : {Field{"K" + id, 0, 0, sansAscent}, Field{"B" + id, 1.5, 0, serifAscent},
                                   Field{"A" + id, 1, 0.5, serifAscent}, Field{"T" + id, 1, 0.8, serifAscent}}) {
                const auto found = text.find(f.word);
                QCOMPARE(found.size(), 1);
                QCOMPARE(found[0].page, k / 36 + 1);
                const double ex = std::abs(found[0].xMinCm - (x + f.dx));
                const double ey = std::abs(found[0].yMaxCm - f.ascent - (y + f.dy));
                worst = std::max({worst, ex, ey});
                QVERIFY2(ex < 0.05 && ey < 0.05, qPrintable(f.word + QStringLiteral(": %1 %2").arg(ex).arg(ey)));
            }
        }
        qInfo("worst position error through the spooler: %.3f mm", worst * 10);
    }
};

QTEST_MAIN(FichasSpoolerTest)
#include "spooler_test.moc"
