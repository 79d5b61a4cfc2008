// Saves pictures of the windows, as a person would see them on the demo
// data, into the folder given: the main windows with the start field and the
// map, the coordinate editor, and the box of the check before printing.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QThread>

#include "fichas/ui/mainwindow.h"
#include "lomos/ui/mainwindow.h"
#include "common/core/labelcheck.h"
#include "common/core/messages.h"
#include "common/core/startup.h"
#include "common/ui/dialogs.h"

namespace {

bool save(QWidget& window, const QString& path) {
    window.show();
    for (int i = 0; i < 20; ++i) {  // let the window be laid out and painted
        QApplication::processEvents();
        QThread::msleep(10);
    }
    return window.grab().save(path);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setUpApplication(app);
    const QString folder = app.arguments().value(1);
    QtDialogs dialogs;
    bool saved = true;

    lomos::MainWindow spine(dialogs);
    spine.generate();
    spine.firstSheetPanel()->field()->setText(QStringLiteral("5"));
    emit spine.firstSheetPanel()->field()->editingFinished();
    emit spine.firstSheetPanel()->map()->toggled(7);  // a label peeled off the middle
    saved &= save(spine, folder + QStringLiteral("/lomos-principal.png"));
    spine.openCoordinateEditor();
    saved &= save(*spine.coordinateEditor(), folder + QStringLiteral("/lomos-configurar.png"));

    fichas::MainWindow full(dialogs);
    full.generate();
    saved &= save(full, folder + QStringLiteral("/fichas-principal.png"));

    const std::vector<labelcheck::Finding> findings = {
        {12, QStringLiteral("PQ6613"),
         QStringLiteral("la línea «.M3456789012345678» mide 6,71 cm y la etiqueta mide 6,40 cm")},
        {40, QStringLiteral("QA76.73"),
         QStringLiteral("la clasificación tiene más de seis partes: lo que sigue a la sexta no "
                        "se imprime")}};
    QMessageBox box(QMessageBox::NoIcon, messages::kTitle, labelcheck::findingsMessage(findings));
    box.addButton(messages::kPrintAnyway, QMessageBox::AcceptRole);
    box.addButton(messages::kCancel, QMessageBox::RejectRole);
    saved &= save(box, folder + QStringLiteral("/comprobacion.png"));
    return saved ? 0 : 1;
}
