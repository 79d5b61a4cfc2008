// Printing through the real spooler: the tests' own cupsd (spooler.sh, in the
// folder ETIQUETAS_SPOOLER) with the queue "PDF" as the default printer and
// a second queue "Oficina", each keeping its jobs as PDFs, and queues the
// tests add. Positions are read back from those PDFs: on the program's own
// sheet they lie the printer's own margin further in than the programs'
// positions, which are measured from the printable area; on a stock they are
// measured from the paper.
#include <QComboBox>
#include <QDir>
#include <QRegularExpression>
#include <QTextStream>
#include <set>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "common/batch/batchjob.h"
#include "common/core/sheets/catalogue.h"
#include "common/core/sheets/stockchoice.h"
#include "common/paint/paintersurface.h"
#include "common/paint/labelprinter.h"
#include "fichas/program.h"
#include "fichas/ui/mainwindow.h"
#include "lomos/program.h"
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

// Chooses the label printer as the user does, in "Impresora de
// etiquetas…", with the page turned by `degrees`; "Imprimir una etiqueta de
// prueba" first when `tryOneLabel`.
void chooseLabelPrinter(QWidget& window, const QString& name, int degrees = 0,
                        bool tryOneLabel = false) {
    window.findChild<QAction*>("mnuImpresora")->trigger();
    auto* dialog = windowtest::opened<QWidget>("frmImpresora");
    auto* printers = dialog->findChild<QComboBox*>("cboImpresora");
    printers->setCurrentIndex(printers->findText(name));
    auto* rotation = dialog->findChild<QComboBox*>("cboGiro");
    rotation->setCurrentIndex(rotation->findData(degrees));
    if (tryOneLabel) QTest::mouseClick(dialog->findChild<QPushButton*>("cmdPrueba"), Qt::LeftButton);
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdAceptar"), Qt::LeftButton);
}

// The windowless job of `program`, in this process: its exit status and
// what it wrote on standard error.
std::pair<int, QString> job(const LabelProgram& program, const QStringList& arguments) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = runBatchJob(QStringList{program.name} + arguments, program, outStream, errStream);
    errStream.flush();
    return {status, err};
}

// The labels the check named on standard error ("Etiqueta 4 (...): ...").
std::set<int> labelsNamed(const QString& err) {
    std::set<int> named;
    static const QRegularExpression kLabel(QStringLiteral("^Etiqueta (\\d+) "),
                                           QRegularExpression::MultilineOption);
    for (auto m = kLabel.globalMatch(err); m.hasNext();) named.insert(m.next().captured(1).toInt());
    return named;
}

// The words of `text` that lie outside a page's printable area, given by its
// margins in points (left, top, right, bottom), as pdftotext reads them.
QList<PdfWord> outside(const PdfText& text, double left, double top, double right, double bottom) {
    constexpr double kCmPerPoint = 2.54 / 72;
    QList<PdfWord> out;
    for (const PdfWord& w : text.words) {
        if (w.xMinCm < left * kCmPerPoint || w.yMinCm < top * kCmPerPoint ||
            w.xMaxCm > text.pageWidthCm - right * kCmPerPoint ||
            w.yMaxCm > text.pageHeightCm - bottom * kCmPerPoint)
            out.append(w);
    }
    return out;
}

