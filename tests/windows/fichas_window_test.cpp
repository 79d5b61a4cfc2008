// fichas through its window, with every box and the printer dialog answered
// by the test.
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include "fichas/ui/mainwindow.h"
#include "common/core/messages.h"
#include "pdfwords.h"
#include "scripteddialogs.h"
#include "testenv.h"

using windowtest::caption;
using windowtest::field;

class FichasWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDriveC> m_c;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<fichas::MainWindow> m_w;

    void window(const QByteArray& printFile) {
        m_c->putPrintFile(printFile);
        m_w = std::make_unique<fichas::MainWindow>(*m_dialogs);
        m_w->show();
        windowtest::activate(m_w.get());
    }
    void click(const char* name) {
        QTest::mouseClick(m_w->findChild<QPushButton*>(name), Qt::LeftButton);
    }

private Q_SLOTS:
    void init() {
        m_c = std::make_unique<TempDriveC>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
    }
    void cleanup() {
        m_w.reset();
        QVERIFY2(m_dialogs->unexpected().isEmpty(), qPrintable(m_dialogs->unexpected().join('\n')));
    }

    void generarFillsTheFourListsAndWarnsWhenTheyDisagree() {
        window(printFileWithFullItems(2) + "<z30-call-no>X</z30-call-no>\r\n");
        QCOMPARE(field(m_w.get(), "txtDir")->text(), QStringLiteral("CLIENTE"));
        click("cmdGenerar");
        const QString sep = labellist::kSeparator;
        QCOMPARE(m_w->labels().barcodes, (QStringList{"B0", sep, "B1", sep}));
        QCOMPARE(m_w->labels().callNumberLines, (QStringList{"K0", sep, "K1", sep, "X", sep, "*"}));
        QCOMPARE(m_w->labels().authorLines, (QStringList{"A0", sep, "A1", sep, "*"}));
        QCOMPARE(m_w->labels().titleLines, (QStringList{"T0", sep, "T1", sep}));
        QCOMPARE(caption(m_w.get()), QStringLiteral("Se han generado 3 etiquetas"));
        QCOMPARE(m_dialogs->shown().size(), 1);
        QCOMPARE(m_dialogs->shown()[0].title, QStringLiteral("Estimado Usuario:"));
        QVERIFY(m_dialogs->messages()[0].contains("2 códigos de barras, 3 clasificaciones"));
    }

    void limpiarThenNothingPrintsAndGenerarAsks() {
        window(printFileWithFullItems(1));
        m_w->generate();
        click("cmdLimpiar");
        QCOMPARE(m_c->read("ini.prn"), QByteArray("CLIENTE\r\nBIB50\r\n"));
        QCOMPARE(caption(m_w.get()), QStringLiteral("0 Etiquetas"));
        click("cmdImprimir");  // not even the printer dialog
        click("cmdVer");
        QVERIFY(m_dialogs->shown().isEmpty());
        click("cmdGenerar");
        QCOMPARE(m_dialogs->messages(), QStringList{"Falta especificar información"});
    }

    void imprimirAfterTheDialogAndNotAfterCancel() {
        window(printFileWithFullItems(37));
        m_w->generate();
        m_dialogs->answerPrinter(false);
        click("cmdImprimir");
        QCOMPARE(m_dialogs->shown().size(), 1);  // the dialog, and no message
        QTemporaryDir out;
        m_dialogs->answerPrinter(true, [&](QPrinter& p) {  // "print to file" in the dialog
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(out.filePath("dialogo.pdf"));
            p.setPageSize(QPageSize(QPageSize::A4));
        });
        click("cmdImprimir");
        QCOMPARE(m_dialogs->messages(), QStringList{"Recoja sus impresiones"});
        const PdfText text = readPdfWords(out.filePath("dialogo.pdf"));
        QCOMPARE(text.pages, 2);
        QCOMPARE(text.find("K1").size(), 1);
        QVERIFY(qAbs(text.find("K1")[0].xMinCm - 7.2) < 0.01);
        QVERIFY(qAbs(text.find("K1")[0].yMinCm - 0.1) < 0.01);
    }

    void previewAsksEveryThirtySixAndShowsTheWholeSheet() {
        window(printFileWithFullItems(37));
        m_w->generate();
        m_dialogs->answerQuestion(false);
        click("cmdVer");
        QCOMPARE(m_dialogs->shown().size(), 1);
        QCOMPARE(m_dialogs->shown()[0].title, QStringLiteral("Mensaje:"));
        QCOMPARE(m_dialogs->shown()[0].text, QStringLiteral("¿Continuar?"));
        const PictureBox* picture = m_w->previewWindow()->picture();
        const double dpcm = picture->dpi() / 2.54;
        bool ink = false;  // the last row (29.2 cm) is on the picture
        for (int y = qRound(29.2 * dpcm); y < qRound(29.6 * dpcm); ++y)
            for (int x = qRound(14.2 * dpcm); x < qRound(15.0 * dpcm); ++x)
                ink = ink || qGray(picture->image().pixel(x, y)) < 128;
        QVERIFY(ink);
    }

    void startFieldAndTheWholeCountOfAMillionLabels() {
        window(printFileWithFullItems(10));
        m_w->generate();
        field(m_w.get(), "txtInicio")->setText("30");
        QTemporaryDir out;
        m_dialogs->answerPrinter(true, [&](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(out.filePath("inicio.pdf"));
        });
        click("cmdImprimir");
        const PdfText text = readPdfWords(out.filePath("inicio.pdf"));
        QVERIFY(text.distanceCm("K0", 1, 13.7, 24.4 - 2.5) < 0.01);  // place 30
        QVERIFY(text.distanceCm("K7", 2, 0.8, 0.1) < 0.01);          // place 1 of sheet 2
        QCOMPARE(field(m_w.get(), "txtInicio")->text(), QStringLiteral("4"));

        auto* status = m_w->findChild<QLabel*>("lblEspere");
        m_w->showStatus(messages::generated(1000000));
        QVERIFY(QFontMetrics(status->font()).horizontalAdvance(status->text()) <= status->width());
        QVERIFY(status->font().pointSizeF() >= 14);  // read whole, and still large
    }

    void ctrlSAndSalirEnd() {
        window(printFileWithFullItems(1));
        int exits = 0;
        m_w->setExitHandler([&] { ++exits; });
        QTest::keyClick(m_w.get(), Qt::Key_S, Qt::ControlModifier);
        click("cmdSalir");
        QCOMPARE(exits, 2);
    }
};

QTEST_MAIN(FichasWindowTest)
#include "fichas_window_test.moc"
