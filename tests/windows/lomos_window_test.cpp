// lomos through its windows: the main window, the font size, the preview and
// the coordinate editor, driven as a person would, with every box answered
// by the test.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>

#include "common/core/design/design.h"
#include "common/core/program/startup.h"
#include "common/core/sheets/catalogue.h"
#include "common/core/sheets/stockchoice.h"
#include "common/core/text/messages.h"
#include "lomos/ui/mainwindow.h"
#include "pdfwords.h"
#include "recordingsurface.h"
#include "testenv.h"
#include "testseams.h"

using namespace lomos;
using windowtest::caption;
using windowtest::field;

class LomosWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDriveC> m_c;
    std::unique_ptr<TestSeams> m_outside;
    ScriptedDialogs* m_dialogs = nullptr;
    std::unique_ptr<MainWindow> m_w;

    MainWindow* window(const QStringList& callNumbers = {}) {
        if (!callNumbers.isEmpty()) m_c->putPrintFile(printFileWithCallNumbers(callNumbers));
        m_w.reset();  // the windows it opened go with it
        m_w = std::make_unique<MainWindow>(m_outside->seams());
        m_w->show();
        windowtest::activate(m_w.get());
        return m_w.get();
    }
    void clickToolbar(int index) {
        auto* bar = m_w->findChild<QToolBar*>("Toolbar1");
        QTest::mouseClick(bar->widgetForAction(bar->actions().at(index - 1)), Qt::LeftButton);
    }
    // Answers "Imprimir" with a recording printer.
    std::shared_ptr<RecordingSurface> recordPrinting() { return m_outside->recordPrinting(); }
    void generate() { clickToolbar(1); }
    void preview() { clickToolbar(2); }
    void print() { clickToolbar(4); }
    SheetMap* map() { return m_w->findChild<SheetMap*>("picHoja"); }
    static ReviewWindow* reviewWindow() { return windowtest::opened<ReviewWindow>("frmRevisar"); }
    static qsizetype saying(const RecordingSurface& r, const QString& text) {
        return std::count_if(r.lines().begin(), r.lines().end(),
                             [&](const auto& line) { return line.text == text; });
    }
    CoordinateEditor* editor() {
        clickToolbar(5);
        return windowtest::opened<CoordinateEditor>("frmConfigura");
    }
    void clickIn(QWidget* w, const char* button) {
        QTest::mouseClick(w->findChild<QPushButton*>(QString::fromUtf8(button)), Qt::LeftButton);
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

    void generarBuildsTheListAndSavesTheSettingsThenLimpiarEmptiesAll() {
        m_c->write("CLIENTE/CATALOG/FILES/BIB50/PRINT/itemlbl.prn",
                   printFileWithCallNumbers({"QA76 .C15", "TESIS"}));
        m_c->write("ini.prn", " OTRO \r\nBIB\r\nextra\r\n");
        window();
        QCOMPARE(field(m_w.get(), "txtDir")->text(), QStringLiteral(" OTRO "));
        QCOMPARE(caption(m_w.get()), QStringLiteral("0 Etiquetas"));
        field(m_w.get(), "txtDir")->clear();
        QTest::keyClicks(field(m_w.get(), "txtDir"), "CLIENTE");
        field(m_w.get(), "txtBase")->setText("BIB50");
        clickToolbar(1);
        clickToolbar(1);  // again: the same list, not a doubled one
        clickToolbar(3);
        const ReviewModel* listed = reviewWindow()->model();
        QCOMPARE(listed->rowCount(), 2);
        QCOMPARE(listed->index(1, ReviewModel::Lines)
                     .data(ReviewModel::FieldsRole)
                     .value<review::Fields>(),
                 review::Fields{{"TESIS"}});
        QCOMPARE(caption(m_w.get()), QStringLiteral("Se han generado 2 etiquetas"));
        QCOMPARE(m_c->read("ini.prn"), QByteArray("CLIENTE\r\nBIB50\r\n"));
        QVERIFY(m_dialogs->shown().isEmpty());
        clickToolbar(6);  // "Limpiar": the list and the fields, not the settings file
        QVERIFY(!reviewWindow() && !m_w->findChild<QAction*>("Toolbar1_3")->isEnabled());
        QVERIFY(field(m_w.get(), "txtDir")->text().isEmpty());
        QCOMPARE(caption(m_w.get()), QStringLiteral("0 Etiquetas"));
        QCOMPARE(m_c->read("ini.prn"), QByteArray("CLIENTE\r\nBIB50\r\n"));
        print();  // nothing to print or preview: no box, no window
        preview();
        QVERIFY(m_dialogs->shown().isEmpty() && !windowtest::opened("Form1"));
        generate();
        QCOMPARE(m_dialogs->messages(), QStringList{"Falta especificar información"});
        QCOMPARE(m_dialogs->shown()[0].title, QStringLiteral("Estimado Usuario:"));
    }

    // The font size chosen, the start field and the map of the first sheet,
    // and the start proposed after printing, kept for the next run.
    void fontSizeStartFieldMapAndNextStartAcrossRuns() {
        m_c->putDefaultCoordinates();
        window({"A", "B", "C"});
        generate();
        QTest::keyClick(m_w.get(), Qt::Key_T, Qt::ControlModifier);
        QPointer<FontSizeWindow> t = windowtest::opened<FontSizeWindow>("frmTamaño");
        auto* combo = t->findChild<QComboBox*>(QStringLiteral("cmbTamaño"));
        for (const char* refused : {"", "0", "99", "abc"}) {  // the window stays, and says why
            combo->setCurrentText(refused);
            clickIn(t, "cmdOK");
            QVERIFY(t && t->findChild<QLabel*>("lblNota")->isVisibleTo(t));
        }
        QCOMPARE(field(m_w.get(), "txttamaño")->text(),
                 QStringLiteral("Se va a imprimir con tamaño 8"));
        combo->setCurrentText("10");
        clickIn(t, "cmdOK");
        QTRY_VERIFY(!t);
        QCOMPARE(field(m_w.get(), "txttamaño")->text(),
                 QStringLiteral("Se va a imprimir con tamaño: 10"));

        auto recorded = recordPrinting();
        auto* inicio = m_w->findChild<QSpinBox*>("txtInicio");
        QCOMPARE(inicio->maximum(), 33);
        inicio->setValue(5);
        QTest::mouseClick(map(), Qt::LeftButton, {}, map()->cellRect(5).center());  // place 6 used
        inicio->setValue(1);  // the start moves; the mark stays
        QCOMPARE(map()->sheet().usedNumbers(), (QList<int>{6}));
        inicio->setValue(5);
        QCOMPARE(map()->sheet().usedNumbers(), (QList<int>{1, 2, 3, 4, 6}));
        clickToolbar(2);  // the preview proposes nothing
        QVERIFY(windowtest::opened("Form1"));
        QCOMPARE(inicio->value(), 5);
        print();
        QCOMPARE(recorded->lines().size(), 3);
        QCOMPARE(recorded->lines()[0].sizePt, 10.0);
        const CoordinateTable t0 = defaultCoordinateTable();
        for (const auto& [line, place] : {std::pair{0, 4}, {1, 6}, {2, 7}}) {
            QCOMPARE(recorded->lines()[line].xCm, t0.x[place].toDouble());
            QCOMPARE(recorded->lines()[line].yCm, t0.y[place].toDouble());
        }
        QCOMPARE(inicio->value(), 9);
        window();  // a new run of the program
        QCOMPARE(m_w->findChild<QSpinBox*>("txtInicio")->value(), 9);
        QCOMPARE(map()->sheet().usedNumbers(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        // The longest caption, in Arial standing in for Arial Narrow, fits.
        auto* status = m_w->findChild<QLabel*>("lblEspere");
        status->setFont(QFont("Arial", 14, QFont::Bold));
        generate();
        clickToolbar(3);
        ReviewModel* model = reviewWindow()->model();
        for (int row = 0; row < 3; ++row)
            model->setData(model->index(row, ReviewModel::Copies), 99, Qt::EditRole);
        QCOMPARE(status->text(), QStringLiteral("Se imprimirán 297 etiquetas (3 generadas)"));
        QVERIFY(QFontMetrics(status->font()).horizontalAdvance(status->text()) <= status->width());
    }

    // The list opens from the check's box at the first label it flags; left
    // out, copied and edited labels print, at the places the list shows, and
    // the print file stays as it was.
    void revisarChangesWhatPrintsAndNeverThePrintFile() {
        m_c->putDefaultCoordinates();
        window({"QA76 .C15", "", "1 2 3 4 5 6 7", "TESIS"});
        QVERIFY(!m_w->findChild<QAction*>("Toolbar1_3")->isEnabled());  // no labels yet
        const QString printFile = QStringLiteral("CLIENTE/CATALOG/FILES/BIB50/PRINT/itemlbl.prn");
        const QByteArray printFileBytes = m_c->read(printFile);
        generate();
        m_w->findChild<QSpinBox*>("txtInicio")->setValue(2);
        m_dialogs->answerChoice("Revisar");
        clickToolbar(4);
        QVERIFY(m_dialogs->shown()[0].text.endsWith("\nImprimir de todos modos|Revisar|Cancelar"));
        ReviewWindow* list = reviewWindow();
        QVERIFY(list);
        QCOMPARE(list->chosenLabels(), std::vector<qint64>{1});
        ReviewModel* model = list->model();
        auto cell = [&](int row, int column) {
            return model->index(row, column).data().toString();
        };
        QCOMPARE(cell(1, ReviewModel::Findings),
                 QStringLiteral("no tiene ninguna línea que imprimir"));

        m_dialogs->answerEdit([](const review::Fields& f) {
            return f == review::Fields{{}} ? std::optional(review::Fields{{"NUEVA", "2001"}})
                                           : std::nullopt;
        });
        list->editLabel(1);
        QCOMPARE(cell(1, ReviewModel::Findings), QStringLiteral("editada"));  // checked again
        QCOMPARE(cell(1, ReviewModel::Lines), QStringLiteral("NUEVA / 2001"));
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        model->setData(model->index(0, ReviewModel::Print), Qt::Unchecked, Qt::CheckStateRole);
        QVERIFY(std::any_of(changed.begin(), changed.end(), [](const QList<QVariant>& signal) {
            return signal[2].value<QList<int>>().isEmpty();  // every role of the row, the box too
        }));
        model->setData(model->index(3, ReviewModel::Copies), 3, Qt::EditRole);
        QCOMPARE(cell(0, ReviewModel::Place), QStringLiteral("—"));
        QCOMPARE(cell(3, ReviewModel::Place), QStringLiteral("1 · 4"));
        QCOMPARE(caption(m_w.get()), QStringLiteral("Se imprimirán 5 etiquetas (4 generadas)"));

        auto recorded = recordPrinting();
        m_dialogs->answerChoice("Imprimir de todos modos");  // label 3 lost its seventh part
        clickToolbar(4);
        const CoordinateTable t = defaultCoordinateTable();
        QStringList printed;  // where each label's first line went
        for (const auto& line : recorded->lines()) {
            for (int place = 0; place < 33; ++place) {
                if (line.xCm == t.x[size_t(place)].toDouble() &&
                    line.yCm == t.y[size_t(place)].toDouble())
                    printed << QStringLiteral("%1@%2").arg(line.text).arg(place + 1);
            }
        }
        QCOMPARE(printed.join(u' '), QStringLiteral("NUEVA@2 1@3 TESIS@4 TESIS@5 TESIS@6"));
        QCOMPARE(m_c->read(printFile), printFileBytes);

        list->showLabel(1);
        clickIn(list, "cmdDeshacer");
        QCOMPARE(cell(1, ReviewModel::Lines), QString());
        QCOMPARE(cell(1, ReviewModel::Findings),
                 QStringLiteral("no tiene ninguna línea que imprimir"));
        m_dialogs->answerQuestion(false);  // "Generar" keeps the changes
        clickToolbar(1);
        QVERIFY(reviewWindow());
        m_dialogs->answerQuestion(false);  // and so does "Salir"
        clickToolbar(7);
        QCOMPARE(m_outside->exits, 0);
        QCOMPARE(caption(m_w.get()), QStringLiteral("Se imprimirán 5 etiquetas (4 generadas)"));
        m_dialogs->answerQuestion(true);  // "Limpiar" drops them
        clickToolbar(6);
        QVERIFY(!reviewWindow());
        QVERIFY(!m_w->findChild<QAction*>("Toolbar1_3")->isEnabled());  // nothing to review
        QCOMPARE(m_dialogs->shown().last().text,
                 QStringLiteral("¿Descartar los cambios de la revisión?"));
    }

    // A new install has no coordinate file: the check says so before the
    // first sheet goes, and the editor says what to do and keeps only numbers.
    void aNewInstallIsNotPrintedBlindAndTheEditorKeepsOnlyNumbers() {
        window({"QA76 .C15"});
        generate();
        m_dialogs->answerChoice("Cancelar");
        print();
        m_dialogs->answerChoice("Cancelar");
        preview();
        QCOMPARE(m_dialogs->shown()[0].text,
                 QStringLiteral("No todo saldrá bien en el papel: 1 aviso.\n\nNo hay coordenadas "
                                "guardadas: pulse «Configurar», «Inicializar Coordenadas» y "
                                "«Guardar»\nImprimir de todos modos|Revisar|Cancelar"));
        QVERIFY(m_dialogs->shown()[1].text.endsWith("Ver de todos modos|Revisar|Cancelar"));
        QPointer<CoordinateEditor> e = editor();
        QVERIFY(
            e->findChild<QLabel*>("lblAviso")->text().startsWith("No hay coordenadas guardadas"));
        clickIn(e, "cmdRestablecer");
        QLineEdit* y5 = field(e, "txt4");
        y5->setText("abc");
        QVERIFY(y5->property("invalid").toBool() &&
                y5->findChild<QAction*>("notANumber")->isVisible());
        QVERIFY(y5->toolTip().startsWith("«abc» no es un número") &&
                y5->accessibleDescription() == y5->toolTip());
        clickIn(e, "cmdGuardar");
        QCOMPARE(
            m_dialogs->messages().last(),
            "No se han guardado las coordenadas: la Y de la etiqueta 5 no es un número («abc»).");
        QVERIFY(e && !QFile::exists(m_c->file("cy.txt")));
        m_dialogs->answerInput("abc");
        clickIn(e, "cmdch5");
        QCOMPARE(m_dialogs->messages().last(),
                 QStringLiteral("«abc» no es un número: nada ha cambiado."));
        QCOMPARE(field(e, "txt15")->text(), QStringLiteral("12.28"));
        y5->setText("2,5");  // a comma, kept as typed
        QVERIFY(!y5->property("invalid").toBool());
        clickIn(e, "cmdGuardar");
        QTRY_VERIFY(!e);
        QCOMPARE(m_c->read("cy.txt").split('\r').value(4), QByteArray("\n2,5"));
    }

    // The preview shows a page whole, says which of how many, asks between
    // pages beside the page, then goes back and forth; a stock's labels are
    // outlined; it prints what it shows; Esc closes it.
    void thePreviewShowsWholePagesOneAfterAnother() {
        stockchoice::choose("lomos", *catalogue::read(catalogue::folder()).find("Herma 4102"));
        QStringList callNumbers;
        for (int k = 0; k < 100; ++k) callNumbers << QStringLiteral("K%1").arg(k);
        window(callNumbers);
        generate();
        m_dialogs->answerQuestion(true);
        m_dialogs->answerQuestion(false);
        preview();
        auto* form = windowtest::opened<PreviewWindow>("Form1");
        auto caption = [&] { return form->findChild<QLabel*>("lblHoja")->text(); };
        QCOMPARE(caption(), QStringLiteral("Hoja 2 de 3"));  // asked twice, No the second time
        QCOMPARE(m_dialogs->shown().size(), 2);
        QCOMPARE(m_dialogs->shown()[0].text, QStringLiteral("Continuar"));
        clickIn(form, "cmdSiguiente");
        QCOMPARE(caption(), QStringLiteral("Hoja 3 de 3"));
        QVERIFY(!form->findChild<QPushButton*>("cmdSiguiente")->isEnabled());
        const QImage& page = form->picture()->image();
        const int leftEdge = qRound(0.85 * form->picture()->dpi() / 2.54);  // x0: 8.5 mm
        int outlined = 0;
        for (int y = 0; y < page.height(); ++y)
            outlined += page.pixel(leftEdge, y) == qRgb(0x9C, 0xC3, 0xE6);
        QVERIFY(outlined > page.height() / 4);
        const int width = form->picture()->width();
        clickIn(form, "cmdAmpliar");
        QVERIFY(form->picture()->width() > width);
        auto recorded = recordPrinting();
        clickIn(form, "cmdImprimir");
        QCOMPARE(recorded->lines().size(), 100);
        QTest::keyClick(form, Qt::Key_Escape);
        QTRY_VERIFY(!windowtest::opened("Form1"));
    }

    // Tab runs through the toolbar, the fields and the map; Alt-keys and
    // Ctrl+P reach the commands; the map and the list work from the keyboard.
    void everyCommandFromTheKeyboard() {
        m_c->putDefaultCoordinates();
        window({"A", "B"});
        QVERIFY(!m_w->findChild<QAction*>("mnuImprimir")->isEnabled());  // no labels yet
        QTest::keyClick(m_w.get(), Qt::Key_G, Qt::AltModifier);  // a button clicked, in a moment
        QTRY_COMPARE(caption(m_w.get()), QStringLiteral("Se han generado 2 etiquetas"));
        QStringList order;
        m_w->findChild<QWidget*>("cmdToolbar1_1")->setFocus();
        for (int i = 0; i < 11; ++i) {
            QWidget* at = QApplication::focusWidget();
            order << (at->objectName().startsWith("qt_") ? at->parentWidget() : at)->objectName();
            QTest::keyClick(at, Qt::Key_Tab);
        }
        QCOMPARE(order.join(u' '),
                 QStringLiteral("cmdToolbar1_1 cmdToolbar1_2 cmdToolbar1_3 "
                                "cmdToolbar1_4 cmdToolbar1_5 cmdToolbar1_6 "
                                "cmdToolbar1_7 txtDir txtBase txtInicio picHoja"));
        auto recorded = recordPrinting();
        QTest::keyClick(m_w.get(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(recorded->lines().size(), 2);
        map()->setFocus();
        QTest::keyClick(map(), Qt::Key_Down);
        QTest::keyClick(map(), Qt::Key_Space);
        QCOMPARE(map()->sheet().usedNumbers(), (QList<int>{1, 2, 4}));  // two printed, one peeled
        QVERIFY(map()->accessibleDescription().contains("Usadas: 1, 2, 4"));
        clickToolbar(3);
        auto* table = reviewWindow()->findChild<QTableView*>("grdEtiquetas");
        table->setFocus();
        table->setCurrentIndex(table->model()->index(1, ReviewModel::Lines));
        m_dialogs->answerEdit([](const review::Fields&) { return std::nullopt; });
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(m_dialogs->shown().last().title, QStringLiteral("Etiqueta 2"));
        QTest::keyClick(table, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != table);
        QTest::keyClick(reviewWindow(), Qt::Key_Escape);
        QTRY_VERIFY(!reviewWindow());
    }

    // What IT locks shows greyed, saying who set it, and is what the window
    // uses; the language chosen in "Idioma" is the next start's.
    void whatTheAdministratorLocksIsGreyedAndTheLanguageKept() {
        m_c->putMachinePresets("[bloqueado]\nhoja=Herma 4099\ndirectorio_cliente=CLIENTE\n");
        m_c->putSettings("OTRO", "BIB50");
        m_c->putDefaultCoordinates();
        window({"A"});
        auto* directory = m_w->findChild<QLineEdit*>("txtDir");
        QCOMPARE(directory->text(), QStringLiteral("CLIENTE"));
        QVERIFY(!directory->isEnabled());
        QCOMPARE(directory->toolTip(), QStringLiteral("Lo fija el administrador del equipo: CLIENTE"));
        QAction* stock = m_w->findChild<QAction*>("mnuHoja");
        QVERIFY(!stock->isEnabled());
        QVERIFY(m_w->findChild<QLabel*>("lblImpresora")->text().contains("Hoja: Herma 4099"));
        generate();
        QTRY_COMPARE(caption(m_w.get()), QStringLiteral("Se han generado 1 etiquetas"));
        m_w->findChild<QAction*>("mnuLimpiar")->trigger();
        QCOMPARE(directory->text(), QStringLiteral("CLIENTE"));  // still what "Generar" reads
        m_w->findChild<QAction*>("mnuIdioma_ca")->trigger();
        QCOMPARE(m_dialogs->shown().last().text,
                 QStringLiteral("El programa se mostrará en Català la próxima vez que lo abra."));
        QCOMPARE(languageInForce(std::nullopt), QStringLiteral("ca"));
    }

    // "Nueva etiqueta…" joins the job, cut as "Generar" cuts, and prints
    // from any place of a used sheet.
    void aLabelTypedByHandPrintsFromAnyPlace() {
        m_c->putDefaultCoordinates();
        window({"A", "B", "C"});
        generate();
        clickToolbar(3);
        m_dialogs->answerEdit([](const review::Fields&) {
            return review::Fields{{"QA99 .N3", "2024"}};
        });
        clickIn(reviewWindow(), "cmdNueva");
        ReviewModel* model = reviewWindow()->model();
        QCOMPARE(model->rowCount(), 4);
        QCOMPARE(model->index(3, ReviewModel::Lines).data().toString(),
                 QStringLiteral("QA99 / .N3 / 2024"));
        QCOMPARE(caption(m_w.get()),
                 QStringLiteral("Se imprimirán 4 etiquetas (3 generadas y 1 nuevas)"));
        m_w->findChild<QSpinBox*>("txtInicio")->setValue(17);
        auto recorded = recordPrinting();
        clickIn(reviewWindow(), "cmdImprimirSeleccion");  // the new row, chosen
        QCOMPARE(recorded->lines().size(), 3);
        const CoordinateTable t = defaultCoordinateTable();
        QCOMPARE(recorded->lines()[0].text, QStringLiteral("QA99"));
        QCOMPARE(recorded->lines()[0].xCm, t.x[16].toDouble());
        QCOMPARE(recorded->lines()[0].yCm, t.y[16].toDouble());
    }

    // With no printer at all: the printer window says so at once, and
    // "Imprimir" offers a PDF instead.
    void withNoPrinterAPdf() {
        m_c->putDefaultCoordinates();
        window({"QA76"});
        generate();
        m_w->findChild<QAction*>("mnuCorregir")->trigger();
        auto* correction = windowtest::opened("frmCorregir");
        QVERIFY(correction->findChild<QLabel*>("lblCorreccion")
                    ->text()
                    .startsWith("No hay ninguna impresora"));
        QVERIFY(!correction->findChild<QPushButton*>("cmdCalcular")->isEnabled());
        QTemporaryDir out;
        m_dialogs->answerChoice("Guardar como PDF…");
        m_dialogs->answerFile(out.filePath("lomos.pdf"));
        print();
        QCOMPARE(m_dialogs->messages(), QStringList{"Recoja sus impresiones"});
        QCOMPARE(readPdfWords(out.filePath("lomos.pdf")).find("QA76").size(), 1);
        QVERIFY(qobject_cast<QStatusBar*>(m_w->findChild<QLabel*>("lblImpresora")->parentWidget()));
    }

    // "Configurar" twice brings one editor, whose Tab runs through each row
    // left to right; Qt's own boxes speak Spanish.
    void oneEditorTabByRowsAndQtInSpanish() {
        window();
        CoordinateEditor* e = editor();
        QCOMPARE(editor(), e);
        QCOMPARE(field(e, "txt0")->nextInFocusChain()->objectName(), "txt1x");
        setUpApplication(*QCoreApplication::instance());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sí"));
        QCOMPARE(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Imprimir"));
    }

    void editorResetGuardarAndRegresar() {
        m_c->write("cy.txt", "1\r\n2\r\n");
        window();
        QPointer<CoordinateEditor> e = editor();
        clickIn(e, "cmdRegresar");  // nothing changed, nothing asked
        QTRY_VERIFY(!e);
        e = editor();
        clickIn(e, "cmdRestablecer");
        m_dialogs->answerChoice("Cancelar");
        clickIn(e, "cmdRegresar");
        QVERIFY(e && e->isVisible());
        m_dialogs->answerChoice("No");
        clickIn(e, "cmdRegresar");
        QTRY_VERIFY(!e);
        QCOMPARE(m_c->read("cy.txt"), QByteArray("1\r\n2\r\n"));
        QCOMPARE(m_dialogs->shown().size(), 2);
        QCOMPARE(m_dialogs->shown()[0].text,
                 QStringLiteral("¿Guardar los cambios en las coordenadas?\nSí|No|Cancelar"));
        e = editor();
        clickIn(e, "cmdRestablecer");
        m_dialogs->answerChoice("Sí");
        e->close();  // the window's own close asks too
        QTRY_VERIFY(!e);
        QCOMPARE(m_c->read("cy.txt"), readAll(projectDir() + "/demo/cy.txt"));
        e = editor();
        field(e, "txt0")->setText("0.5");
        clickIn(e, "cmdGuardar");  // saved: nothing to ask
        QTRY_VERIFY(!e);
        QCOMPARE(m_dialogs->shown().size(), 3);
    }

    void nothingIsLostWhenSavesFailAndItIsSaid() {
        m_c->write("cy.txt/inside", "old");  // a folder: the file cannot be replaced
        m_c->write("ini.prn/inside", "old");
        window();
        field(m_w.get(), "txtDir")->setText("CLIENTE");
        generate();
        generate();  // said once
        QCOMPARE(
            m_dialogs->messages(),
            (QStringList{messages::settingsNotSaved({false, m_c->file("ini.prn"),
                                                     m_c->file("ini.prn") + " no es un archivo"}),
                         "Falta especificar información", "Falta especificar información"}));
        QPointer<CoordinateEditor> e = editor();
        clickIn(e, "cmdRestablecer");
        field(e, "txt7x")->setText("3.3");
        clickIn(e, "cmdGuardar");
        QVERIFY(e && field(e, "txt7x")->text() == "3.3");
        QCOMPARE(m_dialogs->messages().last(),
                 "No se pudo guardar el archivo de coordenadas:\n" + m_c->file("cy.txt"));
        QCOMPARE(m_c->read("cy.txt/inside"), QByteArray("old"));
    }

    // A stock chosen from the catalogue: the sheet map, the editor, the test
    // sheet and the labels follow it; a stock typed by hand is kept and used
    // again; back on the program's own sheet, its coordinate file is as it was.
    void aStockFromTheCatalogueOrTypedByHandReachesPaper() {
        m_c->putDefaultCoordinates();
        const QByteArray ownCoordinates = m_c->read("cy.txt");
        QStringList callNumbers;
        for (int k = 0; k < 45; ++k) callNumbers << QStringLiteral("K%1").arg(k);
        window(callNumbers);
        generate();
        m_w->findChild<QAction*>("mnuHoja")->trigger();
        StockWindow* stocks = windowtest::opened<StockWindow>("frmHoja");
        QTest::keyClicks(stocks->findChild<QLineEdit*>("txtBuscar"), "herma 4102");
        QCOMPARE(stocks->current()->name, QStringLiteral("Herma 4102"));
        clickIn(stocks, "cmdUsar");
        QCOMPARE(map()->sheet().size(), 44);
        QVERIFY(m_w->findChild<QLabel*>("lblImpresora")->text().endsWith("Hoja: Herma 4102"));
        QPointer<CoordinateEditor> e = editor();
        QCOMPARE(field(e, "txt43x")->text(), QStringLiteral("15.54"));  // the corner and 2 mm
        field(e, "txtMargen")->setText("3");
        clickIn(e, "cmdRestablecer");
        QCOMPARE(field(e, "txt43x")->text(), QStringLiteral("15.64"));
        auto recorded = recordPrinting();
        clickIn(e, "cmdHojaPrueba");
        QCOMPARE(saying(*recorded, "44: fila 10, col. 3"), 1);
        clickIn(e, "cmdGuardar");
        QTRY_VERIFY(!e);
        print();
        QCOMPARE(recorded->lines().last().text, QStringLiteral("K44"));  // on the second sheet
        QCOMPARE(recorded->lines().last().xCm, 0.85 + 0.3);

        m_w->findChild<QAction*>("mnuHoja")->trigger();  // typed by hand
        stocks = windowtest::opened<StockWindow>("frmHoja");
        clickIn(stocks, "cmdOtra");
        field(stocks, "txtNombre")->setText("Mis lomos");
        const char* measures[][2] = {{"txtColumnas", "2"},   {"txtFilas", "3"},
                                     {"txtAncho", "50"},     {"txtAlto", "20"},
                                     {"txtIzquierda", "10"}, {"txtArriba", "10"},
                                     {"txtPasoAncho", "60"}, {"txtPasoAlto", "25"}};
        for (const auto& [name, value] : measures) field(stocks, name)->setText(value);
        field(stocks, "txtFilas")->setText("30");  // past the paper: said, nothing kept
        clickIn(stocks, "cmdGuardarHoja");
        QVERIFY(m_dialogs->messages().last().startsWith("Las etiquetas no caben en el papel"));
        field(stocks, "txtColumnas")->setText("99999999999");  // past an int: too many
        clickIn(stocks, "cmdGuardarHoja");
        QVERIFY(m_dialogs->messages().last().contains("son demasiadas: como mucho, 1000."));
        field(stocks, "txtColumnas")->setText("2");
        field(stocks, "txtFilas")->setText("3");
        clickIn(stocks, "cmdGuardarHoja");
        window();  // the next start prints on it
        QCOMPARE(map()->sheet().size(), 6);
        m_w->findChild<QAction*>("mnuHoja")->trigger();  // the program's own sheet again
        stocks = windowtest::opened<StockWindow>("frmHoja");
        stocks->search(QString());
        clickIn(stocks, "cmdUsar");
        generate();
        recorded = recordPrinting();
        print();
        QCOMPARE(recorded->lines()[1].xCm, 9.2);
        QCOMPARE(m_c->read("cy.txt"), ownCoordinates);
    }

    // Row and column buttons change the editor's fields; its test sheet shows
    // them unsaved, and printing takes them once saved.
    void rowColumnAndTestSheetOfTheEditorPrintingOnlyOnceSaved() {
        m_c->putDefaultCoordinates();
        QStringList callNumbers;
        for (int k = 0; k < 33; ++k) callNumbers << QStringLiteral("P%1").arg(k);
        window(callNumbers);
        generate();
        QPointer<CoordinateEditor> e = editor();
        m_dialogs->answerInput("12.5");
        clickIn(e, "cmdch5");
        m_dialogs->answerInput(" 15.9 ");  // blanks are kept, and read as the number
        clickIn(e, "cmdCambioColumna2");
        m_dialogs->answerInput("");  // Cancel changes nothing
        clickIn(e, "cmdch3");
        QCOMPARE(m_dialogs->shown()[0].text,
                 QStringLiteral("Teclea el nuevo valor para las etiquetas de la fila 5"));
        QCOMPARE(
            m_dialogs->shown()[1].text,
            QStringLiteral("Teclea el nuevo valor horizontal para las etiquetas de la columna 2"));
        QCOMPARE(e->table().x[5], QStringLiteral(" 15.9 "));
        auto recorded = recordPrinting();
        m_w->findChild<QAction*>("mnuHojaPrueba")->trigger();  // the file's
        clickIn(e, "cmdHojaPrueba");                           // the editor's, unsaved
        QCOMPARE(saying(*recorded, "X 15,70  Y 12,28"), 1);
        QCOMPARE(saying(*recorded, "X 15,90  Y 12,50"), 1);
        recorded = recordPrinting();
        print();
        QCOMPARE(recorded->lines()[2].xCm, 15.7);  // not saved yet
        clickIn(e, "cmdGuardar");
        QTRY_VERIFY(!e);
        recorded = recordPrinting();
        print();
        const CoordinateTable table = defaultCoordinateTable();
        for (const auto& line : recorded->lines()) {
            const int p = line.text.mid(1).toInt();
            QCOMPARE(line.xCm, p % 3 == 2 ? 15.9 : table.x[p].toDouble());
            QCOMPARE(line.yCm, p / 3 == 5 ? 12.5 : table.y[p].toDouble());
        }
    }

    // "Diseño de la etiqueta…": a value the file would refuse is named and
    // nothing is used; once mended, the picture follows, "Usar" cuts the
    // labels as the design says and prints at its size, and the next run of
    // the program keeps it; "Guardar como…" writes the file a library hands out.
    void aDesignFromTheWindowCutsShowsAndPrints() {
        m_c->putDefaultCoordinates();
        window({"HU/860 CER"});
        generate();
        windowtest::run(m_w.get(), "mnuDiseno");
        auto* d = windowtest::opened<DesignWindow>("frmDiseno");
        const QImage before = d->labelPicture();
        d->findChild<QLineEdit*>("txt_cortar_en")->setText("/");
        d->findChild<QLineEdit*>("txt_quitar")->setText("hu");
        d->findChild<QCheckBox*>("txt_mayusculas")->setChecked(true);
        d->findChild<QLineEdit*>("txt_tamano")->setText("0");
        QVERIFY(!d->findChild<QPushButton*>("cmdUsar")->isEnabled());
        QCOMPARE(d->findChild<QLabel*>("lblProblema")->text(),
                 QStringLiteral("Tamaño: «0» no es un tamaño de 4 a 72 puntos"));
        d->findChild<QLineEdit*>("txt_tamano")->setText("14");
        QVERIFY(d->labelPicture() != before);
        QTemporaryDir out;
        m_dialogs->answerFile(out.filePath("universidad.ini"));
        clickIn(d, "cmdGuardarComo");
        QCOMPARE(design::readFile(out.filePath("universidad.ini")).design, d->draft());
        auto recorded = recordPrinting();
        clickIn(d, "cmdUsar");
        QTRY_VERIFY(!windowtest::opened("frmDiseno"));
        QCOMPARE(field(m_w.get(), "txttamaño")->text(), QStringLiteral("Se va a imprimir con tamaño 14"));
        QVERIFY(m_w->findChild<QLabel*>("lblImpresora")->text().endsWith(" · Diseño: universidad"));
        print();
        QCOMPARE(recorded->lines().size(), 2);
        QCOMPARE(recorded->lines()[0].text, QStringLiteral("860"));
        QCOMPARE(recorded->lines()[1].text, QStringLiteral("CER"));
        QCOMPARE(recorded->lines()[0].sizePt, 14.0);
        window();  // a new run of the program
        QCOMPARE(field(m_w.get(), "txttamaño")->text(), QStringLiteral("Se va a imprimir con tamaño 14"));
        m_c->write("roto.ini", "[tejuelo]\nalto = 3\n");
        windowtest::run(m_w.get(), "mnuDiseno");
        m_dialogs->answerFile(m_c->file("roto.ini"));
        clickIn(windowtest::opened("frmDiseno"), "cmdAbrir");
        QCOMPARE(m_dialogs->messages().last(),
                 QStringLiteral("El diseño «%1» no se puede usar: línea 2: la clave «alto» no "
                                "existe.").arg(m_c->file("roto.ini")));
    }
};

QTEST_MAIN(LomosWindowTest)
#include "lomos_window_test.moc"
