#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include "batch.h"
#include "coordinates.h"
#include "pdfwords.h"
#include "frmconfigura.h"
#include "frmprincipal.h"
#include "recordingsurface.h"
#include "scripteddialogs.h"
#include "testenv.h"

class ConfiguraTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempDriveC> m_c;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<QWidget> m_main;

    QList<QPointer<frmConfigura>> m_opened;

    QPointer<frmConfigura> open() {
        auto* editor = new frmConfigura(*m_dialogs, m_main.get());
        editor->show();
        m_opened.append(editor);
        return editor;
    }
    static QString text(QWidget* editor, const QString& name) {
        return editor->findChild<QLineEdit*>(name)->text();
    }
    static void click(QWidget* editor, const char* name) {
        auto* button = editor->findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QByteArray defaultFile() const { return readAll(projectDir() + "/demo/cy.txt"); }

private Q_SLOTS:
    void init() {
        m_c = std::make_unique<TempDriveC>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_main = std::make_unique<QWidget>();
    }
    void cleanup() {
        for (const auto& editor : m_opened) delete editor.data();  // those left open
        m_opened.clear();
        m_main.reset();
        m_dialogs.reset();
        m_c.reset();
    }

    void captionsAndLayout() {
        auto editor = open();
        QCOMPARE(editor->findChild<QPushButton*>("cmdch6")->text(), QStringLiteral("Cambio vertical fila 6"));
        QCOMPARE(editor->findChild<QPushButton*>("cmdch9")->text(), QStringLiteral("Cambio verticall Fila 9"));
        QCOMPARE(editor->findChild<QPushButton*>("cmdFila0")->text(), QStringLiteral("Cambio vertical Fila 0"));
        QCOMPARE(editor->findChild<QPushButton*>("cmdCh1")->text(), QStringLiteral("Cambio vertical Fila 1"));
        QCOMPARE(editor->findChild<QPushButton*>("cmdRestablecer")->text(), QStringLiteral("Inicializar Coordenadas"));
        QCOMPARE(editor->findChildren<QLineEdit*>().size(), 66);
        // Each cell: the X field, and the Y field to its right.
        auto* x4 = editor->findChild<QLineEdit*>("txt4x");
        auto* y4 = editor->findChild<QLineEdit*>("txt4");
        QCOMPARE(x4->y(), y4->y());
        QVERIFY(y4->x() > x4->x());
        const double dpi = editor->logicalDpiX();
        QCOMPARE(x4->geometry().topLeft(), QPoint(qRound(2640 * dpi / 1440), qRound(1080 * dpi / 1440)));
        // Tab runs through each row left to right, row by row.
        QWidget* w = editor->findChild<QLineEdit*>("txt0x");
        QStringList order;
        for (int i = 0; i < 7; ++i) {
            order << w->objectName();
            w = w->nextInFocusChain();
        }
        QCOMPARE(order, (QStringList{"txt0x", "txt0", "txt1x", "txt1", "txt2x", "txt2", "txt3x"}));
    }

    void noFileShowsEmptyFieldsAndSavesSixtySixEmptyLines() {
        auto editor = open();
        for (int p = 0; p < 33; ++p) QVERIFY(text(editor, QStringLiteral("txt%1").arg(p)).isEmpty());
        click(editor, "cmdGuardar");
        QTRY_VERIFY(!editor);
        QByteArray expected;
        for (int i = 0; i < 66; ++i) expected += "\r\n";
        QCOMPARE(m_c->read("cy.txt"), expected);
    }

    void rowButtonSetsItsRowOnly() {
        m_c->putDefaultCoordinates();
        auto editor = open();
        const CoordinateTable before = editor->table();
        m_dialogs->answerInput("15.2");
        click(editor, "cmdch6");
        QCOMPARE(m_dialogs->shown().last().text, QStringLiteral("Teclea el nuevo valor para las etiquetas de la fila 6"));
        QCOMPARE(m_dialogs->shown().last().title, QString());
        CoordinateTable expected = before;
        expected.y[18] = expected.y[19] = expected.y[20] = "15.2";
        QCOMPARE(editor->table(), expected);
    }

    void columnButtonSetsElevenXFieldsOnly() {
        m_c->putDefaultCoordinates();
        auto editor = open();
        CoordinateTable expected = editor->table();
        m_dialogs->answerInput(" 9.5 ");  // blanks are kept
        click(editor, "cmdCambioColumna1");
        QCOMPARE(m_dialogs->shown().last().text,
                 QStringLiteral("Teclea el nuevo valor horizontal para las etiquetas de la columna 1"));
        for (int p = 1; p < 33; p += 3) expected.x[p] = " 9.5 ";
        QCOMPARE(editor->table(), expected);
    }

    void cancelChangesNothing() {
        m_c->putDefaultCoordinates();
        auto editor = open();
        const CoordinateTable before = editor->table();
        m_dialogs->answerInput("");
        click(editor, "cmdch3");
        m_dialogs->answerInput("");
        click(editor, "cmdCambioColumna0");
        QCOMPARE(editor->table(), before);
    }

    void resetThenRegresarLeavesTheFile() {
        m_c->write("cy.txt", "1\r\n2\r\n");
        auto editor = open();
        click(editor, "cmdRestablecer");
        QCOMPARE(editor->table(), defaultCoordinateTable());
        click(editor, "cmdRegresar");
        QTRY_VERIFY(!editor);
        QCOMPARE(m_c->read("cy.txt"), QByteArray("1\r\n2\r\n"));
    }

    void resetThenGuardarWritesTheDefaultFile() {
        auto editor = open();
        click(editor, "cmdRestablecer");
        click(editor, "cmdGuardar");
        QTRY_VERIFY(!editor);
        QCOMPARE(m_c->read("cy.txt"), defaultFile());
        QVERIFY(m_dialogs->shown().isEmpty());
    }

    void failedSaveKeepsTheEditorAndTheOldFile() {
        m_c->write("cy.txt/inside", "old");  // a folder: the file cannot be replaced
        auto editor = open();
        editor->findChild<QLineEdit*>("txt7x")->setText("3.3");
        click(editor, "cmdGuardar");
        QVERIFY(editor);
        QCOMPARE(text(editor, "txt7x"), QStringLiteral("3.3"));
        QCOMPARE(m_dialogs->messages().size(), 1);
        QCOMPARE(m_dialogs->messages()[0].title, QStringLiteral("Estimado Usuario:"));
        QCOMPARE(m_dialogs->messages()[0].text, "No se pudo guardar el archivo de coordenadas:\n" + m_c->file("cy.txt"));
        QCOMPARE(m_c->read("cy.txt/inside"), QByteArray("old"));
    }

    void printWhileEditingUsesTheSavedTable() {
        m_c->putDefaultCoordinates();
        m_c->putPrintFile(printFileWithCallNumbers({"A", "B"}));
        frmPrincipal main(*m_dialogs);
        main.Generar();
        main.Configurar();
        QPointer<frmConfigura> editor = main.configura();
        editor->findChild<QLineEdit*>("txt1x")->setText("5");  // not saved
        std::shared_ptr<RecordingSurface> recorded;
        main.setPrinterFactory([&] {
            recorded = std::make_shared<RecordingSurface>();
            return recorded;
        });
        main.Imprimir();
        QCOMPARE(recorded->lines()[1].xCm, 9.2);
        // Saved, the next print takes it.
        click(editor, "cmdGuardar");
        main.Imprimir();
        QCOMPARE(recorded->lines()[1].xCm, 5.0);
    }

    void editedPositionsReachThePdf() {
        m_c->putDefaultCoordinates();
        QStringList callNumbers;
        for (int k = 0; k < 33; ++k) callNumbers << QStringLiteral("P%1").arg(k);
        m_c->putPrintFile(printFileWithCallNumbers(callNumbers));
        auto editor = open();
        m_dialogs->answerInput("12.5");
        click(editor, "cmdch5");
        m_dialogs->answerInput("15.9");
        click(editor, "cmdCambioColumna2");
        click(editor, "cmdGuardar");
        QTRY_VERIFY(!editor);

        QTemporaryDir out;
        QString stdoutText, stderrText;
        QTextStream o(&stdoutText), e(&stderrText);
        QCOMPARE(runBatch({"lomos", "--pdf", out.filePath("p.pdf")}, o, e), 0);
        const PdfText text = readPdfWords(out.filePath("p.pdf"));
        QVERIFY(text.ok);
        for (int p = 0; p < 33; ++p) {
            const auto word = text.find(QStringLiteral("P%1").arg(p));
            QCOMPARE(word.size(), 1);
            if (p / 3 == 5) QVERIFY(qAbs(word[0].yMinCm - 12.5) < 0.01);
            if (p % 3 == 2) QVERIFY(qAbs(word[0].xMinCm - 15.9) < 0.01);
            if (p % 3 != 2) QVERIFY(qAbs(word[0].xMinCm - 15.9) > 1);
        }
    }

    void menuRegresarClosesWithoutSaving() {
        auto editor = open();
        editor->findChild<QLineEdit*>("txt0")->setText("1");
        editor->activateWindow();
        QApplication::setActiveWindow(editor);
        QVERIFY(QTest::qWaitForWindowActive(editor));
        QTest::keyClick(editor, Qt::Key_R, Qt::ControlModifier);
        QTRY_VERIFY(!editor);
        QVERIFY(!QFileInfo::exists(m_c->file("cy.txt")));
    }
};

QTEST_MAIN(ConfiguraTest)
#include "configura_test.moc"
