#include "fichas/ui/mainwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "common/ui/frame/twips.h"
#include "fichas/program.h"

namespace fichas {

MainWindow::MainWindow(const Seams& seams, QWidget* parent)
    : MainWindowBase(seams, program(), parent) {
    buildMenu({
        {tr("&Hoja de etiquetas…"), QStringLiteral("mnuHoja"), {}, [this] { chooseStock(); }},
        {tr("&Diseño de la etiqueta…"), QStringLiteral("mnuDiseno"), {}, [this] { chooseDesign(); }},
    });
    layOut();
}

void MainWindow::layOut() {
    QWidget* area = client();
    area->setFixedSize(twips::toPixels(area, 6600), twips::toPixels(area, 5580));

    auto* heading = new QLabel(tr("Universidad Oderin Tesalore"), area);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setFont(uiFont(QStringLiteral("Arial Narrow"), 21.75, true));
    heading->setWordWrap(true);
    heading->setAlignment(Qt::AlignCenter);
    twips::place(heading, 720, 240, 3405, 1215);

    const QFont captionFont = uiFont(QStringLiteral("Arial"), 11.25, true);
    auto caption = [&](const char* name, const QString& text, int left, int top, int width) {
        auto* label = new QLabel(text, area);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(captionFont);
        twips::place(label, left, top, width, 270);
        return label;
    };
    QLabel* directoryCaption = caption("Label5", tr("Directorio cliente:"), 120, 1800, 1935);
    // 60 twips wider than designed, into the gap before the field: the final
    // period of Arial (or its twin) at 11.25 points ends past the design.
    QLabel* baseCaption = caption("Label6", tr("Base Adm."), 960, 2280, 1185);
    twips::place(clientDirectoryField(), 2160, 1800, 1935, 285);
    // A screen reader names each field after its caption.
    directoryCaption->setBuddy(clientDirectoryField());
    baseCaption->setBuddy(administrativeBaseField());
    twips::place(administrativeBaseField(), 2160, 2280, 1935, 285);

    const QFont buttonFont = uiFont(QStringLiteral("Arial Narrow"), 12, true);
    auto button = [&](const char* name, const QString& text, int left, int top, int width,
                      int height, void (MainWindow::*command)()) {
        auto* b = new QPushButton(text, area);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(buttonFont);
        twips::place(b, left, top, width, height);
        connect(b, &QPushButton::clicked, this, command);
        return b;
    };
    // The caption wraps onto two lines within the button, as designed.
    button("cmdGenerar", tr("&Generar\nEtiquetas"), 600, 2880, 1215, 855, &MainWindow::generate);
    // What needs labels waits for them.
    for (QPushButton* needsLabels :
         {button("cmdVer", tr("&Vista Previa"), 2280, 2880, 1455, 375, &MainWindow::preview),
          button("cmdRevisar", tr("&Revisar"), 2280, 3300, 1455, 375, &MainWindow::openReview),
          button("cmdImprimir", tr("&Imprimir"), 2280, 3720, 1455, 375, &MainWindow::print)}) {
        needsLabels->setEnabled(false);
        connect(this, &MainWindowBase::labelsPresent, needsLabels, &QPushButton::setEnabled);
    }
    button("cmdLimpiar", tr("&Limpiar"), 600, 3840, 1215, 615, &MainWindow::clear);
    button("cmdSalir", tr("&Salir"), 2280, 4140, 1455, 375, &MainWindow::quit);

    // To the right: where on the sheet in the tray printing starts.
    twips::place(firstSheetPanel(), 4440, 240, 2040, 3420);
    QPushButton* testSheet = button("cmdHojaPrueba", tr("Hoja de &prueba"), 4440, 3720, 2040, 420,
                                    qOverload<>(&MainWindow::printTestSheet));
    testSheet->setFont(uiFont(QStringLiteral("Arial Narrow"), 10, true));
    QPushButton* correct = button("cmdCorregir", tr("C&orregir impresora…"), 4440, 4200, 2040, 420,
                                  &MainWindow::openPrinterCorrection);
    correct->setFont(uiFont(QStringLiteral("Arial Narrow"), 10, true));

    // As wide as the window: the count of a million labels reads whole.
    twips::place(statusLabel(), 120, 4680, 6360, 495);

    // Tab in reading order: the fields, the buttons row by row, then the
    // column of the first sheet.
    QWidget* previous = administrativeBaseField();
    for (const char* name : {"cmdGenerar", "cmdVer", "cmdRevisar", "cmdImprimir", "cmdLimpiar",
                             "cmdSalir", "txtInicio", "picHoja", "cmdHojaPrueba", "cmdCorregir"}) {
        QWidget* next = findChild<QWidget*>(QLatin1String(name));
        setTabOrder(previous, next);
        previous = next;
    }
}

}  // namespace fichas
