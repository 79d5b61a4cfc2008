// Saves pictures of the windows, as a person would see them on the demo
// data, into the folder given: the main windows with the start field and the
// map, the coordinate editor, the box of the check before printing, and the
// list of "Revisar" of both programs with a label left out, one copied and
// one edited, "Corregir impresora…" with four crosses measured, and "Hoja
// de etiquetas…" on a stock of 44 labels with the main window and the
// coordinate editor that follow it.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTableView>
#include <QSpinBox>
#include <QThread>

#include "common/core/check/labelcheck.h"
#include "common/core/sheets/catalogue.h"
#include "common/core/sheets/stockchoice.h"
#include "common/paint/labelprinter.h"
#include "lomos/core/coordinates.h"
#include "common/core/program/startup.h"
#include "common/core/text/messages.h"
#include "common/ui/boxes/qtdialogs.h"
#include "common/ui/frame/roomforcaptions.h"
#include "common/ui/frame/seams.h"
#include "fichas/core/fullgeneration.h"
#include "fichas/ui/mainwindow.h"
#include "lomos/ui/mainwindow.h"
#include "windowfinder.h"

namespace {

bool save(QWidget& window, const QString& path) {
    window.show();
    for (int i = 0; i < 20; ++i) {  // let the window be laid out and painted
        QApplication::processEvents();
        QThread::msleep(10);
    }
    return window.grab().save(path);
}

// The real boxes, but for the label's edit, which is made here, and, while
// `answering`, the check's box and the preview's question, answered here:
// the check's text is kept for a picture of its own.
class EditingDialogs : public QtDialogs {
public:
    std::optional<jobselection::Fields> editLabel(QWidget*, const QString&, const QStringList&,
                                                  const jobselection::Fields& fields) override {
        jobselection::Fields edited = fields;
        if (edited.size() <= m_field) edited.resize(m_field + 1);
        if (edited[m_field].isEmpty()) edited[m_field].append(QString());
        edited[m_field].last() += QStringLiteral(" c.2");
        return edited;
    }
    int choose(QWidget* parent, const QString& title, const QString& text,
               const QStringList& buttons) override {
        if (!answering) return QtDialogs::choose(parent, title, text, buttons);
        checkText = text;
        checkButtons = buttons;
        return 0;
    }
    bool questionBeside(QWidget* parent, const QString& title, const QString& text,
                        const QRect& keepClear) override {
        if (!answering) return QtDialogs::questionBeside(parent, title, text, keepClear);
        return false;
    }
    size_t m_field = 0;
    bool answering = false;
    QString checkText;
    QStringList checkButtons;
};

using windowtest::opened;
using windowtest::run;

// Leaves label 2 out, asks for 3 copies of label 3, edits label 4.
ReviewWindow* changeTheReview(QWidget* window, const char* review, EditingDialogs& dialogs,
                              size_t field) {
    run(window, review);
    auto* list = opened<ReviewWindow>("frmRevisar");
    ReviewModel* model = list->model();
    model->setData(model->index(1, ReviewModel::Print), Qt::Unchecked, Qt::CheckStateRole);
    model->setData(model->index(2, ReviewModel::Copies), 3, Qt::EditRole);
    dialogs.m_field = field;
    list->editLabel(3);
    list->showLabel(3);
    return list;
}

// With --languages: lomos's main window and coordinate editor in each
// language, lomos-principal-CODE.png and lomos-configurar-CODE.png.
bool saveEachLanguage(QApplication& app, const QString& folder, EditingDialogs& dialogs) {
    bool saved = true;
    for (const Language& language : languages()) {
        useLanguage(app, language.code);
        lomos::MainWindow spine(Seams{dialogs});
        run(&spine, "Toolbar1_1");
        saved &= save(spine, folder + QStringLiteral("/lomos-principal-%1.png").arg(language.code));
        run(&spine, "Toolbar1_5");
        saved &= save(*opened("frmConfigura"),
                      folder + QStringLiteral("/lomos-configurar-%1.png").arg(language.code));
        opened("frmConfigura")->close();
    }
    return saved;
}

// The demo print file's first `count` items after the first `skip`, as the
// client writes a print file.
QByteArray demoItems(int skip, int count) {
    QFile demo(QStringLiteral(ETIQUETAS_DEMO_DIR "/itemlbl.prn"));
    demo.open(QIODevice::ReadOnly);
    const QByteArray whole = demo.readAll();
    QByteArray out;
    qsizetype at = 0;
    for (int i = 0; i < skip + count; ++i) {
        const qsizetype begin = whole.indexOf("<section-02>", at);
        const qsizetype end = whole.indexOf("</section-02>", begin);
        if (begin < 0 || end < 0) break;
        at = end + 13;
        if (i >= skip) out += whole.mid(begin, at - begin) + "\r\n";
    }
    return out;
}

// Writes the print file "Generar" reads.
void putPrintFile(const QByteArray& items) {
    QFile file(qEnvironmentVariable("ETIQUETAS_UNIDAD_C") +
               QStringLiteral("/CLIENTE/CATALOG/FILES/BIB50/PRINT/itemlbl.prn"));
    file.open(QIODevice::WriteOnly);
    file.write("<printout>\r\n" + items + "</printout>\r\n");
}

// A roll of spine labels on the LabelWriter, its page turned a quarter;
// the laser's margins over the top row and the left column of a sheet of
// 70 mm labels three across, in the check and the preview; the jobs kept.
bool saveRollsMarginsAndJobs(const QString& folder, EditingDialogs& dialogs) {
    bool saved = true;
    lomos::MainWindow roll(Seams{dialogs});
    run(&roll, "mnuHoja");
    auto* stocks = opened<StockWindow>("frmHoja");
    stocks->search(QStringLiteral("Dymo 11355"));
    stocks->useCurrent();
    labelprinter::choose(QStringLiteral("LW450"));
    run(&roll, "mnuImpresora");
    QWidget* printer = opened("frmImpresora");
    printer->findChild<QComboBox*>(QStringLiteral("cboImpresora"))->setCurrentText(QStringLiteral("LW450"));
    printer->findChild<QComboBox*>(QStringLiteral("cboGiro"))->setCurrentIndex(1);
    saved &= save(*printer, folder + QStringLiteral("/impresora-de-etiquetas.png"));
    printer->close();

    // Positions saved 2 mm inside each label before the laser was chosen.
    const catalogue::Catalogue catalogue = catalogue::read(catalogue::folder());
    const Stock* found = catalogue.find(QStringLiteral("Igepa EA-700x254"));
    if (!found) return false;
    const std::optional<Stock> igepa = *found;
    stockchoice::choose(QStringLiteral("lomos"), igepa);
    lomos::writeCoordinateFile(lomos::coordinateFileOf(igepa),
                               lomos::stockCoordinateTable(*igepa, 2.0, std::nullopt));
    labelprinter::choose(QStringLiteral("Laser"));
    lomos::MainWindow laser(Seams{dialogs});
    putPrintFile(demoItems(0, 24));
    run(&laser, "Toolbar1_1");
    dialogs.answering = true;
    run(&laser, "Toolbar1_2");
    dialogs.answering = false;
    saved &= save(*opened("Form1"), folder + QStringLiteral("/margen-de-la-impresora.png"));
    QMessageBox box(QMessageBox::NoIcon, messages::title(), dialogs.checkText);
    for (const QString& button : dialogs.checkButtons) box.addButton(button, QMessageBox::AcceptRole);
    saved &= save(box, folder + QStringLiteral("/margen-comprobacion.png"));
    opened("Form1")->close();

    // Three jobs in turn: the window lists them, one found by a call number.
    putPrintFile(demoItems(24, 12));
    run(&laser, "Toolbar1_1");
    putPrintFile(demoItems(36, 8));
    run(&laser, "Toolbar1_1");
    run(&laser, "mnuTrabajos");
    QWidget* jobs = opened("frmTrabajos");
    jobs->findChild<QLineEdit*>(QStringLiteral("txtBuscar"))->setText(QStringLiteral("qa76.73"));
    saved &= save(*jobs, folder + QStringLiteral("/trabajos-anteriores.png"));
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setUpApplication(app);
    makeRoomInEveryWindow(app);
    const QString folder = app.arguments().value(1);
    EditingDialogs dialogs;
    if (app.arguments().value(2) == QLatin1String("--languages"))
        return saveEachLanguage(app, folder, dialogs) ? 0 : 1;
    bool saved = true;

    lomos::MainWindow spine(Seams{dialogs});
    run(&spine, "Toolbar1_1");
    auto* start = spine.findChild<QSpinBox*>(QStringLiteral("txtInicio"));
    start->setValue(5);
    emit spine.findChild<SheetMap*>(QStringLiteral("picHoja"))->toggled(7);  // peeled off
    saved &= save(spine, folder + QStringLiteral("/lomos-principal.png"));
    run(&spine, "Toolbar1_5");
    saved &= save(*opened("frmConfigura"), folder + QStringLiteral("/lomos-configurar.png"));

    saved &= save(*changeTheReview(&spine, "Toolbar1_3", dialogs, 0),
                  folder + QStringLiteral("/lomos-revisar.png"));
    run(&spine, "mnuCorregir");
    QWidget* correction = opened("frmCorregir");
    const char* measured[][2] = {
        {"29,5", "0,8"}, {"158,6", "0,9"}, {"29,6", "260,1"}, {"158,7", "260,2"}};
    for (int row = 0; row < 4; ++row) {
        correction->findChild<QLineEdit*>(QStringLiteral("txtX%1").arg(row + 1))
            ->setText(measured[row][0]);
        correction->findChild<QLineEdit*>(QStringLiteral("txtY%1").arg(row + 1))
            ->setText(measured[row][1]);
    }
    saved &= save(*correction, folder + QStringLiteral("/corregir-impresora.png"));

    fichas::MainWindow full(Seams{dialogs});
    run(&full, "cmdGenerar");
    saved &= save(full, folder + QStringLiteral("/fichas-principal.png"));
    saved &= save(*changeTheReview(&full, "cmdRevisar", dialogs, fichas::kCallNumberField),
                  folder + QStringLiteral("/fichas-revisar.png"));

    // A stock of the catalogue: the window that chooses it, then the sheet
    // map and the coordinate editor that follow it.
    lomos::MainWindow herma(Seams{dialogs});
    run(&herma, "mnuHoja");
    auto* stocks = opened<StockWindow>("frmHoja");
    stocks->search(QStringLiteral("48,5 x 25,4"));
    stocks->findChild<QListWidget*>(QStringLiteral("lstHojas"))->setCurrentRow(2);
    saved &= save(*stocks, folder + QStringLiteral("/hoja-de-etiquetas.png"));
    stocks->useCurrent();
    run(&herma, "Toolbar1_1");
    start = herma.findChild<QSpinBox*>(QStringLiteral("txtInicio"));
    start->setValue(6);
    saved &= save(herma, folder + QStringLiteral("/lomos-herma-4102.png"));
    run(&herma, "Toolbar1_5");
    saved &=
        save(*opened("frmConfigura"), folder + QStringLiteral("/lomos-configurar-herma-4102.png"));
    opened("frmConfigura")->close();
    run(&herma, "mnuHoja");
    stocks = opened<StockWindow>("frmHoja");
    stocks->search(QString());
    stocks->useCurrent();  // the program's own sheet again

    const std::vector<labelcheck::Finding> findings = {
        {12, QStringLiteral("PQ6613"),
         QStringLiteral("la línea «.M3456789012345678» mide 6,71 cm y la etiqueta mide 6,40 cm")},
        {40, QStringLiteral("QA76.73"),
         QStringLiteral("la clasificación tiene más de seis partes: lo que sigue a la sexta no "
                        "se imprime")}};
    QMessageBox box(QMessageBox::NoIcon, messages::title(), labelcheck::findingsMessage(findings));
    box.addButton(messages::printAnyway(), QMessageBox::AcceptRole);
    box.addButton(messages::review(), QMessageBox::ActionRole);
    box.addButton(messages::cancel(), QMessageBox::RejectRole);
    saved &= save(box, folder + QStringLiteral("/comprobacion.png"));
    saved &= saveRollsMarginsAndJobs(folder, dialogs);
    return saved ? 0 : 1;
}
