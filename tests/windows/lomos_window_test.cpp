// lomos through its windows: the main window, the font size, the preview and
// the coordinate editor, driven as a person would, with every box answered
// by the test.
#include <QComboBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QToolBar>

#include "SOLO_CLASIF/batch.h"
#include "SOLO_CLASIF/ui/frmprincipal.h"
#include "common/core/recordingsurface.h"
#include "common/core/startup.h"
#include "pdfwords.h"
#include "scripteddialogs.h"
#include "testenv.h"
#include "windowtest.h"

using namespace lomos;
using windowtest::caption;
using windowtest::field;

class LomosWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDriveC> m_c;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmPrincipal> m_w;

    frmPrincipal* window() {
        m_w = std::make_unique<frmPrincipal>(*m_dialogs);
        m_w->show();
        if (!windowtest::activate(m_w.get())) qWarning("the window did not become active");
        return m_w.get();
    }
    void clickToolbar(int index) {
        auto* bar = m_w->findChild<QToolBar*>("Toolbar1");
        QTest::mouseClick(bar->widgetForAction(bar->actions().at(index - 1)), Qt::LeftButton);
    }
    // Answers "Imprimir" with a recording printer.
    std::shared_ptr<RecordingSurface> recordPrinting() {
        auto recorded = std::make_shared<RecordingSurface>();
        m_w->setPrinterFactory([recorded] { return recorded; });
        return recorded;
    }
    frmConfigura* editor() {
        m_w->Configurar();
        return m_w->configura();
    }
    void clickIn(QWidget* w, const char* button) {
        QTest::mouseClick(w->findChild<QPushButton*>(QString::fromUtf8(button)), Qt::LeftButton);
    }

