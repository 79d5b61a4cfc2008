// Saves pictures of the windows, as a person would see them on the demo
// data, into the folder given: the main windows with the start field and the
// map, the coordinate editor, and the box of the check before printing.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QThread>

#include "fichas/ui/frmprincipal.h"
#include "lomos/ui/frmprincipal.h"
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

    lomos::frmPrincipal spine(dialogs);
    spine.Generar();
    spine.inicio()->field()->setText(QStringLiteral("5"));
    emit spine.inicio()->field()->editingFinished();
    emit spine.inicio()->map()->toggled(7);  // a label peeled off the middle
    saved &= save(spine, folder + QStringLiteral("/lomos-principal.png"));
    spine.Configurar();
    saved &= save(*spine.configura(), folder + QStringLiteral("/lomos-configurar.png"));

    fichas::frmPrincipal full(dialogs);
    full.cmdGenerar();
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
