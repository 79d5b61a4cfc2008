#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "../../ETIQUETAS/frmprincipal.h"
#include "../../SOLO_CLASIF/frmprincipal.h"
#include "labellist.h"
#include "pdfwords.h"
#include "recordingsurface.h"
#include "scripteddialogs.h"
#include "testenv.h"
#include "windowtest.h"

using windowtest::caption;
using windowtest::field;

class FichasWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempDriveC> m_c;
    std::unique_ptr<ScriptedDialogs> m_dialogs;

    std::unique_ptr<fichas::frmPrincipal> makeWindow() {
        auto w = std::make_unique<fichas::frmPrincipal>(*m_dialogs);
        w->show();
        windowtest::activate(w.get());
        return w;
    }
    static void click(QWidget* w, const char* name) {
        auto* b = w->findChild<QPushButton*>(name);
        QVERIFY2(b, name);
        QTest::mouseClick(b, Qt::LeftButton);
    }

private Q_SLOTS:
    void init() {
        m_c = std::make_unique<TempDriveC>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
    }
    void cleanup() {
        m_dialogs.reset();
        m_c.reset();
    }

    void layout() {
        auto w = makeWindow();
        QCOMPARE(w->findChild<QLabel*>("Label1")->text(), QStringLiteral("Universidad Oderin Tesalore"));
        QCOMPARE(w->findChild<QLabel*>("Label6")->text(), QStringLiteral("Base Adm."));
        QCOMPARE(caption(w.get()), QStringLiteral("0 Etiquetas"));
        QCOMPARE(w->findChild<QPushButton*>("cmdVer")->text(), QStringLiteral("Vista Previa"));
        const double dpi = w->logicalDpiX();
        QCOMPARE(w->findChild<QPushButton*>("cmdImprimir")->geometry().topLeft(),
                 QPoint(qRound(2280 * dpi / 1440), qRound(3360 * dpi / 1440)));
        QCOMPARE(w->centralWidget()->size(), QSize(qRound(4440 * dpi / 1440), qRound(5475 * dpi / 1440)));
    }

    void generarFillsTheFourLists() {
        m_c->putPrintFile(printFileWithFullItems(2));
        auto w = makeWindow();
        QCOMPARE(field(w.get(), "txtDir")->text(), QStringLiteral("CLIENTE"));
        click(w.get(), "cmdGenerar");
        const QString sep = labellist::kSeparator;
        QCOMPARE(w->lists().lstBarras, (QStringList{"B0", sep, "B1", sep}));
        QCOMPARE(w->lists().lstClasify, (QStringList{"K0", sep, "K1", sep, "*"}));
        QCOMPARE(w->lists().lstAutor, (QStringList{"A0", sep, "A1", sep, "*"}));
        QCOMPARE(w->lists().lstTitulo, (QStringList{"T0", sep, "T1", sep}));
        QCOMPARE(caption(w.get()), QStringLiteral("Se han generado 2 etiquetas"));
        QVERIFY(m_dialogs->shown().isEmpty());
        click(w.get(), "cmdGenerar");  // again: nothing of the first run remains
        QCOMPARE(w->lists().lstBarras.size(), 4);
    }

    void generarWarnsWhenTheListsDisagree() {
        m_c->putPrintFile(printFileWithFullItems(2) + "<z30-call-no>X</z30-call-no>\r\n");
        auto w = makeWindow();
        w->cmdGenerar();
        QCOMPARE(caption(w.get()), QStringLiteral("Se han generado 3 etiquetas"));
        QCOMPARE(m_dialogs->messages().size(), 1);
        QCOMPARE(m_dialogs->messages()[0].title, QStringLiteral("Estimado Usuario:"));
        QVERIFY(m_dialogs->messages()[0].text.contains("2 códigos de barras, 3 clasificaciones, 2 títulos y 2 autores"));
    }

    void limpiarThenNothingHappensAndGenerarAsks() {
        m_c->putPrintFile(printFileWithFullItems(1));
        auto w = makeWindow();
        w->cmdGenerar();
        const QByteArray saved = m_c->read("ini.prn");
        click(w.get(), "cmdLimpiar");
        QCOMPARE(m_c->read("ini.prn"), saved);
        QVERIFY(field(w.get(), "txtDir")->text().isEmpty());
        QCOMPARE(caption(w.get()), QStringLiteral("0 Etiquetas"));
        click(w.get(), "cmdImprimir");  // not even the printer dialog
        click(w.get(), "cmdVer");
        QVERIFY(m_dialogs->shown().isEmpty());
        QVERIFY(!w->form1());
        click(w.get(), "cmdGenerar");
        QCOMPARE(m_dialogs->messages().size(), 1);
        QCOMPARE(m_dialogs->messages()[0].text, QStringLiteral("Falta especificar información"));
        QCOMPARE(m_c->read("ini.prn"), QByteArray("\r\n\r\n"));
    }

    void imprimirAfterTheDialogPrintsAtThePlaces() {
        m_c->putPrintFile(printFileWithFullItems(37));
        auto w = makeWindow();
        w->cmdGenerar();
        QTemporaryDir out;
        const QString pdf = out.filePath("dialogo.pdf");
        // The user picks "print to file" in the dialog.
        m_dialogs->answerPrinter(true, [&](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            p.setPageSize(QPageSize(QPageSize::A4));
        });
        click(w.get(), "cmdImprimir");
        QCOMPARE(m_dialogs->messages().size(), 1);
        QCOMPARE(m_dialogs->messages()[0].text, QStringLiteral("Recoja sus impresiones"));
        const PdfText text = readPdfWords(pdf);
        QVERIFY(text.ok);
        QCOMPARE(text.pages, 2);
        const auto second = text.find("K1");
        QCOMPARE(second.size(), 1);
        QVERIFY(qAbs(second[0].xMinCm - 7.2) < 0.01);
        QVERIFY(qAbs(second[0].yMinCm - 0.1) < 0.01);
        const auto last = text.find("K36");
        QCOMPARE(last[0].page, 2);
    }

    void cancelInThePrinterDialogPrintsNothing() {
        m_c->putPrintFile(printFileWithFullItems(3));
        auto w = makeWindow();
        w->cmdGenerar();
        std::shared_ptr<RecordingSurface> recorded;
        w->setPrinterFactory([&](std::unique_ptr<QPrinter>) {
            recorded = std::make_shared<RecordingSurface>();
            return recorded;
        });
        m_dialogs->answerPrinter(false);
        w->cmdImprimir();
        QVERIFY(!recorded);
        QCOMPARE(m_dialogs->shown().size(), 1);  // the dialog, and no message
        // Confirmed: printed, with the faces of the layout.
        m_dialogs->answerPrinter(true);
        w->cmdImprimir();
        QVERIFY(recorded);
        QCOMPARE(recorded->lines().size(), 3 * 4);
        QCOMPARE(m_dialogs->messages().last().text, QStringLiteral("Recoja sus impresiones"));
    }

    void noPrinterSaysSo() {
        m_c->putPrintFile(printFileWithFullItems(1));
        auto w = makeWindow();
        w->cmdGenerar();
        w->setPrinterFactory([](std::unique_ptr<QPrinter>) {
            auto s = std::make_shared<RecordingSurface>();
            s->failDrawing(QStringLiteral("no hay ninguna impresora predeterminada"));
            return s;
        });
        m_dialogs->answerPrinter(true);
        w->cmdImprimir();
        QCOMPARE(m_dialogs->messages().size(), 1);
        QCOMPARE(m_dialogs->messages()[0].text, QStringLiteral("No se pudo imprimir: no hay ninguna impresora predeterminada"));
    }

    void previewAsksEveryThirtySixAndShowsTheWholeSheet() {
        m_c->putPrintFile(printFileWithFullItems(37));
        auto w = makeWindow();
        w->cmdGenerar();
        m_dialogs->answerQuestion(false);
        click(w.get(), "cmdVer");
        QVERIFY(w->form1());
        QCOMPARE(m_dialogs->shown().size(), 1);
        QCOMPARE(m_dialogs->shown()[0].title, QStringLiteral("Mensaje:"));
        QCOMPARE(m_dialogs->shown()[0].text, QStringLiteral("¿Continuar?"));
        // Row 11 (29.2 cm) is on the picture.
        const PictureBox* picture = w->form1()->picture();
        const double dpcm = picture->dpi() / 2.54;
        bool ink = false;
        for (int y = qRound(29.2 * dpcm); y < qRound(29.6 * dpcm); ++y)
            for (int x = qRound(14.2 * dpcm); x < qRound(15.0 * dpcm); ++x)
                ink = ink || qGray(picture->image().pixel(x, y)) < 128;
        QVERIFY(ink);
    }

    void settingsAreSharedWithLomos() {
        {
            frmPrincipal lomos(*m_dialogs);
            lomos.findChild<QLineEdit*>("txtDir")->setText(QStringLiteral("DESDE LOMOS"));
            lomos.findChild<QLineEdit*>("txtBase")->setText(QStringLiteral("BASE1"));
            lomos.Generar();
        }
        {
            auto w = makeWindow();
            QCOMPARE(field(w.get(), "txtDir")->text(), QStringLiteral("DESDE LOMOS"));
            QCOMPARE(field(w.get(), "txtBase")->text(), QStringLiteral("BASE1"));
            field(w.get(), "txtDir")->setText(QStringLiteral("DESDE FICHAS"));
            w->cmdGenerar();
        }
        frmPrincipal lomos(*m_dialogs);
        QCOMPARE(lomos.findChild<QLineEdit*>("txtDir")->text(), QStringLiteral("DESDE FICHAS"));
    }

    void ctrlSEnds() {
        auto w = makeWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        int exits = 0;
        w->setExitHandler([&] { ++exits; });
        QTest::keyClick(w.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(exits, 1);
        click(w.get(), "cmdSalir");
        QCOMPARE(exits, 2);
    }
};

QTEST_MAIN(FichasWindowTest)
#include "window_test.moc"
