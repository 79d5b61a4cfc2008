#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QComboBox>
#include <QPushButton>
#include <QPrinterInfo>

#include "application.h"
#include "form1.h"
#include "frmprincipal.h"
#include "frmtamano.h"
#include "labellist.h"
#include "paintersurface.h"
#include "pdfwords.h"
#include "recordingsurface.h"
#include "scripteddialogs.h"
#include "testenv.h"
#include "windowtest.h"

using windowtest::caption;
using windowtest::field;

class LomosWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempDriveC> m_c;
    std::unique_ptr<ScriptedDialogs> m_dialogs;

    std::unique_ptr<frmPrincipal> makeWindow() {
        auto w = std::make_unique<frmPrincipal>(*m_dialogs);
        w->show();
        activate(w.get());
        return w;
    }
    static void activate(QWidget* w) { QVERIFY(windowtest::activate(w)); }
    static void clickToolbar(QWidget* w, int index) {
        auto* bar = w->findChild<QToolBar*>("Toolbar1");
        QAction* action = bar->findChild<QAction*>(QStringLiteral("Toolbar1_%1").arg(index));
        QVERIFY(action);
        QTest::mouseClick(bar->widgetForAction(action), Qt::LeftButton);
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

    void layoutAndStartState() {
        auto w = makeWindow();
        QCOMPARE(caption(w.get()), QStringLiteral("0 Etiquetas"));
        QCOMPARE(field(w.get(), "txttamaño")->text(), QStringLiteral("Se va a imprimir con tamaño 8"));
        QCOMPARE(w->txttamanoOnly(), QStringLiteral("8"));
        QVERIFY(w->lstClasify().isEmpty());
        auto* bar = w->findChild<QToolBar*>("Toolbar1");
        QStringList captions;
        for (QAction* a : bar->actions()) captions << a->text();
        QCOMPARE(captions, (QStringList{"Generar", "Vista Previa", "Imprimir", "Configurar", "Limpiar", "Salir"}));
        // Twips at the screen's logical dpi.
        const double dpi = w->logicalDpiX();
        QCOMPARE(field(w.get(), "txtDir")->geometry().left(), qRound(2760 * dpi / 1440));
        QCOMPARE(w->centralWidget()->width(), qRound(5700 * dpi / 1440));
        QVERIFY(!w->findChild<QLabel*>("Picture1")->pixmap().isNull());
    }

    void loadStepFillsTheFields() {
        m_c->write("ini.prn", " CLIENTE \r\nBIB50\r\nextra\r\n");
        auto w = makeWindow();
        QCOMPARE(field(w.get(), "txtDir")->text(), QStringLiteral(" CLIENTE "));
        QCOMPARE(field(w.get(), "txtBase")->text(), QStringLiteral("BIB50"));
    }

    void generarBuildsTheListAndSavesTheSettings() {
        m_c->write("CLIENTE/CATALOG/FILES/BIB50/PRINT/itemlbl.prn",
                   printFileWithCallNumbers({"QA76.73 .C15 2005", "TESIS"}));
        auto w = makeWindow();
        QTest::keyClicks(field(w.get(), "txtDir"), "CLIENTE");
        QTest::keyClicks(field(w.get(), "txtBase"), "BIB50");
        clickToolbar(w.get(), 1);
        const QString sep = labellist::kSeparator;
        QCOMPARE(w->lstClasify(), (QStringList{"QA76.73", ".C15", "2005", sep, "TESIS", sep, "*"}));
        QCOMPARE(caption(w.get()), QStringLiteral("Se han generado 2 etiquetas"));
        QCOMPARE(m_c->read("ini.prn"), QByteArray("CLIENTE\r\nBIB50\r\n"));
        QVERIFY(m_dialogs->shown().isEmpty());
        // Again: the same list, not a doubled one.
        clickToolbar(w.get(), 1);
        QCOMPARE(w->lstClasify().size(), 7);
    }

    void generarWithAnEmptyFieldAsks() {
        auto w = makeWindow();
        QTest::keyClicks(field(w.get(), "txtBase"), "BIB50");
        clickToolbar(w.get(), 1);
        QCOMPARE(m_dialogs->messages().size(), 1);
        QCOMPARE(m_dialogs->messages()[0].title, QStringLiteral("Estimado Usuario:"));
        QCOMPARE(m_dialogs->messages()[0].text, QStringLiteral("Falta especificar información"));
        QCOMPARE(caption(w.get()), QStringLiteral("0 Etiquetas"));
        QVERIFY(w->lstClasify().isEmpty());
        QCOMPARE(m_c->read("ini.prn"), QByteArray("\r\nBIB50\r\n"));
    }

    void blanksPassTheCheck() {
        auto w = makeWindow();
        field(w.get(), "txtDir")->setText(" ");
        field(w.get(), "txtBase")->setText(" ");
        w->Generar();
        // No "Falta especificar": the path is tried with the blanks, and is missing.
        QCOMPARE(m_dialogs->messages().size(), 1);
        QVERIFY(m_dialogs->messages()[0].text.startsWith("No se pudo leer el archivo de etiquetas:\n"));
    }

    void unreadablePrintFileIsNoticedAfterTheCaption() {
        auto w = makeWindow();
        field(w.get(), "txtDir")->setText("NOESTA");
        field(w.get(), "txtBase")->setText("BIB50");
        w->Generar();
        QCOMPARE(caption(w.get()), QStringLiteral("Se han generado 0 etiquetas"));
        QCOMPARE(w->lstClasify(), QStringList{"*"});
        QCOMPARE(m_dialogs->messages().size(), 1);
        QCOMPARE(m_dialogs->messages()[0].text,
                 "No se pudo leer el archivo de etiquetas:\n" + m_c->file("NOESTA/CATALOG/FILES/BIB50/PRINT/itemlbl.prn"));
    }

    void limpiarEmptiesListAndFieldsButNotTheFile() {
        m_c->putPrintFile(printFileWithCallNumbers({"A"}));
        auto w = makeWindow();
        w->Generar();
        const QByteArray saved = m_c->read("ini.prn");
        clickToolbar(w.get(), 5);
        QVERIFY(w->lstClasify().isEmpty());
        QVERIFY(field(w.get(), "txtDir")->text().isEmpty());
        QVERIFY(field(w.get(), "txtBase")->text().isEmpty());
        QCOMPARE(caption(w.get()), QStringLiteral("0 Etiquetas"));
        QCOMPARE(m_c->read("ini.prn"), saved);
        // Nothing to print or preview now: no box, no preview window.
        w->Imprimir();
        w->Ver();
        QVERIFY(m_dialogs->shown().isEmpty());
        QVERIFY(!w->form1());
        // Generar now saves two empty lines.
        w->Generar();
        QCOMPARE(m_c->read("ini.prn"), QByteArray("\r\n\r\n"));
    }

    void ctrlSEndsTheProgramAndClosesItsWindows() {
        auto w = makeWindow();
        int exits = 0;
        w->setExitHandler([&] { ++exits; });
        w->Tamano();
        QPointer<frmTamano> tamano = w->tamano();
        QVERIFY(tamano && tamano->isVisible());
        activate(w.get());
        QTest::keyClick(w.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(exits, 1);
        QTRY_VERIFY(!tamano);
    }

    void ctrlTOpensOneFontSizeWindow() {
        auto w = makeWindow();
        QTest::keyClick(w.get(), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(w->tamano());
        QPointer<frmTamano> first = w->tamano();
        auto* combo = first->findChild<QComboBox*>(QStringLiteral("cmbTamaño"));
        combo->setCurrentText("10");
        activate(w.get());
        QTest::keyClick(w.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(w->tamano(), first.data());
        QCOMPARE(combo->currentText(), QStringLiteral("10"));  // unchanged by the second click
    }

    void fontSizeWindow() {
        auto w = makeWindow();
        w->Tamano();
        QPointer<frmTamano> t = w->tamano();
        QCOMPARE(t->windowTitle(), QStringLiteral("Tamaño de la Fuente"));
        auto* combo = t->findChild<QComboBox*>(QStringLiteral("cmbTamaño"));
        QCOMPARE(combo->currentText(), QStringLiteral("8"));
        QCOMPARE(combo->count(), 5);
        // Empty: nothing happens, the window stays.
        combo->setCurrentText("");
        QTest::mouseClick(t->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QVERIFY(t);
        QCOMPARE(w->txttamanoOnly(), QStringLiteral("8"));
        combo->setCurrentIndex(combo->findText("10"));
        QTest::mouseClick(t->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QTRY_VERIFY(!t);
        QCOMPARE(w->txttamanoOnly(), QStringLiteral("10"));
        QCOMPARE(field(w.get(), "txttamaño")->text(), QStringLiteral("Se va a imprimir con tamaño: 10"));
        // Typed, not validated; a new window shows 8 again.
        w->Tamano();
        QCOMPARE(w->tamano()->findChild<QComboBox*>(QStringLiteral("cmbTamaño"))->currentText(), QStringLiteral("8"));
        w->tamano()->findChild<QComboBox*>(QStringLiteral("cmbTamaño"))->setCurrentText("7.5");
        w->tamano()->cmdOK();
        QCOMPARE(w->txttamanoOnly(), QStringLiteral("7.5"));
    }

    void imprimirUsesTheSizeAndTheCoordinateFileOfNow() {
        m_c->putPrintFile(printFileWithCallNumbers({"A", "B"}));
        m_c->putDefaultCoordinates();
        auto w = makeWindow();
        w->Generar();
        std::shared_ptr<RecordingSurface> recorded;
        w->setPrinterFactory([&] {
            recorded = std::make_shared<RecordingSurface>();
            return recorded;
        });
        w->setFontSizeText("10");
        // A coordinate changed on disk counts at the next print.
        QByteArray cy = m_c->read("cy.txt");
        cy.replace("9.2\r\n", "9.9\r\n");
        m_c->write("cy.txt", cy);
        w->Imprimir();
        QVERIFY(recorded);
        QCOMPARE(recorded->lines().size(), 2);
        QCOMPARE(recorded->lines()[1].xCm, 9.9);
        QCOMPARE(recorded->lines()[0].sizePt, 10.0);
        QCOMPARE(recorded->lines()[0].face, QStringLiteral("Times NEw Roman"));
        QCOMPARE(w->coordinates().x[1], QStringLiteral("9.9"));
        QCOMPARE(m_dialogs->messages().size(), 1);
        QCOMPARE(m_dialogs->messages()[0].text, QStringLiteral("Recoja sus impresiones"));
        QCOMPARE(m_dialogs->messages()[0].title, QStringLiteral("Estimado Usuario:"));
    }

    void imprimirWithoutAPrinterSaysSo() {
        m_c->putPrintFile(printFileWithCallNumbers({"A"}));
        auto w = makeWindow();
        w->Generar();
        w->setPrinterFactory([] {
            auto s = std::make_shared<RecordingSurface>();
            s->failDrawing(QStringLiteral("no hay ninguna impresora predeterminada"));
            return s;
        });
        w->Imprimir();
        QCOMPARE(m_dialogs->messages().size(), 1);
        QCOMPARE(m_dialogs->messages()[0].text,
                 QStringLiteral("No se pudo imprimir: no hay ninguna impresora predeterminada"));
    }

    void imprimirOnTheRealDefaultPrinterWhenThereIsNone() {
        // With no spooler reachable there is no default printer: the message
        // says so instead of "Recoja sus impresiones".
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a default printer exists here");
        m_c->putPrintFile(printFileWithCallNumbers({"A"}));
        auto w = makeWindow();
        w->Generar();
        w->Imprimir();
        QCOMPARE(m_dialogs->messages().size(), 1);
        QVERIFY(m_dialogs->messages()[0].text.startsWith("No se pudo imprimir: "));
    }

    void previewShowsTheWholeSheetAndAsksBetweenSheets() {
        QStringList callNumbers;
        for (int k = 0; k < 34; ++k) callNumbers << QStringLiteral("K%1").arg(k);
        m_c->putPrintFile(printFileWithCallNumbers(callNumbers));
        m_c->putDefaultCoordinates();
        auto w = makeWindow();
        w->Generar();
        m_dialogs->answerQuestion(false);
        clickToolbar(w.get(), 2);
        QVERIFY(w->form1() && w->form1()->isVisible());
        QCOMPARE(m_dialogs->shown().size(), 1);
        QCOMPARE(m_dialogs->shown()[0].kind, QStringLiteral("question"));
        QCOMPARE(m_dialogs->shown()[0].text, QStringLiteral("Continuar"));
        // The bottom row (25.7 cm) is on the picture: ink near its place.
        const PictureBox* picture = w->form1()->picture();
        const QImage& image = picture->image();
        const double dpcm = picture->dpi() / 2.54;
        QVERIFY(image.height() >= qRound(30.9 * dpcm));
        auto inkIn = [&](double xCm, double yCm) {
            const QRect r(qRound(xCm * dpcm), qRound(yCm * dpcm), qRound(1.0 * dpcm), qRound(0.4 * dpcm));
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (qGray(image.pixel(x, y)) < 128) return true;
            return false;
        };
        QVERIFY(inkIn(15.7, 25.7));  // K32
        QVERIFY(inkIn(2.8, 0));      // K0
        QVERIFY(!inkIn(5.0, 27.0));
        // The window fits a 1366 x 768 screen.
        QVERIFY(w->form1()->frameGeometry().width() <= 1366);
        QVERIFY(w->form1()->frameGeometry().height() <= 740);

        // A second preview draws again over the picture: Yes clears and K33 comes alone.
        m_dialogs->answerQuestion(true);
        w->Ver();
        QVERIFY(inkIn(2.8, 0));
        QVERIFY(!inkIn(15.7, 25.7));
    }

    void regresarClosesThePreview() {
        m_c->putPrintFile(printFileWithCallNumbers({"A"}));
        auto w = makeWindow();
        w->Generar();
        w->Ver();
        QPointer<Form1> form = w->form1();
        QVERIFY(form);
        QTest::mouseClick(form->findChild<QPushButton*>("cmdRegresar"), Qt::LeftButton);
        QTRY_VERIFY(!form);
        w->Ver();
        form = w->form1();
        QVERIFY(form);
        activate(form);
        QTest::keyClick(form, Qt::Key_R, Qt::ControlModifier);
        QTRY_VERIFY(!form);
        QVERIFY(w->isVisible());
    }

    void configurarTwiceOpensOneEditor() {
        auto w = makeWindow();
        clickToolbar(w.get(), 4);
        QPointer<frmConfigura> first = w->configura();
        QVERIFY(first && first->isVisible());
        clickToolbar(w.get(), 4);
        QCOMPARE(w->configura(), first.data());
        QVERIFY(w->isEnabled());
    }

    void qtSpeaksSpanish() {
        // The standard buttons and the printer dialog come from Qt's own
        // translation, loaded at start.
        setUpApplication(*QCoreApplication::instance());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sí"));
        QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Imprimir"));
    }

    void unknownToolbarIndexDoesNothing() {
        auto w = makeWindow();
        w->toolbarClicked(0);
        w->toolbarClicked(7);
        QVERIFY(m_dialogs->shown().isEmpty());
    }
};

QTEST_MAIN(LomosWindowTest)
#include "window_test.moc"
