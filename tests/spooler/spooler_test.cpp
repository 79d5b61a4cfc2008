// Printing through the real spooler: a cupsd started for the test run with a
// PDF queue as the default printer. Positions are read back from the PDF the
// queue writes; they lie the printer's own margin further in than the
// programs' positions, which are measured from the printable area.
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>

#include "ETIQUETAS/ui/frmprincipal.h"
#include "SOLO_CLASIF/core/coordinates.h"
#include "SOLO_CLASIF/ui/frmprincipal.h"
#include "pdfwords.h"
#include "scripteddialogs.h"
#include "spoolerjobs.h"
#include "testenv.h"

namespace {

constexpr double kTolCm = 0.05;  // 0.5 mm

// The printed word's baseline against where the program put its line top.
double errorCm(const PdfWord& word, double xCm, double yCm, double ascentCm) {
    const QPointF origin = spoolerjobs::printableOriginCm();
    return std::max(std::abs(word.xMinCm - (xCm + origin.x())), std::abs(word.yMaxCm - ascentCm - (yCm + origin.y())));
}

}  // namespace

class SpoolerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDriveC> m_c;
    ScriptedDialogs m_dialogs;

    // Runs `print` and reads back the PDF the queue writes.
    PdfText printed(const std::function<void()>& print) {
        const QStringList before = spoolerjobs::pdfsNow();
        print();
        const QString pdf = spoolerjobs::waitForNewPdf(before);
        if (pdf.isEmpty()) qWarning("the queue wrote no PDF");
        return readPdfWords(pdf);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(!spoolerjobs::outputDir().isEmpty(), "the spooler fixture did not run");
        QVERIFY2(!QPrinterInfo::defaultPrinter().isNull(), "no default printer: the test spooler did not start");
    }
    void init() {
        m_c = std::make_unique<TempDriveC>();
        m_dialogs = ScriptedDialogs();
    }
    void cleanup() { QVERIFY2(m_dialogs.unexpected().isEmpty(), qPrintable(m_dialogs.unexpected().join(u'\n'))); }

    void lomosLandsEveryLineWithinHalfAMillimetre() {
        QStringList callNumbers;
        for (int k = 0; k < 40; ++k) callNumbers << QStringLiteral("K%1 A%1").arg(k);
        m_c->putPrintFile(printFileWithCallNumbers(callNumbers));
        m_c->putDefaultCoordinates();
        lomos::frmPrincipal w(m_dialogs);
        w.Generar();
        const PdfText text = printed([&] { w.Imprimir(); });
        QCOMPARE(m_dialogs.messages(), QStringList{"Recoja sus impresiones"});
        QCOMPARE(text.pages, 2);
        const double ascent = spoolerjobs::ascentCm(QStringLiteral("Times NEw Roman"), 8);
        const lomos::CoordinateTable t = lomos::defaultCoordinateTable();
        double worst = 0;
        for (int k = 0; k < 40; ++k) {
            for (int line = 0; line < 2; ++line) {
                const auto found = text.find(QStringLiteral("%1%2").arg(line == 0 ? "K" : "A").arg(k));
                QCOMPARE(found.size(), 1);
                QCOMPARE(found[0].page, k / 33 + 1);
                worst = std::max(worst, errorCm(found[0], t.x[k % 33].toDouble(), t.y[k % 33].toDouble() + 0.3 * line, ascent));
            }
        }
        qInfo("worst position error through the spooler: %.3f mm", worst * 10);
        QVERIFY(worst < kTolCm);
    }

    void fichasThroughTheDialogLandsWithinHalfAMillimetre() {
        m_c->putPrintFile(printFileWithFullItems(37));
        fichas::frmPrincipal w(m_dialogs);
        w.cmdGenerar();
        QString chosen;
        m_dialogs.answerPrinter(true, [&](QPrinter& p) { chosen = p.printerName(); });
        const PdfText text = printed([&] { w.cmdImprimir(); });
        QCOMPARE(chosen, QPrinterInfo::defaultPrinter().printerName());
        QCOMPARE(m_dialogs.messages(), QStringList{"Recoja sus impresiones"});
        QCOMPARE(text.pages, 2);
        const double serif = spoolerjobs::ascentCm(QStringLiteral("Times New Roman"), 8);
        const double sans = spoolerjobs::ascentCm(QStringLiteral("arial"), 8);
        const double rows[] = {2.6, 5.1, 7.6, 10.0, 12.5, 14.8, 17.2, 19.7, 22.2, 24.4, 26.8, 29.2};
        double worst = 0;
        for (int k = 0; k < 37; ++k) {
            const double x = std::array{0.8, 7.2, 13.7}[k % 3], y = rows[(k % 36) / 3] - 2.5;
            const QString id = QString::number(k);
            struct Field {
                QString word;
                double dx, dy, ascent;
            };
            for (const Field& f : {Field{"K" + id, 0, 0, sans}, Field{"B" + id, 1.5, 0, serif},
                                   Field{"A" + id, 1, 0.5, serif}, Field{"T" + id, 1, 0.8, serif}}) {
                const auto found = text.find(f.word);
                QCOMPARE(found.size(), 1);
                QCOMPARE(found[0].page, k / 36 + 1);
                worst = std::max(worst, errorCm(found[0], x + f.dx, y + f.dy, f.ascent));
            }
        }
        qInfo("worst position error through the spooler: %.3f mm", worst * 10);
        QVERIFY(worst < kTolCm);
    }

    void aQueueThatRefusesTheJobIsReported() {
        const QString queue = QPrinterInfo::defaultPrinter().printerName();
        m_c->putPrintFile(printFileWithCallNumbers({"A"}));
        lomos::frmPrincipal w(m_dialogs);
        w.Generar();
        QCOMPARE(QProcess::execute("cupsreject", {queue}), 0);
        w.Imprimir();
        QCOMPARE(QProcess::execute("cupsaccept", {queue}), 0);
        QCOMPARE(m_dialogs.messages().size(), 1);
        QVERIFY2(m_dialogs.messages()[0].startsWith(QStringLiteral("No se pudo imprimir: la cola «%1» rechazó el trabajo").arg(queue)),
                 qPrintable(m_dialogs.messages()[0]));
    }
};

QTEST_MAIN(SpoolerTest)
#include "spooler_test.moc"
