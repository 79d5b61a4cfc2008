#include "common/ui/printing/correctionwindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

#include "common/core/text/messages.h"
#include "common/paint/paintersurface.h"
#include "common/ui/boxes/dialogs.h"
#include "common/paint/labelprinter.h"

CorrectionWindow::CorrectionWindow(Dialogs& dialogs, const Workbench& workbench)
    : QWidget(nullptr, Qt::Window),
      m_dialogs(dialogs),
      m_workbench(workbench),
      m_current(new QLabel(this)) {
    const LabelGrid sheet = workbench.grid();
    setObjectName(QStringLiteral("frmCorregir"));
    setWindowTitle(tr("Corregir impresora"));
    auto* grid = new QGridLayout(this);
    auto* how =
        new QLabel(tr("Imprima la hoja de prueba. Con una regla, mida en milímetros la distancia "
                      "del centro de cada cruz al borde izquierdo y al borde superior del papel. "
                      "Mida al menos cuatro cruces que no estén en una misma fila ni en una misma "
                      "columna (las esquinas son las mejores): con tres, un error al medir no se "
                      "notaría."),
                   this);
    how->setWordWrap(true);
    grid->addWidget(how, 0, 0, 1, 3);
    m_current->setObjectName(QStringLiteral("lblCorreccion"));
    m_current->setWordWrap(true);
    grid->addWidget(m_current, 1, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Etiqueta"), this), 2, 0);
    grid->addWidget(new QLabel(tr("Desde la izquierda (mm)"), this), 2, 1);
    grid->addWidget(new QLabel(tr("Desde arriba (mm)"), this), 2, 2);
    // Corners whose crosses come out whole, clear of the rulers.
    const std::vector<int> corners =
        testsheet::measurableCorners(workbench.program().crosses(workbench.settings()), sheet);
    for (int row = 0; row < kRows; ++row) {
        auto field = [&](const char* name, int column, const QString& accessibleName) {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(row + 1));
            edit->setAccessibleName(accessibleName);
            grid->addWidget(edit, row + 3, column);
            return edit;
        };
        m_place[row] = field("txtEtiqueta", 0, tr("Medida %1, etiqueta").arg(row + 1));
        m_x[row] = field("txtX", 1, tr("Medida %1, desde la izquierda (mm)").arg(row + 1));
        m_y[row] = field("txtY", 2, tr("Medida %1, desde arriba (mm)").arg(row + 1));
        if (row < 4) m_place[row]->setText(QString::number(corners[size_t(row)]));
    }
    auto button = [this, grid](const char* name, const QString& text, int column, auto command) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, command);
        grid->addWidget(b, kRows + 3, column);
        return b;
    };
    m_fit = button("cmdCalcular", tr("C&alcular"), 0, [this] { fitAndKeep(); });
    m_remove = button("cmdQuitar", tr("&Quitar corrección"), 1, [this] { remove(); });
    button("cmdCerrar", tr("&Cerrar"), 2, [this] { close(); });
    showCurrent();
}

void CorrectionWindow::showCurrent() {
    const QString printer = labelprinter::currentName();
    // Said at once: with no printer there is nothing to measure.
    m_fit->setEnabled(!printer.isEmpty());
    m_remove->setEnabled(!printer.isEmpty());
    if (printer.isEmpty()) {
        return m_current->setText(tr("No hay ninguna impresora en este equipo: instale la de "
                                     "las etiquetas para imprimir la hoja de prueba y "
                                     "corregirla."));
    }
    const auto map = labelprinter::correctionFor(printer);
    m_current->setText(
        map ? tr("Impresora: %1. Corrección en uso: %2.").arg(printer, correction::describe(*map))
            : tr("Impresora: %1. Sin corrección.").arg(printer));
}

void CorrectionWindow::fitAndKeep() {
    std::vector<correction::Measure> measures;
    for (int row = 0; row < kRows; ++row) {
        if (m_x[row]->text().trimmed().isEmpty() && m_y[row]->text().trimmed().isEmpty()) continue;
        const auto measure =
            correction::parseMeasure(m_place[row]->text(), m_x[row]->text(), m_y[row]->text());
        if (!measure) {
            m_dialogs.message(this, messages::title(),
                              tr("La fila %1 no tiene una etiqueta y dos medidas en "
                                 "milímetros: «%2», «%3», «%4».")
                                  .arg(row + 1)
                                  .arg(m_place[row]->text(), m_x[row]->text(), m_y[row]->text()));
            return;
        }
        measures.push_back(*measure);
    }
    const QString printerName = labelprinter::currentName();
    if (printerName.isEmpty()) {
        m_dialogs.message(this, messages::title(),
                          tr("No hay ninguna impresora a la que corregir."));
        return;
    }
    // A cross was meant at its position, from the paper's corner or the
    // printable area's.
    const QPointF corner =
        labelprinter::originOf(m_workbench.settings().stock) == correction::Origin::Paper
            ? QPointF()
            : PrinterSurface::printableCornerCm(*labelprinter::open().printer);
    const correction::Fit fit = correction::fit(
        measures, m_workbench.program().crosses(m_workbench.settings()), corner.x(), corner.y());
    if (!fit.distortion) {
        m_dialogs.message(this, messages::title(), fit.problem);
        for (int row = 0; row < kRows; ++row) {
            if (fit.badPlace && m_place[row]->text().trimmed() == QString::number(fit.badPlace)) {
                m_x[row]->setFocus();
                m_x[row]->selectAll();
            }
        }
        return;
    }
    // The sheet measured was printed through a correction, maybe: the printer's
    // own error is what was measured after it, whatever is kept now.
    const correction::Affine before =
        labelprinter::sheetCorrectionFor(printerName).value_or(correction::Affine{});
    const correction::Affine distortion = fit.distortion->after(before);
    QString text = tr("%1.\n\n¿Guardar esta corrección para la impresora «%2»? Se aplicará a "
                      "todo lo que se imprima en ella.")
                       .arg(correction::describe(distortion), printerName);
    text[0] = text[0].toUpper();
    if (!m_dialogs.question(this, messages::title(), text)) return;
    labelprinter::keepCorrection(printerName, distortion);
    showCurrent();
    emit correctionChanged();
}

void CorrectionWindow::remove() {
    labelprinter::keepCorrection(labelprinter::currentName(), std::nullopt);
    showCurrent();
    emit correctionChanged();
}
