// fichas through its window: what its window does that lomos's does not (the
// printer dialog before printing, the preview's question). The commands both
// windows share are tested in lomos's.
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "common/paint/paintersurface.h"
#include "common/ui/history/jobswindow.h"
#include "fichas/core/fullwalk.h"
#include "fichas/ui/mainwindow.h"
#include "pdfwords.h"
#include "recordingsurface.h"
#include "common/core/program/startup.h"
#include "testenv.h"
#include "testseams.h"

class FichasWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDriveC> m_c;
    std::unique_ptr<TestSeams> m_outside;
    ScriptedDialogs* m_dialogs = nullptr;
    std::unique_ptr<fichas::MainWindow> m_w;

    void window(const QByteArray& printFile) {
        m_c->putPrintFile(printFile);
        m_w = std::make_unique<fichas::MainWindow>(m_outside->seams());
        m_w->show();
        windowtest::activate(m_w.get());
    }
    void click(const char* name) {
        QTest::mouseClick(m_w->findChild<QPushButton*>(name), Qt::LeftButton);
    }

private Q_SLOTS:
    // In Spanish, as the programs start.
    void initTestCase() { useLanguage(*QCoreApplication::instance(), QStringLiteral("es")); }
    void init() {
        m_c = std::make_unique<TempDriveC>();
        m_outside = std::make_unique<TestSeams>();
        m_dialogs = &m_outside->dialogs;
    }
    void cleanup() {
        m_w.reset();
        QVERIFY2(m_dialogs->unexpected().isEmpty(), qPrintable(m_dialogs->unexpected().join('\n')));
    }

    void imprimirAfterTheDialogAndNothingAfterCancel() {
        window(printFileWithFullItems(2));
        click("cmdGenerar");
        auto recorded = std::make_shared<RecordingSurface>();
        QString chosen;
        m_outside->printer = [&](std::unique_ptr<QPrinter> printer, int) {
            chosen = printer->docName();
            return recorded;
        };
        m_dialogs->answerPrinter(false);
        click("cmdImprimir");
        QVERIFY(recorded->lines().isEmpty() && m_dialogs->messages().isEmpty());
        m_dialogs->answerPrinter(true, [](QPrinter& p) { p.setDocName("elegida"); });
        click("cmdImprimir");
        QCOMPARE(chosen, QStringLiteral("elegida"));  // the printer the dialog set up
        QCOMPARE(recorded->lines().size(), 8);
        QCOMPARE(m_dialogs->messages(), QStringList{"Recoja sus impresiones"});
    }

    // One label printed again, edited and twice, at the start place chosen.
    void revisarPrintsTheChosenLabelsAloneFromTheStartPlace() {
        window(printFileWithFullItems(3));
        QVERIFY(!m_w->findChild<QPushButton*>("cmdRevisar")->isEnabled());  // no labels yet
        click("cmdGenerar");
        click("cmdRevisar");
        auto* list = windowtest::opened<ReviewWindow>("frmRevisar");
        QVERIFY(list);
        m_dialogs->answerEdit([](review::Fields f) {
            f[fichas::kBarcodeField] = {"B1-NUEVO"};
            return std::optional(f);
        });
        list->editLabel(1);
        list->model()->setData(list->model()->index(1, ReviewModel::Copies), 2, Qt::EditRole);
        QCOMPARE(windowtest::caption(m_w.get()),
                 QStringLiteral("Se imprimirán 4 etiquetas (3 generadas)"));
        m_w->findChild<QSpinBox*>("txtInicio")->setValue(5);
        list->showLabel(1);
        QTemporaryDir out;
        m_outside->printer = [&](auto, int) {
            return std::make_shared<PdfSurface>(out.filePath("f.pdf"), PdfSurface::Paper::A4);
        };
        m_dialogs->answerPrinter(true);
        QTest::mouseClick(list->findChild<QPushButton*>("cmdImprimirSeleccion"), Qt::LeftButton);
        const PdfText pdf = readPdfWords(out.filePath("f.pdf"));
        const fichas::LabelPlaces places = fichas::printedPlaces();
        const QList<PdfWord> barcodes = pdf.find("B1-NUEVO");
        QCOMPARE(barcodes.size(), 2);
        for (int copy = 0; copy < 2; ++copy) {
            QVERIFY(std::hypot(barcodes[copy].xMinCm - places.x[size_t(4 + copy)] - 1.5,
                               barcodes[copy].yMinCm - places.y[size_t(4 + copy)]) < 0.01);
        }
        QVERIFY(pdf.find("K0").isEmpty() && pdf.find("K2").isEmpty() && pdf.find("K1").size() == 2);
    }

    // A job kept, found again by a field of its labels after another and
    // "Limpiar", and its third label printed alone from place 17 of a used
    // sheet.
    void aKeptJobIsFoundAndOneOfItsLabelsPrintedAgain() {
        window(printFileWithFullItems(4));
        click("cmdGenerar");
        m_c->putPrintFile(printFileWithFullItems(1));
        click("cmdGenerar");
        click("cmdLimpiar");
        m_w->findChild<QAction*>("mnuTrabajos")->trigger();
        auto* jobs = windowtest::opened<JobsWindow>("frmTrabajos");
        QVERIFY(jobs);
        auto* list = jobs->findChild<QTreeWidget*>("lstTrabajos");
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("4"));
        jobs->findChild<QLineEdit*>("txtBuscar")->setText(QStringLiteral("t2"));
        QVERIFY(list->topLevelItem(0)->isHidden() && !list->topLevelItem(1)->isHidden());
        QTest::mouseClick(jobs->findChild<QPushButton*>("cmdAbrir"), Qt::LeftButton);
        auto* review = windowtest::opened<ReviewWindow>("frmRevisar");
        QVERIFY(review);
        m_w->findChild<QSpinBox*>("txtInicio")->setValue(17);
        review->showLabel(2);
        QTemporaryDir out;
        m_outside->printer = [&](auto, int) {
            return std::make_shared<PdfSurface>(out.filePath("f.pdf"), PdfSurface::Paper::A4);
        };
        m_dialogs->answerPrinter(true);
        QTest::mouseClick(review->findChild<QPushButton*>("cmdImprimirSeleccion"), Qt::LeftButton);
        const PdfText pdf = readPdfWords(out.filePath("f.pdf"));
        const fichas::LabelPlaces places = fichas::printedPlaces();
        const QList<PdfWord> found = pdf.find("B2");
        QCOMPARE(found.size(), 1);
        QVERIFY(std::hypot(found[0].xMinCm - places.x[16] - 1.5, found[0].yMinCm - places.y[16]) < 0.01);
        QVERIFY(pdf.find("K0").isEmpty() && pdf.find("K1").isEmpty() && pdf.find("K3").isEmpty());
        QCOMPARE(pdf.find("K2").size(), 1);
    }

    // On a stock the map, the test sheet and the labels follow its sheet.
    void aStockFromTheCatalogueReachesPaper() {
        window(printFileWithFullItems(25));
        m_w->findChild<QAction*>("mnuHoja")->trigger();
        auto* stocks = windowtest::opened<StockWindow>("frmHoja");
        stocks->search("zweckform 3474");
        stocks->useCurrent();
        QCOMPARE(m_w->findChild<SheetMap*>("picHoja")->sheet().size(), 24);
        auto recorded = m_outside->recordPrinting();
        m_dialogs->answerPrinter(true);
        click("cmdHojaPrueba");
        QVERIFY(std::any_of(recorded->lines().begin(), recorded->lines().end(),
                            [](const auto& line) { return line.text == "24: fila 7, col. 2"; }));
        click("cmdGenerar");
        m_dialogs->answerPrinter(true);
        click("cmdImprimir");
        const RecordingSurface::Line last = recorded->lines().last();  // label 25: sheet 2
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(last.text).arg(last.sheet).arg(last.xCm),
                 QStringLiteral("K24 2 %1").arg(fichas::kStockInsetMm / 10));
    }

    void ctrlSAndSalirEnd() {
        window(printFileWithFullItems(1));
        QTest::keyClick(m_w.get(), Qt::Key_S, Qt::ControlModifier);
        click("cmdSalir");
        QCOMPARE(m_outside->exits, 2);
    }

    void previewAsksEveryThirtySixAndShowsTheWholeSheet() {
        window(printFileWithFullItems(37));
        click("cmdGenerar");
        m_dialogs->answerQuestion(false);
        click("cmdVer");
        QCOMPARE(m_dialogs->shown().size(), 1);
        QCOMPARE(m_dialogs->shown()[0].title, QStringLiteral("Mensaje:"));
        QCOMPARE(m_dialogs->shown()[0].text, QStringLiteral("¿Continuar?"));
        const PictureBox* picture = windowtest::opened<PreviewWindow>("Form1")->picture();
        const double dpcm = picture->dpi() / 2.54;
        bool ink = false;  // the last row (29.2 cm) is on the picture
        for (int y = qRound(29.2 * dpcm); y < qRound(29.6 * dpcm); ++y)
            for (int x = qRound(14.2 * dpcm); x < qRound(15.0 * dpcm); ++x)
                ink = ink || qGray(picture->image().pixel(x, y)) < 128;
        QVERIFY(ink);
    }
};

QTEST_MAIN(FichasWindowTest)
#include "fichas_window_test.moc"
