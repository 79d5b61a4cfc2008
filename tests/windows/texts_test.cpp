// Every text of both programs goes through the translation: with a
// pseudo-translation that puts each text lupdate finds between brackets,
// no caption of any window, and no box the windows show, reads without them.
// In each language, every window holds its captions whole, and a screen
// reader finds a name on every control it can act on.
#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTranslator>

#include "common/core/program/startup.h"
#include "common/ui/frame/roomforcaptions.h"
#include "fichas/ui/mainwindow.h"
#include "lomos/ui/mainwindow.h"
#include "captions.h"
#include "testenv.h"
#include "windowfinder.h"
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
        // Each language is named in its own words, whatever the one in use.
        if (action->objectName().startsWith(QLatin1String("mnuIdioma_"))) continue;
        if (!action->isSeparator()) check(action, "text", action->text());
    }
    return found;
}

// The controls of `window` a screen reader would announce without a name.
QStringList nameless(QWidget* window) {
    static const QList<QAccessible::Role> acting = {
        QAccessible::EditableText, QAccessible::PushButton, QAccessible::CheckBox,
        QAccessible::RadioButton,  QAccessible::ComboBox,   QAccessible::SpinBox,
        QAccessible::Slider,       QAccessible::ButtonMenu, QAccessible::ButtonDropDown,
        QAccessible::Table,        QAccessible::List,       QAccessible::Graphic};
    QStringList found;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (!node || node->state().invisible) return;
        if (acting.contains(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty()) {
            // Named after the widget, or the one holding it (a combo box's field).
            const QObject* at = node->object();
            while (at && at->objectName().isEmpty()) at = at->parent();
            found << QStringLiteral("%1 (role %2)")
                         .arg(at ? at->objectName() : QStringLiteral("?"))
                         .arg(int(node->role()));
        }
        for (int i = 0; i < node->childCount(); ++i) walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(window));
    return found;
}

// Opens every window of lomos from `w`; the windows, main window first.
std::vector<QWidget*> openLomosWindows(QWidget& w) {
    using windowtest::opened;
    using windowtest::run;
    for (const char* command : {"Toolbar1_1", "Toolbar1_2", "Toolbar1_3", "Toolbar1_5",
                                "mnuTamao_fuente", "mnuHoja", "mnuCorregir", "mnuDiseno"}) {
        run(&w, command);
    }
    QWidget* editor = opened("frmConfigura");
    run(editor, "cmdRestablecer");
    run(editor, "cmdHojaPrueba");
    return {&w, editor, opened("frmTamaño"), opened("Form1"), opened("frmRevisar"),
            opened("frmHoja"), opened("frmCorregir"), opened("frmDiseno")};
}

std::vector<QWidget*> openFichasWindows(QWidget& w) {
    for (const char* command : {"cmdGenerar", "cmdRevisar", "cmdImprimir", "mnuDiseno"})
        windowtest::run(&w, command);
    return {&w, windowtest::opened("frmRevisar"), windowtest::opened("frmDiseno")};
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
        makeRoomInEveryWindow(*qApp);  // as the programs do
        QVERIFY(m_pseudo.load(QStringLiteral(PSEUDO_QM)));
        QCoreApplication::installTranslator(&m_pseudo);
        m_c.putDefaultCoordinates();
        m_c.putPrintFile(printFileWithFullItems(3));
    }

    void lomosWindows() {
        lomos::MainWindow w(m_outside.seams());
        w.show();
        m_outside.recordPrinting();
        expectEveryTextWrapped(openLomosWindows(w));
    }

    void fichasWindows() {
        fichas::MainWindow w(m_outside.seams());
        w.show();
        m_outside.dialogs.answerPrinter(false);
        expectEveryTextWrapped(openFichasWindows(w));
    }

    // Each language in every window of both programs: no caption cut, no
    // control without a name.
    void everyLanguageWholeAndNamed_data() {
        QTest::addColumn<QString>("code");
        for (const Language& language : languages()) QTest::newRow(qPrintable(language.code)) << language.code;
    }
    void everyLanguageWholeAndNamed() {
        QFETCH(QString, code);
        QCoreApplication::removeTranslator(&m_pseudo);
        useLanguage(*QCoreApplication::instance(), code);
        // The boxes' buttons too, from Qt or, where Qt has none, from the programs.
        const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
        const std::map<QString, QString> yesIn = {{"es", "&Sí"}, {"ca", "&Sí"}, {"gl", "&Si"},
                                                  {"eu", "&Bai"}, {"en", "&Yes"}};
        QCOMPARE(yes, yesIn.at(code));
        m_outside.recordPrinting();
        m_outside.dialogs.answerPrinter(false);
        QStringList found;
        lomos::MainWindow lomosWindow(m_outside.seams());
        fichas::MainWindow fichasWindow(m_outside.seams());
        for (QWidget* main : {static_cast<QWidget*>(&lomosWindow), static_cast<QWidget*>(&fichasWindow)}) {
            main->show();
            const auto windows = main == &lomosWindow ? openLomosWindows(*main) : openFichasWindows(*main);
            for (QWidget* window : windows) {
                QVERIFY2(window, "a window did not open");
                for (const QString& cut : windowtest::cutCaptions(window)) found << window->objectName() + ": " + cut;
                for (const QString& name : nameless(window)) found << window->objectName() + " nameless " + name;
            }
            for (QWidget* window : windows)
                if (window != main) window->close();
        }
        useLanguage(*QCoreApplication::instance(), QStringLiteral("es"));
        for (const QString& line : found) qInfo("%s", qPrintable(line));  // whole, past QVERIFY's cut
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }
};

QTEST_MAIN(TextsTest)
#include "texts_test.moc"
