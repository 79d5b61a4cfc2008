// Saves pictures of the windows, as a person would see them on the demo
// data, into the folder given: the main windows with the start field and the
// map, the coordinate editor, the box of the check before printing, and the
// list of "Revisar" of both programs with a label left out, one copied and
// one edited, "Corregir impresora…" with four crosses measured, and "Hoja
// de etiquetas…" on a stock of 44 labels with the main window and the
// coordinate editor that follow it.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTableView>
#include <QThread>

#include "fichas/ui/mainwindow.h"
#include "lomos/ui/mainwindow.h"
#include "common/core/check/labelcheck.h"
#include "common/core/text/messages.h"
#include "common/core/program/startup.h"
#include "common/ui/boxes/qtdialogs.h"
#include "fichas/core/fullgeneration.h"

namespace {

bool save(QWidget& window, const QString& path) {
    window.show();
    for (int i = 0; i < 20; ++i) {  // let the window be laid out and painted
        QApplication::processEvents();
        QThread::msleep(10);
    }
    return window.grab().save(path);
}

// The real boxes, but for the label's edit, which is made here.
class EditingDialogs : public QtDialogs {
public:
    std::optional<jobselection::Fields> editLabel(QWidget*, const QString&, const QStringList&,
                                                  const jobselection::Fields& fields) override {
        jobselection::Fields edited = fields;
        edited[m_field].last() += QStringLiteral(" c.2");
        return edited;
    }
    size_t m_field = 0;
};

// Leaves label 2 out, asks for 3 copies of label 3, edits label 4.
void changeTheReview(MainWindowBase& window, EditingDialogs& dialogs, size_t field) {
    window.openReview();
    ReviewWindow* list = window.reviewWindow();
    ReviewModel* model = list->model();
    model->setData(model->index(1, ReviewModel::Print), Qt::Unchecked, Qt::CheckStateRole);
    model->setData(model->index(2, ReviewModel::Copies), 3, Qt::EditRole);
    dialogs.m_field = field;
    list->editLabel(3);
    list->showLabel(3);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setUpApplication(app);
    const QString folder = app.arguments().value(1);
    EditingDialogs dialogs;
    bool saved = true;

    lomos::MainWindow spine(dialogs);
    spine.generate();
    spine.firstSheetPanel()->field()->setText(QStringLiteral("5"));
    emit spine.firstSheetPanel()->field()->editingFinished();
    emit spine.firstSheetPanel()->map()->toggled(7);  // a label peeled off the middle
    saved &= save(spine, folder + QStringLiteral("/lomos-principal.png"));
    spine.openCoordinateEditor();
    saved &= save(*spine.coordinateEditor(), folder + QStringLiteral("/lomos-configurar.png"));

    changeTheReview(spine, dialogs, 0);
    saved &= save(*spine.reviewWindow(), folder + QStringLiteral("/lomos-revisar.png"));
    spine.openPrinterCorrection();
    CorrectionDialog* correction = spine.correctionDialog();
    const char* measured[][2] = {{"29,5", "0,8"}, {"158,6", "0,9"}, {"29,6", "260,1"}, {"158,7", "260,2"}};
    for (int row = 0; row < 4; ++row) {
        correction->findChild<QLineEdit*>(QStringLiteral("txtX%1").arg(row + 1))->setText(measured[row][0]);
        correction->findChild<QLineEdit*>(QStringLiteral("txtY%1").arg(row + 1))->setText(measured[row][1]);
    }
    saved &= save(*correction, folder + QStringLiteral("/corregir-impresora.png"));

    fichas::MainWindow full(dialogs);
    full.generate();
    saved &= save(full, folder + QStringLiteral("/fichas-principal.png"));
    changeTheReview(full, dialogs, fichas::kCallNumberField);
    saved &= save(*full.reviewWindow(), folder + QStringLiteral("/fichas-revisar.png"));

    // A stock of the catalogue: the window that chooses it, then the sheet
    // map and the coordinate editor that follow it.
    lomos::MainWindow herma(dialogs);
    herma.chooseStock();
    herma.stockFlow()->window()->search(QStringLiteral("48,5 x 25,4"));
    herma.stockFlow()->window()->findChild<QListWidget*>(QStringLiteral("lstHojas"))->setCurrentRow(2);
    saved &= save(*herma.stockFlow()->window(), folder + QStringLiteral("/hoja-de-etiquetas.png"));
    herma.stockFlow()->use(herma.stockFlow()->window()->current());
    herma.generate();
    herma.firstSheetPanel()->field()->setText(QStringLiteral("6"));
    emit herma.firstSheetPanel()->field()->editingFinished();
    saved &= save(herma, folder + QStringLiteral("/lomos-herma-4102.png"));
    herma.openCoordinateEditor();
    saved &= save(*herma.coordinateEditor(), folder + QStringLiteral("/lomos-configurar-herma-4102.png"));
    herma.stockFlow()->use(std::nullopt);

    const std::vector<labelcheck::Finding> findings = {
        {12, QStringLiteral("PQ6613"),
         QStringLiteral("la línea «.M3456789012345678» mide 6,71 cm y la etiqueta mide 6,40 cm")},
        {40, QStringLiteral("QA76.73"),
         QStringLiteral("la clasificación tiene más de seis partes: lo que sigue a la sexta no "
                        "se imprime")}};
    QMessageBox box(QMessageBox::NoIcon, messages::kTitle, labelcheck::findingsMessage(findings));
    box.addButton(messages::kPrintAnyway, QMessageBox::AcceptRole);
    box.addButton(messages::kReview, QMessageBox::ActionRole);
    box.addButton(messages::kCancel, QMessageBox::RejectRole);
    saved &= save(box, folder + QStringLiteral("/comprobacion.png"));
    return saved ? 0 : 1;
}
