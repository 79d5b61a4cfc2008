// Windows only, run under Wine by tests/wine/run.sh: "Imprimir" in both
// programs through the Windows print path, on the default printer (the test
// spooler's queue), with drive C as it is (the demo data). run.sh reads back
// what the queue wrote. Each main window, as shown, is saved as a picture
// into the folder named by ETIQUETAS_SCREENSHOTS when that is set.
#include <QTest>

#include "fichas/ui/mainwindow.h"
#include "lomos/ui/mainwindow.h"
#include "scripteddialogs.h"

namespace {

void screenshot(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("ETIQUETAS_SCREENSHOTS");
    if (folder.isEmpty()) return;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.grab().save(folder + u'/' + name));
}

}  // namespace

class WinePrintTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lomosImprimir() {
        ScriptedDialogs dialogs;
        lomos::MainWindow w(dialogs);
        w.generate();
        w.print();
        QCOMPARE(dialogs.messages(), QStringList{"Recoja sus impresiones"});
        screenshot(w, QStringLiteral("lomos-windows.png"));
    }
    void fichasImprimirAfterTheDialog() {
        ScriptedDialogs dialogs;
        fichas::MainWindow w(dialogs);
        w.generate();
        dialogs.answerPrinter(true);
        w.print();
        QCOMPARE(dialogs.messages(), QStringList{"Recoja sus impresiones"});
        QVERIFY(dialogs.unexpected().isEmpty());
        screenshot(w, QStringLiteral("fichas-windows.png"));
    }
};

QTEST_MAIN(WinePrintTest)
#include "print_test.moc"