private Q_SLOTS:
    void init() {
        m_c = std::make_unique<TempDriveC>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
    }
    void cleanup() {
        m_w.reset();
        QVERIFY2(m_dialogs->unexpected().isEmpty(), qPrintable(m_dialogs->unexpected().join(u'\n')));
        m_dialogs.reset();
        m_c.reset();
    }

    void generarBuildsTheListAndSavesTheSettings() {
        m_c->write("CLIENTE/CATALOG/FILES/BIB50/PRINT/itemlbl.prn", printFileWithCallNumbers({"QA76 .C15", "TESIS"}));
        m_c->write("ini.prn", " OTRO \r\nBIB\r\nextra\r\n");
        window();
        QCOMPARE(field(m_w.get(), "txtDir")->text(), QStringLiteral(" OTRO "));
        QCOMPARE(caption(m_w.get()), QStringLiteral("0 Etiquetas"));
        field(m_w.get(), "txtDir")->clear();
        QTest::keyClicks(field(m_w.get(), "txtDir"), "CLIENTE");
        field(m_w.get(), "txtBase")->setText("BIB50");
        clickToolbar(1);
        const QString sep = labellist::kSeparator;
        QCOMPARE(m_w->lstClasify(), (QStringList{"QA76", ".C15", sep, "TESIS", sep, "*"}));
        QCOMPARE(caption(m_w.get()), QStringLiteral("Se han generado 2 etiquetas"));
        QCOMPARE(m_c->read("ini.prn"), QByteArray("CLIENTE\r\nBIB50\r\n"));
        QVERIFY(m_dialogs->shown().isEmpty());
        clickToolbar(1);  // again: the same list, not a doubled one
        QCOMPARE(m_w->lstClasify().size(), 6);
    }

    void generarTellsWhatIsMissing() {
        window();
        field(m_w.get(), "txtBase")->setText("BIB50");
        m_w->Generar();
        field(m_w.get(), "txtDir")->setText("NOESTA");
        m_w->Generar();
        QCOMPARE(m_dialogs->messages(),
                 (QStringList{"Falta especificar información",
                              "No se pudo leer el archivo de etiquetas:\n" + m_c->file("NOESTA/CATALOG/FILES/BIB50/PRINT/itemlbl.prn")}));
        QCOMPARE(m_dialogs->shown()[0].title, QStringLiteral("Estimado Usuario:"));
        QCOMPARE(caption(m_w.get()), QStringLiteral("Se han generado 0 etiquetas"));
    }

    void limpiarEmptiesListAndFieldsButNotTheFile() {
        m_c->putPrintFile(printFileWithCallNumbers({"A"}));
        window();
        m_w->Generar();
        clickToolbar(5);
        QVERIFY(m_w->lstClasify().isEmpty());
        QVERIFY(field(m_w.get(), "txtDir")->text().isEmpty());
        QCOMPARE(caption(m_w.get()), QStringLiteral("0 Etiquetas"));
        QCOMPARE(m_c->read("ini.prn"), QByteArray("CLIENTE\r\nBIB50\r\n"));
        m_w->Imprimir();  // nothing to print or preview: no box, no window
        m_w->Ver();
        QVERIFY(m_dialogs->shown().isEmpty());
        QVERIFY(!m_w->form1());
    }

    void fontSizeWindow() {
        m_c->putPrintFile(printFileWithCallNumbers({"A"}));
        window();
        QTest::keyClick(m_w.get(), Qt::Key_T, Qt::ControlModifier);
        QPointer<frmTamano> t = m_w->tamano();
        QVERIFY(t);
        auto* combo = t->findChild<QComboBox*>(QStringLiteral("cmbTamaño"));
        QCOMPARE(combo->currentText(), QStringLiteral("8"));
        combo->setCurrentText("");  // empty: nothing happens
        clickIn(t, "cmdOK");
        QVERIFY(t);
        combo->setCurrentText("10");
        m_w->Tamano();  // a second call brings the same window
        QCOMPARE(m_w->tamano(), t.data());
        clickIn(t, "cmdOK");
        QTRY_VERIFY(!t);
        QCOMPARE(field(m_w.get(), "txttamaño")->text(), QStringLiteral("Se va a imprimir con tamaño: 10"));
        m_w->Generar();
        auto recorded = recordPrinting();
        m_w->Imprimir();
        QCOMPARE(recorded->lines()[0].sizePt, 10.0);
    }

    void imprimirReadsTheCoordinateFileOfNow() {
        m_c->putPrintFile(printFileWithCallNumbers({"A", "B"}));
        m_c->putDefaultCoordinates();
        window();
        m_w->Generar();
        auto recorded = recordPrinting();
        QByteArray cy = m_c->read("cy.txt");
        m_c->write("cy.txt", cy.replace("9.2\r\n", "9.9\r\n"));
        clickToolbar(3);
        QCOMPARE(recorded->lines().size(), 2);
        QCOMPARE(recorded->lines()[1].xCm, 9.9);
        QCOMPARE(m_dialogs->messages(), QStringList{"Recoja sus impresiones"});
    }

    void imprimirWithoutAPrinterSaysSo() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a default printer exists here");
        m_c->putPrintFile(printFileWithCallNumbers({"A"}));
        window();
        m_w->Generar();
        m_w->Imprimir();
        QCOMPARE(m_dialogs->messages(), QStringList{"No se pudo imprimir: no hay ninguna impresora predeterminada"});
    }

    void previewShowsTheWholeSheetAndAsksBetweenSheets() {
        QStringList callNumbers;
        for (int k = 0; k < 34; ++k) callNumbers << QStringLiteral("K%1").arg(k);
        m_c->putPrintFile(printFileWithCallNumbers(callNumbers));
        m_c->putDefaultCoordinates();
        window();
        m_w->Generar();
        m_dialogs->answerQuestion(false);
        clickToolbar(2);
        QCOMPARE(m_dialogs->shown().size(), 1);
        QCOMPARE(m_dialogs->shown()[0].text, QStringLiteral("Continuar"));
        const PictureBox* picture = m_w->form1()->picture();
        const double dpcm = picture->dpi() / 2.54;
        auto inkIn = [&](double xCm, double yCm) {
            for (int y = qRound(yCm * dpcm); y < qRound((yCm + 0.4) * dpcm); ++y)
                for (int x = qRound(xCm * dpcm); x < qRound((xCm + 1) * dpcm); ++x)
                    if (qGray(picture->image().pixel(x, y)) < 128) return true;
            return false;
        };
        QVERIFY(inkIn(15.7, 25.7));  // the last row is on the picture
        QVERIFY(inkIn(2.8, 0));
        QVERIFY(!inkIn(5.0, 27.0));
        QVERIFY(m_w->form1()->frameGeometry().height() <= 740);  // fits 1366 x 768
        m_dialogs->answerQuestion(true);  // Yes clears: K33 comes alone
        m_w->Ver();
        QVERIFY(inkIn(2.8, 0));
        QVERIFY(!inkIn(15.7, 25.7));
        QPointer<Form1> form = m_w->form1();
        clickIn(form, "cmdRegresar");
        QTRY_VERIFY(!form);
    }

    void qtSpeaksSpanish() {
        setUpApplication(*QCoreApplication::instance());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sí"));
        QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Imprimir"));
    }

    void ctrlSEndsTheProgramAndClosesItsWindows() {
        window();
        int exits = 0;
        m_w->setExitHandler([&] { ++exits; });
        QPointer<frmConfigura> configura = editor();
        windowtest::activate(m_w.get());
        QTest::keyClick(m_w.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(exits, 1);
        QTRY_VERIFY(!configura);
    }

    void editorCaptionsAndTabOrder() {
        window();
        frmConfigura* e = editor();
        QCOMPARE(editor(), e);  // "Configurar" again brings the same editor
        QCOMPARE(e->findChild<QPushButton*>("cmdch6")->text(), QStringLiteral("Cambio vertical fila 6"));
        QCOMPARE(e->findChild<QPushButton*>("cmdch9")->text(), QStringLiteral("Cambio verticall Fila 9"));
        QWidget* w = e->findChild<QLineEdit*>("txt0x");
        QStringList order;
        for (int i = 0; i < 5; ++i, w = w->nextInFocusChain()) order << w->objectName();
        QCOMPARE(order, (QStringList{"txt0x", "txt0", "txt1x", "txt1", "txt2x"}));
    }

    void editorRowAndColumnButtons() {
        m_c->putDefaultCoordinates();
        window();
        frmConfigura* e = editor();
        CoordinateTable expected = e->table();
        m_dialogs->answerInput("15.2");
        clickIn(e, "cmdch6");
        m_dialogs->answerInput(" 9.5 ");
        clickIn(e, "cmdCambioColumna1");
        m_dialogs->answerInput("");  // Cancel changes nothing
        clickIn(e, "cmdch3");
        QCOMPARE(m_dialogs->shown()[0].text, QStringLiteral("Teclea el nuevo valor para las etiquetas de la fila 6"));
        QCOMPARE(m_dialogs->shown()[1].text,
                 QStringLiteral("Teclea el nuevo valor horizontal para las etiquetas de la columna 1"));
        expected.y[18] = expected.y[19] = expected.y[20] = "15.2";
        for (int p = 1; p < 33; p += 3) expected.x[p] = " 9.5 ";
        QCOMPARE(e->table(), expected);
    }

    void editorResetGuardarAndRegresar() {
        m_c->write("cy.txt", "1\r\n2\r\n");
        window();
        QPointer<frmConfigura> e = editor();
        clickIn(e, "cmdRestablecer");
        clickIn(e, "cmdRegresar");  // not saved
        QTRY_VERIFY(!e);
        QCOMPARE(m_c->read("cy.txt"), QByteArray("1\r\n2\r\n"));
        e = editor();
        clickIn(e, "cmdRestablecer");
        clickIn(e, "cmdGuardar");
        QTRY_VERIFY(!e);
        QCOMPARE(m_c->read("cy.txt"), readAll(projectDir() + "/demo/cy.txt"));
    }

    void editorKeepsEverythingWhenTheSaveFails() {
        m_c->write("cy.txt/inside", "old");  // a folder: the file cannot be replaced
        window();
        QPointer<frmConfigura> e = editor();
        e->findChild<QLineEdit*>("txt7x")->setText("3.3");
        clickIn(e, "cmdGuardar");
        QVERIFY(e);
        QCOMPARE(e->findChild<QLineEdit*>("txt7x")->text(), QStringLiteral("3.3"));
        QCOMPARE(m_dialogs->messages(), QStringList{"No se pudo guardar el archivo de coordenadas:\n" + m_c->file("cy.txt")});
        QCOMPARE(m_c->read("cy.txt/inside"), QByteArray("old"));
    }

    void editedPositionsReachThePdfOnlyOnceSaved() {
        m_c->putDefaultCoordinates();
        QStringList callNumbers;
        for (int k = 0; k < 33; ++k) callNumbers << QStringLiteral("P%1").arg(k);
        m_c->putPrintFile(printFileWithCallNumbers(callNumbers));
        window();
        m_w->Generar();
        QPointer<frmConfigura> e = editor();
        m_dialogs->answerInput("12.5");
        clickIn(e, "cmdch5");
        m_dialogs->answerInput("15.9");
        clickIn(e, "cmdCambioColumna2");
        auto recorded = recordPrinting();
        m_w->Imprimir();
        QCOMPARE(recorded->lines()[2].xCm, 15.7);  // not saved yet
        clickIn(e, "cmdGuardar");
        QTRY_VERIFY(!e);

        QTemporaryDir out;
        QString stdoutText, stderrText;
        QTextStream o(&stdoutText), err(&stderrText);
        QCOMPARE(runBatch({"lomos", "--pdf", out.filePath("p.pdf")}, o, err), 0);
        const PdfText text = readPdfWords(out.filePath("p.pdf"));
        for (int p = 0; p < 33; ++p) {
            const auto word = text.find(QStringLiteral("P%1").arg(p));
            QCOMPARE(word.size(), 1);
            QCOMPARE(qAbs(word[0].yMinCm - 12.5) < 0.01, p / 3 == 5);
            QCOMPARE(qAbs(word[0].xMinCm - 15.9) < 0.01, p % 3 == 2);
        }
    }
};

QTEST_MAIN(LomosWindowTest)
#include "lomos_window_test.moc"
