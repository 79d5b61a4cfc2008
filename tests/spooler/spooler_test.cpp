// Printing through the real spooler: the tests' own cupsd (spooler.sh, in the
// folder ETIQUETAS_SPOOLER) with the queue "PDF" as the default printer and
// a second queue "Oficina", each keeping its jobs as PDFs, and queues the
// tests add. Positions are read back from those PDFs: on the program's own
// sheet they lie the printer's own margin further in than the programs'
// positions, which are measured from the printable area; on a stock they are
// measured from the paper.
#include <QDir>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "common/core/sheets/catalogue.h"
#include "common/core/sheets/stockchoice.h"
#include "common/paint/paintersurface.h"
#include "common/ui/printing/labelprinter.h"
#include "fichas/ui/mainwindow.h"
#include "lomos/core/coordinates.h"
#include "lomos/ui/mainwindow.h"
#include "pdfwords.h"
#include "common/core/program/startup.h"
#include "testenv.h"
#include "testseams.h"

namespace {

// The spooler's own folder, where its queues keep their jobs: the real one,
// which the backend (run as lp) can reach, not the link in the build folder.
QString spoolerFolder() { return QDir(qEnvironmentVariable("ETIQUETAS_SPOOLER")).canonicalPath(); }

// The jobs a queue of the tests' spooler has kept: "out" for PDF, the
// default printer, and "out-oficina" for Oficina.
QStringList jobsIn(const QString& queueFolder) {
    return QDir(spoolerFolder() + u'/' + queueFolder).entryList({"*.pdf"}, QDir::Files);
}

// Runs `print`, waits until the spooler has no job left and reads back the
// job the queue of `queueFolder` kept, if it kept one.
PdfText printed(const std::function<void()>& print, const QString& queueFolder = "out") {
    const QStringList before = jobsIn(queueFolder);
    print();
    for (int i = 0; i < 600; ++i, QTest::qWait(100)) {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {"-W", "not-completed", "-o"});
        lpstat.waitForFinished();
        if (!lpstat.readAllStandardOutput().trimmed().isEmpty()) continue;
        for (const QString& f : jobsIn(queueFolder)) {
            if (before.contains(f)) continue;
            return readPdfWords(spoolerFolder() + u'/' + queueFolder + u'/' + f);
        }
        if (i > 10) break;  // the queue is empty and kept nothing new
    }
    return {};
}

// Adds a queue that keeps its jobs in the spooler's folder "out-NAME", as
// described by `ppd`, with `options`; false when lpadmin refuses it.
bool addQueue(const QString& name, const QString& ppd, const QStringList& options = {}) {
    const QString folder = spoolerFolder() + "/out-" + name.toLower();
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::Permissions(0x7777));
    return QProcess::execute(
               "lpadmin",
               QStringList{"-p", name, "-v", "keep:" + folder, "-P", ppd, "-E"} + options) == 0;
}

}  // namespace

class SpoolerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDriveC> m_c;
    ScriptedDialogs m_dialogs;

