// Every text of both programs goes through the translation: with a
// pseudo-translation that puts each text lupdate finds between brackets,
// no caption of any window, and no box the windows show, reads without them.
#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTranslator>

#include "common/core/program/startup.h"
#include "fichas/ui/mainwindow.h"
#include "lomos/ui/mainwindow.h"
#include "testenv.h"
#include "testseams.h"

namespace {

bool wrapped(const QString& text) { return text.trimmed().isEmpty() || text.contains(u'⟦'); }

// The captions of `window` that are not translated, each with where it is.
QStringList unwrapped(QWidget* window) {
    QStringList found;
    auto check = [&](const QObject* at, const char* what, const QString& text) {
        if (!wrapped(text)) found << QStringLiteral("%1 %2: %3").arg(at->objectName(), what, text);
    };
    check(window, "windowTitle", window->windowTitle());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        check(w, "toolTip", w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w)) check(w, "text", label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) check(w, "text", button->text());
        if (auto* box = qobject_cast<QGroupBox*>(w)) check(w, "title", box->title());
        if (auto* menu = qobject_cast<QMenu*>(w)) check(w, "title", menu->title());
        if (auto* field = qobject_cast<QLineEdit*>(w)) {
            check(w, "placeholderText", field->placeholderText());
            if (field->isReadOnly()) check(w, "text", field->text());
        }
        if (auto* table = qobject_cast<QTableView*>(w)) {
            for (int c = 0; c < table->model()->columnCount(); ++c)
                check(w, "header", table->model()->headerData(c, Qt::Horizontal).toString());
        }
    }
    for (const QAction* action : window->findChildren<QAction*>()) {
        if (!action->isSeparator()) check(action, "text", action->text());
    }
    return found;
}

}  // namespace

class TextsTest : public QObject {
    Q_OBJECT

    TempDriveC m_c;
    TestSeams m_outside;
    QTranslator m_pseudo;

    // The windows open and the boxes shown so far, each text checked.
    void expectEveryTextWrapped(const std::vector<QWidget*>& windows) {
        QStringList found;
        for (QWidget* window : windows) {
            QVERIFY2(window, "a window did not open");
            found << unwrapped(window);
        }
        for (const ScriptedDialogs::Shown& box : m_outside.dialogs.shown()) {
            if (!wrapped(box.title)) found << box.kind + " title: " + box.title;
            if (!wrapped(box.text)) found << box.kind + ": " + box.text;
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_pseudo.load(QStringLiteral(PSEUDO_QM)));
        QCoreApplication::installTranslator(&m_pseudo);
        m_c.putDefaultCoordinates();
        m_c.putPrintFile(printFileWithFullItems(3));
    }

    void lomosWindows() {
        lomos::MainWindow w(m_outside.seams());
        w.show();
        m_outside.recordPrinting();
        using windowtest::opened;
        using windowtest::run;
        for (const char* command : {"Toolbar1_1", "Toolbar1_2", "Toolbar1_3", "Toolbar1_5",
                                    "mnuTamao_fuente", "mnuHoja", "mnuCorregir"}) {
            run(&w, command);
        }
        auto* editor = opened("frmConfigura");
        run(editor, "cmdRestablecer");
        run(editor, "cmdHojaPrueba");
        expectEveryTextWrapped({&w, editor, opened("frmTamaño"), opened("Form1"),
                                opened("frmRevisar"), opened("frmHoja"), opened("frmCorregir")});
    }

    void fichasWindows() {
        fichas::MainWindow w(m_outside.seams());
        w.show();
        m_outside.dialogs.answerPrinter(false);
        for (const char* command : {"cmdGenerar", "cmdRevisar", "cmdImprimir"})
            windowtest::run(&w, command);
        expectEveryTextWrapped({&w, windowtest::opened("frmRevisar")});
    }
};

QTEST_MAIN(TextsTest)
#include "texts_test.moc"
