// Windows only, run under Wine by tests/wine/run.sh, with drive C as it is
// (the demo data):
// - "Imprimir" in both programs through the Windows print path, on the
//   default printer (the test spooler's queue); run.sh reads back what the
//   queue wrote;
// - what is saved when drive C refuses it, read back at the next start;
// - every caption of both programs' windows read whole, and the sheet map's
//   numbers in their cells, at the scale Windows is set to (run.sh runs it at
//   100, 125, 150 and 200 %).
// With ETIQUETAS_SCREENSHOTS naming a folder, both main windows are saved
// there as pictures, named after ETIQUETAS_SCALE when that is set.
#include <QPushButton>
#include <QTest>

#include "captions.h"
#include "common/core/program/startup.h"
#include "common/ui/frame/seams.h"
#include "fichas/ui/mainwindow.h"
#include "lomos/ui/mainwindow.h"
#include "scripteddialogs.h"
#include "windowfinder.h"

namespace {

void screenshot(QWidget& window, const QString& program) {
    const QString folder = qEnvironmentVariable("ETIQUETAS_SCREENSHOTS");
    if (folder.isEmpty()) return;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString scale = qEnvironmentVariable("ETIQUETAS_SCALE");
    QVERIFY(window.grab().save(folder + u'/' + program +
                               (scale.isEmpty() ? QStringLiteral("-windows.png")
                                                : QStringLiteral("-windows-%1.png").arg(scale))));
}

// The numbers of the sheet map that do not fit their cells.
QStringList crampedCells(const QWidget& window) {
    QStringList cramped;
    const SheetMap* map = window.findChild<SheetMap*>();
    QFont font = map->font();
    font.setPointSizeF(7);
    const QFontMetrics metrics(font);
    for (int p = 0; p < map->sheet().size(); ++p) {
        const QRect cell = map->cellRect(p);
        if (metrics.horizontalAdvance(QString::number(p + 1)) > cell.width() - 2 ||
            metrics.height() > cell.height()) {
            cramped.append(QStringLiteral("place %1 in %2 x %3")
                               .arg(p + 1)
                               .arg(cell.width())
                               .arg(cell.height()));
        }
    }
    return cramped;
}

}  // namespace

class WineWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // In Spanish, as the programs start.
    void initTestCase() { useLanguage(*QCoreApplication::instance(), QStringLiteral("es")); }
    void lomosImprimir() {
        ScriptedDialogs dialogs;
        lomos::MainWindow w(Seams{dialogs});
        windowtest::run(&w, "Toolbar1_1");
        windowtest::run(&w, "Toolbar1_4");
        QCOMPARE(dialogs.messages(), QStringList{"Recoja sus impresiones"});
        screenshot(w, QStringLiteral("lomos"));
    }
    void fichasImprimirAfterTheDialog() {
        ScriptedDialogs dialogs;
        fichas::MainWindow w(Seams{dialogs});
        windowtest::run(&w, "cmdGenerar");
        dialogs.answerPrinter(true);
        windowtest::run(&w, "cmdImprimir");
        QCOMPARE(dialogs.messages(), QStringList{"Recoja sus impresiones"});
        QVERIFY(dialogs.unexpected().isEmpty());
        screenshot(w, QStringLiteral("fichas"));
    }
    // run.sh has drive C refuse what a staff account's Windows refuses:
    // ETIQUETAS_DRIVE_C_REFUSES is "everything" (the root and its files),
    // "folder" (the root takes no new file; its files may be written) or
    // "empty" (a new install: no file on drive C, and its root takes none).
    void savesWhatDriveCRefuses() {
        const bool folderOnly = qEnvironmentVariable("ETIQUETAS_DRIVE_C_REFUSES") == "folder";
        ScriptedDialogs dialogs;
        {
            lomos::MainWindow w(Seams{dialogs});
            windowtest::field(&w, "txtDir")->setText("OTRO");
            windowtest::field(&w, "txtBase")->setText("BIB50");
            windowtest::run(&w, "Toolbar1_1");
            QCOMPARE(windowtest::caption(&w), QStringLiteral("Se han generado 2 etiquetas"));
            windowtest::run(&w, "Toolbar1_5");
            QPointer<lomos::CoordinateEditor> editor =
                windowtest::opened<lomos::CoordinateEditor>("frmConfigura");
            QTest::mouseClick(editor->findChild<QPushButton*>("cmdRestablecer"), Qt::LeftButton);
            windowtest::field(editor, "txt4x")->setText("9.75");
            QTest::mouseClick(editor->findChild<QPushButton*>("cmdGuardar"), Qt::LeftButton);
            QTRY_VERIFY(!editor);
        }
        // Told where the calibration went when it is not drive C, and nothing else.
        QCOMPARE(dialogs.messages().size(), folderOnly ? 0 : 1);
        if (!folderOnly)
            QVERIFY(dialogs.messages()[0].contains("\\AppData\\Roaming\\Etiquetas\\cy.txt"));
        // The next start, in both programs.
        lomos::MainWindow spine(Seams{dialogs});
        fichas::MainWindow full(Seams{dialogs});
        for (QWidget* w : std::initializer_list<QWidget*>{&spine, &full}) {
            QCOMPARE(windowtest::field(w, "txtDir")->text(), QStringLiteral("OTRO"));
            QCOMPARE(windowtest::field(w, "txtBase")->text(), QStringLiteral("BIB50"));
        }
        windowtest::run(&spine, "Toolbar1_5");
        QCOMPARE(windowtest::opened<lomos::CoordinateEditor>("frmConfigura")->table().x[4],
                 QStringLiteral("9.75"));
    }

    void captionsReadWholeAtThisScale() {
        ScriptedDialogs dialogs;
        lomos::MainWindow spine(Seams{dialogs});
        fichas::MainWindow full(Seams{dialogs});
        windowtest::run(&spine, "Toolbar1_1");
        windowtest::run(&full, "cmdGenerar");
        windowtest::run(&spine, "Toolbar1_5");
        windowtest::run(&spine, "mnuTamao_fuente");
        for (QWidget* w : std::initializer_list<QWidget*>{&spine, &full}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
        }
        qInfo("scale %.2f", spine.devicePixelRatioF());
        QStringList cut = windowtest::cutCaptions(&spine) + windowtest::cutCaptions(&full) +
                          windowtest::cutCaptions(windowtest::opened("frmConfigura")) +
                          windowtest::cutCaptions(windowtest::opened("frmTamaño")) +
                          crampedCells(spine) + crampedCells(full);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
        screenshot(spine, QStringLiteral("lomos"));
        screenshot(full, QStringLiteral("fichas"));
    }
};

QTEST_MAIN(WineWindowTest)
#include "windows_test.moc"