private Q_SLOTS:
    // In Spanish, as the programs start.
    void initTestCase() { useLanguage(*QCoreApplication::instance(), QStringLiteral("es")); }
    void init() {
        m_c = std::make_unique<TempDriveC>();
        m_dialogs = ScriptedDialogs();
    }
    void cleanup() {
        QVERIFY2(m_dialogs.unexpected().isEmpty(), qPrintable(m_dialogs.unexpected().join(u'\n')));
    }

    void theLabelPrinterTakesTheJobsUntilItIsGone() {
        m_c->putPrintFile(printFileWithCallNumbers({"QA76"}));
        m_c->putDefaultCoordinates();
        lomos::MainWindow w(Seams{m_dialogs});
        windowtest::run(&w, "Toolbar1_1");
        m_dialogs.answerPick("Oficina");
        w.findChild<QAction*>("mnuImpresora")->trigger();
        QCOMPARE(w.findChild<QLabel*>("lblImpresora")->text(),
                 QStringLiteral("Impresora: Oficina"));
        const QStringList defaultJobs = jobsIn("out");
        QCOMPARE(
            printed([&] { windowtest::run(&w, "Toolbar1_4"); }, "out-oficina").find("QA76").size(),
            1);
        QCOMPARE(jobsIn("out"), defaultJobs);  // the default printer printed nothing
        // The label printer taken away: said, and the default printer prints.
        QCOMPARE(QProcess::execute("lpadmin", {"-x", "Oficina"}), 0);
        QCOMPARE(printed([&] { windowtest::run(&w, "Toolbar1_4"); }, "out").find("QA76").size(), 1);
        QVERIFY(addQueue("Oficina", projectDir() + "/tests/spooler/pdf-queue.ppd"));
        QCOMPARE(m_dialogs.messages(),
                 (QStringList{"Recoja sus impresiones", labelprinter::missingMessage("Oficina"),
                              "Recoja sus impresiones"}));
        QCOMPARE(w.findChild<QLabel*>("lblImpresora")->text(),
                 QStringLiteral("Impresora: Oficina (no está)"));
        // fichas's printer dialog opens on the label printer.
        fichas::MainWindow full(Seams{m_dialogs});
        windowtest::run(&full, "cmdGenerar");
        QString offered;
        m_dialogs.answerPrinter(false, [&](QPrinter& p) { offered = p.printerName(); });
        windowtest::run(&full, "cmdImprimir");
        QCOMPARE(offered, QStringLiteral("Oficina"));
    }

    // A queue that shrinks the page a little into margins of its own, as a
    // printer that moves and scales: four crosses of its test sheet, measured
    // from the queue's PDF, give a correction that puts the labels back.
    void aCorrectionFromTheTestSheetPutsTheLabelsBack() {
        QVERIFY(addQueue("Escala", projectDir() + "/tests/spooler/pdf-queue.ppd",
                         {"-o", "fit-to-page-default=true", "-o", "page-left-default=8", "-o",
                          "page-top-default=10"}));
        labelprinter::choose("Escala");
        QStringList callNumbers;
        for (int k = 0; k < 33; ++k) callNumbers << QStringLiteral("K%1").arg(k);
        m_c->putPrintFile(printFileWithCallNumbers(callNumbers));
        lomos::MainWindow w(Seams{m_dialogs});
        windowtest::run(&w, "mnuCorregir");
        auto* dialog = windowtest::opened<CorrectionWindow>("frmCorregir");
        m_c->putDefaultCoordinates();  // saved once the dialog is open
        auto calcular = [&] {
            m_dialogs.answerQuestion(true);
            QTest::mouseClick(dialog->findChild<QPushButton*>("cmdCalcular"), Qt::LeftButton);
            return labelprinter::correctionFor("Escala").value_or(correction::Affine{}).toText();
        };
        // A cross's number stands 1 mm right of its centre and 0.5 mm below.
        auto measure = [&] {
            const PdfText sheet =
                printed([&] { w.findChild<QAction*>("mnuHojaPrueba")->trigger(); }, "out-escala");
            for (int row = 1; row <= 4; ++row) {
                const QString place =
                    dialog->findChild<QLineEdit*>(QStringLiteral("txtEtiqueta%1").arg(row))->text();
                const QList<PdfWord> number = sheet.find(place + ":");
                if (number.size() != 1) return QStringLiteral("no cross %1").arg(place);
                dialog->findChild<QLineEdit*>(QStringLiteral("txtX%1").arg(row))
                    ->setText(QString::number(number[0].xMinCm * 10 - 1.0));
                dialog->findChild<QLineEdit*>(QStringLiteral("txtY%1").arg(row))
                    ->setText(QString::number(number[0].yMinCm * 10 - 0.5));
            }
            return calcular();
        };
        const QString first = measure();
        QVERIFY2(m_dialogs.shown().last().text.startsWith("La impresora desplaza"),
                 qPrintable(m_dialogs.shown().last().text));
        qInfo("%s", qPrintable(m_dialogs.shown().last().text.section(u'\n', 0, 0)));
        QCOMPARE(w.findChild<QLabel*>("lblImpresora")->text(),
                 QStringLiteral("Impresora: Escala, corregida"));
        // The same measures again, and after "Quitar corrección": the same
        // correction, fitted against the sheet that was measured.
        QCOMPARE(calcular(), first);
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdQuitar"), Qt::LeftButton);
        QCOMPARE(w.findChild<QLabel*>("lblImpresora")->text(), QStringLiteral("Impresora: Escala"));
        QCOMPARE(calcular(), first);
        // Measured again on a test sheet printed through the correction: what
        // is left of the error, composed with what was kept.
        measure();
        qInfo("%s", qPrintable(m_dialogs.shown().last().text.section(u'\n', 0, 0)));

        windowtest::run(&w, "Toolbar1_1");
        const PdfText labels = printed([&] { windowtest::run(&w, "Toolbar1_4"); }, "out-escala");
        const QPointF corner =
            PrinterSurface::printableCornerCm(QPrinter(QPrinterInfo::printerInfo("Escala")));
        const lomos::CoordinateTable t = lomos::defaultCoordinateTable();
        double worst = 0;
        for (int k = 0; k < 33; ++k) {
            worst = std::max(worst, labels.distanceCm(QStringLiteral("K%1").arg(k), 1,
                                                      t.x[k].toDouble() + corner.x(),
                                                      t.y[k].toDouble() + corner.y()));
        }
        qInfo("worst label after the correction, through a shrinking queue: %.3f mm", worst * 10);
        QVERIFY(worst < 0.03);
        QCOMPARE(QProcess::execute("lpadmin", {"-x", "Escala"}), 0);
    }

    // On a stock the job takes the stock's paper, here Letter on a queue whose
    // paper is A4, and places the labels from the paper's corner, past the
    // margins the queue keeps.
    void aStockPrintsOnItsPaperFromThePapersCorner() {
        m_c->write("margenes.ppd", readAll(projectDir() + "/tests/spooler/pdf-queue.ppd")
                                       .replace("0 0 595 842", "18 18 577 824")
                                       .replace("0 0 612 792", "18 18 594 774"));
        QVERIFY(addQueue("Margenes", m_c->file("margenes.ppd")));
        labelprinter::choose("Margenes");
        const Stock stock = *catalogue::read(catalogue::folder()).find("Avery 5160");
        stockchoice::choose("lomos", stock);
        QStringList callNumbers;
        for (int k = 0; k < 31; ++k) callNumbers << QStringLiteral("K%1").arg(k);
        m_c->putPrintFile(printFileWithCallNumbers(callNumbers));
        lomos::MainWindow w(Seams{m_dialogs});
        windowtest::run(&w, "Toolbar1_1");
        const PdfText text = printed([&] { windowtest::run(&w, "Toolbar1_4"); }, "out-margenes");
        QCOMPARE(text.pages, 2);
        QVERIFY(std::abs(text.pageHeightCm - 27.94) < 0.01);
        // The template: x0="0.15625in" y0="0.5in" dx="2.78125in" dy="1in", three
        // across; the text 2 mm into each label.
        double worst = 0;
        for (int k = 0; k < 31; ++k) {
            const int place = k % 30;
            const double left = (0.15625 + 2.78125 * (place % 3)) * 2.54;
            const double top = (0.5 + 1.0 * (place / 3)) * 2.54;
            worst = std::max(worst, text.distanceCm(QStringLiteral("K%1").arg(k), k / 30 + 1,
                                                    left + 0.2, top + 0.2));
        }
        qInfo("worst label on Avery 5160 through a queue with margins: %.3f mm", worst * 10);
        QVERIFY(worst < 0.05);
        QCOMPARE(QProcess::execute("lpadmin", {"-x", "Margenes"}), 0);
    }

    void aQueueThatRefusesTheJobIsReported() {
        const QString queue = QPrinterInfo::defaultPrinter().printerName();
        m_c->putPrintFile(printFileWithCallNumbers({"A"}));
        m_c->putDefaultCoordinates();
        lomos::MainWindow w(Seams{m_dialogs});
        windowtest::run(&w, "Toolbar1_1");
        QCOMPARE(QProcess::execute("cupsreject", {queue}), 0);
        windowtest::run(&w, "Toolbar1_4");
        QCOMPARE(QProcess::execute("cupsaccept", {queue}), 0);
        QCOMPARE(m_dialogs.messages().size(), 1);
        QVERIFY(m_dialogs.messages()[0].startsWith(
            QStringLiteral("No se pudo imprimir: la cola «%1» rechazó el trabajo").arg(queue)));
    }
};

QTEST_MAIN(SpoolerTest)
#include "spooler_test.moc"