bool nearPoints(double cm, double points) { return std::abs(cm / 2.54 * 72 - points) <= 0.5; }

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
        chooseLabelPrinter(w, "Oficina");
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
    // paper is A4, and places the labels from the paper's corner; where the
    // queue's 6.35 mm margins come nearer than the labels' 2 mm inset, the
    // positions start inside them.
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
            // Half a millimetre inside the queue's margins where those are wider.
            const double left = std::max((0.15625 + 2.78125 * (place % 3)) * 2.54 + 0.2, 0.685);
            const double top = (0.5 + 1.0 * (place / 3)) * 2.54 + 0.2;
            worst = std::max(worst, text.distanceCm(QStringLiteral("K%1").arg(k), k / 30 + 1,
                                                    left, top));
        }
        qInfo("worst label on Avery 5160 through a queue with margins: %.3f mm", worst * 10);
        QVERIFY(worst < 0.05);
        QCOMPARE(QProcess::execute("lpadmin", {"-x", "Margenes"}), 0);
    }

    // Five spine labels on a roll of Dymo 11355 go to a LabelWriter 450 as one
    // job of five pages of the driver's own 54 x 144 pt, every word inside
    // what the driver prints once the positions are pre-filled for it; the
    // page turned a quarter, the labels come out turned.
    void aRollOfSpineLabelsGoesOutOneLabelAPage() {
        m_c->putPrintFile(printFileWithCallNumbers({"QA76.73", "PQ6613", "Z695", "B72", "K5"}));
        const QStringList arguments{"--printer", "LW450", "--stock", "Dymo 11355"};
        const QStringList before = jobsIn("out-lw450");
        std::pair<int, QString> ran;
        const PdfText roll = printed([&] { ran = job(lomos::program(), arguments); }, "out-lw450");
        QCOMPARE(ran.first, int(kBatchOk));
        QVERIFY2(labelsNamed(ran.second).empty(), qPrintable(ran.second));
        QCOMPARE(jobsIn("out-lw450").size(), before.size() + 1);
        QCOMPARE(roll.pages, 5);
        QVERIFY(nearPoints(roll.pageWidthCm, 54) && nearPoints(roll.pageHeightCm, 144));
        QCOMPARE(roll.find("QA76.73").size(), 1);
        // The driver's ImageableArea for w54h144: "4.08 4.32 51.12 127.68".
        QCOMPARE(outside(roll, 4.08, 16.32, 2.88, 4.32).size(), 0);

        labelprinter::keepRotation("LW450", 90);
        const PdfText turned = printed([&] { ran = job(lomos::program(), arguments); }, "out-lw450");
        labelprinter::keepRotation("LW450", 0);
        QCOMPARE(turned.pages, 5);
        QVERIFY(nearPoints(turned.pageWidthCm, 144.57) && nearPoints(turned.pageHeightCm, 53.86));
        // The label's top along the page's right edge: its first line
        // stands upright at the right, read top to bottom.
        const QList<PdfWord> first = turned.find("QA76.73");
        QCOMPARE(first.size(), 1);
        QVERIFY(first[0].yMaxCm - first[0].yMinCm > first[0].xMaxCm - first[0].xMinCm);
        QVERIFY(first[0].xMinCm > turned.pageWidthCm * 0.8);
        // And so on every page, the last as the first.
        const QList<PdfWord> last = turned.find("K5");
        QCOMPARE(last.size(), 1);
        QVERIFY(last[0].page == 5 && last[0].xMinCm > turned.pageWidthCm * 0.8);

        // The job kept, printed again once the client wrote another print
        // file: the same five labels, one a page.
        m_c->putPrintFile(printFileWithCallNumbers({"Z1"}));
        const PdfText again =
            printed([&] { ran = job(lomos::program(), arguments + QStringList{"--job", "1"}); }, "out-lw450");
        QCOMPARE(ran.first, int(kBatchOk));
        QCOMPARE(again.pages, 5);
        QVERIFY(nearPoints(again.pageWidthCm, 54) && again.find("K5").size() == 1 && again.find("Z1").isEmpty());

        // An unknown printer: said, and nothing printed.
        ran = job(lomos::program(), {"--printer", "LW451", "--stock", "Dymo 11355"});
        QCOMPARE(ran.first, int(kBatchUsage));
        QVERIFY(ran.second.contains("«LW451»"));
        labelprinter::choose("LW450");
        QString out;
        QTextStream listing(&out);
        QTextStream none;
        QCOMPARE(runBatchJob({"lomos", "--list-printers"}, lomos::program(), listing, none), 0);
        listing.flush();
        QVERIFY2(out.contains("LW450\timpresora de etiquetas\n") && out.contains("PDF\tpredeterminada\n"),
                 qPrintable(out));
    }

    // Three full labels on Brother DK-1201 go to a QL-570 as three pages of
    // its 82 x 255 pt, and the check names each label whose fields a 29 mm
    // label cannot hold.
    void fullLabelsOnANarrowRollAreNamedWhenTheyDoNotFit() {
        m_c->putPrintFile(readAll(projectDir() + "/demo/itemlbl.prn"));
        std::pair<int, QString> ran;
        const PdfText roll = printed(
            [&] {
                ran = job(fichas::program(),
                          {"--printer", "QL570", "--stock", "Brother DK-1201", "--labels", "1-3"});
            },
            "out-ql570");
        QCOMPARE(ran.first, int(kBatchOk));
        QCOMPARE(roll.pages, 3);
        QVERIFY(nearPoints(roll.pageWidthCm, 82) && nearPoints(roll.pageHeightCm, 255));
        QVERIFY2(labelsNamed(ran.second) == (std::set<int>{1, 2, 3}), qPrintable(ran.second));
    }

    // The printer the administrator locked is the only one --printer takes.
    void aLockedPrinterRefusesAnother() {
        m_c->putPrintFile(printFileWithCallNumbers({"QA76.73"}));
        m_c->putMachinePresets("[bloqueado]\nimpresora=LW450\n");
        const QStringList before = jobsIn("out-ql570");
        const ProcessRun refused = runProcess(LOMOS_EXE, {"--printer", "QL570", "--stock", "Dymo 11355"});
        QCOMPARE(refused.exitCode, 1);
        QCOMPARE(refused.err.count("La impresora la fija el administrador: LW450"), 1);
        QTest::qWait(500);
        QCOMPARE(jobsIn("out-ql570"), before);
        const PdfText taken = printed(
            [] { runProcess(LOMOS_EXE, {"--printer", "LW450", "--stock", "Dymo 11355"}); }, "out-lw450");
        QCOMPARE(taken.find("QA76.73").size(), 1);
    }

    // On a laser that does not print the outer 6.35 mm across and 12.7 mm
    // at the top, 70 mm labels three across an A4 sheet, their positions
    // saved 2 mm into each label: the check names the labels whose words
    // the printer cuts, and only those; --strict prints nothing then. With
    // positions pre-filled for the printer, nothing is cut.
    void theCheckNamesTheLabelsTheLasersMarginsCut() {
        QStringList callNumbers;
        for (int k = 0; k < 33; ++k) callNumbers << QStringLiteral("QA%1.73").arg(k + 1);
        m_c->putPrintFile(printFileWithCallNumbers(callNumbers));
        const Stock stock = *catalogue::read(catalogue::folder()).find("Igepa EA-700x254");
        const QString coordinates = lomos::coordinateFileOf(stock);
        lomos::writeCoordinateFile(coordinates, lomos::stockCoordinateTable(stock, 2));
        const QStringList arguments{"--printer", "Laser", "--stock", stock.name};
        const QStringList before = jobsIn("out-laser");
        QCOMPARE(job(lomos::program(), arguments + QStringList{"--strict"}).first,
                 int(kBatchCheckFailed));
        std::pair<int, QString> ran;
        const PdfText sheet = printed([&] { ran = job(lomos::program(), arguments); }, "out-laser");
        QCOMPARE(jobsIn("out-laser").size(), before.size() + 1);  // none from --strict
        std::set<int> cut;
        for (const PdfWord& w : outside(sheet, 18, 36, 18, 12)) {
            const int column = int(w.xMinCm / 7.0);
            const int row = int((w.yMinCm - stock.topMm / 10) / 2.54);
            cut.insert(row * 3 + column + 1);
        }
        QVERIFY(cut.count(1) && cut.count(3) && cut.count(4) && !cut.count(5));
        QCOMPARE(labelsNamed(ran.second), cut);

        QFile::remove(coordinates);
        const PdfText filled = printed([&] { ran = job(lomos::program(), arguments); }, "out-laser");
        QVERIFY2(labelsNamed(ran.second).empty(), qPrintable(ran.second));
        QCOMPARE(filled.find("QA1.73").size(), 1);
        QCOMPARE(outside(filled, 18, 36, 18, 12).size(), 0);
    }

    // "Imprimir" on a roll: the label printer and its turn chosen in the
    // window, tried first on one label, then every label a page, turned.
    void theWindowPrintsARollTurnedAsChosen() {
        const Stock stock = *catalogue::read(catalogue::folder()).find("Dymo 11355");
        stockchoice::choose("lomos", stock);
        m_c->putPrintFile(printFileWithCallNumbers({"QA76.73", "PQ6613", "Z695"}));
        lomos::MainWindow w(Seams{m_dialogs});
        const PdfText test =
            printed([&] { chooseLabelPrinter(w, "LW450", 270, true); }, "out-lw450");
        QCOMPARE(test.pages, 1);
        QCOMPARE(test.find("ARRIBA").size(), 1);
        QVERIFY(nearPoints(test.pageWidthCm, 144.57));
        QCOMPARE(labelprinter::rotationFor("LW450"), 270);
        windowtest::run(&w, "Toolbar1_1");
        const PdfText roll = printed([&] { windowtest::run(&w, "Toolbar1_4"); }, "out-lw450");
        labelprinter::keepRotation("LW450", 0);
        QCOMPARE(roll.pages, 3);
        QVERIFY(nearPoints(roll.pageWidthCm, 144.57) && nearPoints(roll.pageHeightCm, 53.86));
        // Turned the other way: the label's top along the page's left edge.
        const QList<PdfWord> first = roll.find("QA76.73");
        QCOMPARE(first.size(), 1);
        QVERIFY(first[0].xMaxCm < roll.pageWidthCm * 0.2);
        QCOMPARE(m_dialogs.messages(), (QStringList{"Recoja sus impresiones", "Recoja sus impresiones"}));
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
