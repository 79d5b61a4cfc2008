#include "common/ui/printing/labelprinterwindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "common/core/text/messages.h"
#include "common/paint/pagesetup.h"
#include "common/ui/boxes/dialogs.h"

namespace labelprinter {

JobPrinter forJob(Dialogs& dialogs, QWidget* parent, bool askFirst,
                  const SurfaceFactory& makeSurface, const std::optional<Stock>& stock) {
    Target target = open();
    // The dialog opens on the stock's paper.
    if (stock) putPaper(*target.printer, *stock, rotationFor(target.printer->printerName()));
    if (!target.missing.isEmpty())
        dialogs.message(parent, messages::title(), missingMessage(target.missing));
    // Cancel cancels: printing after it would waste sheets of labels.
    if (askFirst && !dialogs.choosePrinter(parent, *target.printer)) return {};
    JobPrinter job = prepare(std::move(target.printer), makeSurface, stock);
    if (!job.refusal.isEmpty()) dialogs.message(parent, messages::title(), job.refusal);
    return job;
}

}  // namespace labelprinter

LabelPrinterWindow::LabelPrinterWindow(const std::optional<Stock>& stock, TestPrint testPrint)
    : QWidget(nullptr, Qt::Window),
      m_printer(new QComboBox(this)),
      m_rotation(new QComboBox(this)),
      m_test(new QPushButton(tr("Imprimir una etiqueta de &prueba"), this)),
      m_testPrint(std::move(testPrint)) {
    setObjectName(QStringLiteral("frmImpresora"));
    setWindowTitle(tr("Impresora de etiquetas"));
    auto* form = new QFormLayout(this);
    m_printer->setObjectName(QStringLiteral("cboImpresora"));
    m_printer->addItem(tr("La impresora predeterminada"), QString());
    for (const QString& name : labelprinter::available()) m_printer->addItem(name, name);
    m_printer->setCurrentIndex(std::max(0, m_printer->findData(labelprinter::chosen())));
    form->addRow(tr("&Impresora a la que van las etiquetas:"), m_printer);

    m_rotation->setObjectName(QStringLiteral("cboGiro"));
    for (int degrees : {0, 90, 180, 270}) {
        m_rotation->addItem(degrees == 0 ? tr("Sin girar") : tr("%1° a la derecha").arg(degrees),
                            degrees);
    }
    form->addRow(tr("&Girar la página:"), m_rotation);
    auto* how = new QLabel(
        tr("Algunas impresoras de etiquetas en rollo sacan la etiqueta girada. Imprima una "
           "etiqueta de prueba: si la flecha no apunta hacia el extremo de arriba de la "
           "etiqueta, elija otro giro y pruebe de nuevo."),
        this);
    how->setWordWrap(true);
    form->addRow(how);
    m_test->setObjectName(QStringLiteral("cmdPrueba"));
    // One label of a sheet of many would waste the sheet.
    const bool roll = stock && stock->grid().places() == 1;
    m_test->setEnabled(roll);
    if (!roll) m_test->setToolTip(tr("Elija antes una hoja de una etiqueta por página (un rollo)."));
    form->addRow(m_test);
    connect(m_test, &QPushButton::clicked, this,
            [this] { m_testPrint(printerShown(), degreesShown()); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdAceptar"));
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancelar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(messages::cancel());
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &LabelPrinterWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    connect(m_printer, &QComboBox::currentIndexChanged, this,
            [this] { showRotationOf(printerShown()); });
    showRotationOf(printerShown());
}

QString LabelPrinterWindow::printerShown() const { return m_printer->currentData().toString(); }

int LabelPrinterWindow::degreesShown() const { return m_rotation->currentData().toInt(); }

void LabelPrinterWindow::showRotationOf(const QString& printer) {
    const QString name = printer.isEmpty() ? QPrinterInfo::defaultPrinterName() : printer;
    m_rotation->setCurrentIndex(std::max(0, m_rotation->findData(labelprinter::rotationFor(name))));
}

void LabelPrinterWindow::accept() {
    const QString printer = printerShown();
    labelprinter::choose(printer);
    labelprinter::keepRotation(printer.isEmpty() ? QPrinterInfo::defaultPrinterName() : printer,
                               degreesShown());
    emit chosen();
    close();
}
