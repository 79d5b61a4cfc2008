#include "fichas/ui/mainwindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "common/core/drivec.h"
#include "common/core/generation.h"
#include "common/core/messages.h"
#include "common/core/settingsfile.h"
#include "common/core/sheetflow.h"
#include "common/core/testsheet.h"
#include "common/paint/paintersurface.h"
#include "common/ui/dialogs.h"
#include "common/ui/twips.h"
#include "common/ui/waitcursor.h"
#include "fichas/core/fullcheck.h"
#include "fichas/core/fullwalk.h"

namespace fichas {

using messages::kNoLabels;
using messages::kTitle;

MainWindow::MainWindow(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QString());
    m_printerFactory = [](std::unique_ptr<QPrinter> printer) {
        return std::make_shared<PrinterSurface>(std::move(printer));
    };
    m_exit = [] { QApplication::exit(0); };

    QMenu* menu = menuBar()->addMenu(QStringLiteral("Menú"));
    menu->setObjectName(QStringLiteral("mnuMenu"));
    QAction* salir = menu->addAction(QStringLiteral("Salir"));
    salir->setObjectName(QStringLiteral("mnuSalir"));
    salir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(salir, &QAction::triggered, this, &MainWindow::quit);

    buildClientArea();

    const Settings settings = loadSettings(drivec::settingsFile());
    m_clientDirectory->setText(settings.clientDirectory);
    m_administrativeBase->setText(settings.administrativeBase);
}

MainWindow::~MainWindow() { delete m_preview; }

void MainWindow::buildClientArea() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    client->setFixedSize(twips::toPixels(client, 6600), twips::toPixels(client, 5475));

    auto* heading = new QLabel(QStringLiteral("Universidad Oderin Tesalore"), client);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setFont(uiFont(QStringLiteral("Arial Narrow"), 21.75, true));
    heading->setWordWrap(true);
    heading->setAlignment(Qt::AlignCenter);
    twips::place(heading, 720, 240, 3405, 1215);

    const QFont captionFont = uiFont(QStringLiteral("Arial"), 11.25, true);
    auto* label5 = new QLabel(QStringLiteral("Directorio cliente:"), client);
    label5->setObjectName(QStringLiteral("Label5"));
    label5->setFont(captionFont);
    twips::place(label5, 120, 1800, 1935, 270);
    auto* label6 = new QLabel(QStringLiteral("Base Adm."), client);
    label6->setObjectName(QStringLiteral("Label6"));
    label6->setFont(captionFont);
    twips::place(label6, 960, 2280, 1125, 270);

    const QFont fieldFont = uiFont(QStringLiteral("Arial"), 9, true);
    m_clientDirectory = new QLineEdit(client);
    m_clientDirectory->setObjectName(QStringLiteral("txtDir"));
    m_clientDirectory->setFont(fieldFont);
    twips::place(m_clientDirectory, 2160, 1800, 1935, 285);
    m_administrativeBase = new QLineEdit(client);
    m_administrativeBase->setObjectName(QStringLiteral("txtBase"));
    m_administrativeBase->setFont(fieldFont);
    twips::place(m_administrativeBase, 2160, 2280, 1935, 285);

    const QFont buttonFont = uiFont(QStringLiteral("Arial Narrow"), 12, true);
    auto button = [&](const char* name, const QString& caption, int left, int top, int width,
                      int height, void (MainWindow::*handler)()) {
        auto* b = new QPushButton(caption, client);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(buttonFont);
        twips::place(b, left, top, width, height);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    // The caption wraps onto two lines within the button, as designed.
    button("cmdGenerar", QStringLiteral("Generar\nEtiquetas"), 600, 2880, 1215, 855,
           &MainWindow::generate);
    button("cmdVer", QStringLiteral("Vista Previa"), 2280, 2880, 1455, 375, &MainWindow::preview);
    button("cmdImprimir", QStringLiteral("Imprimir"), 2280, 3360, 1455, 420, &MainWindow::print);
    button("cmdLimpiar", QStringLiteral("Limpiar"), 600, 3840, 1215, 615, &MainWindow::clear);
    button("cmdSalir", QStringLiteral("Salir"), 2280, 3840, 1455, 615, &MainWindow::quit);

    // To the right: where on the sheet in the tray printing starts.
    m_firstSheet = new FirstSheetPanel(QStringLiteral("fichas"), SheetPlaces::kPerSheet, 3, client);
    twips::place(m_firstSheet, 4440, 240, 2040, 3840);
    QPushButton* prueba = button("cmdHojaPrueba", QStringLiteral("Hoja de prueba"), 4440, 4140,
                                 2040, 420, &MainWindow::printTestSheet);
    prueba->setFont(uiFont(QStringLiteral("Arial Narrow"), 10, true));

    m_status = new QLabel(kNoLabels, client);
    m_status->setObjectName(QStringLiteral("lblEspere"));
    m_status->setFont(uiFont(QStringLiteral("Arial Narrow"), 18, true));
    m_status->setAlignment(Qt::AlignCenter);
    // As wide as the window: the count of a million labels reads whole.
    twips::place(m_status, 120, 4680, 6360, 495);

    setTabOrder(m_clientDirectory, m_administrativeBase);
}

void MainWindow::showStatus(const QString& status) {
    m_status->setText(status);
    fitText(m_status, status, 18, 0);
}

void MainWindow::generate() {
    WaitCursor wait;
    m_labels = FullGeneration{};
    const generation::Report report =
        generation::run({m_clientDirectory->text(), m_administrativeBase->text()},
                        generation::SaveSettings::Yes, [this](const QString& printFile) {
                            m_labels = generateFullLabels(printFile);
                            return generation::Generated{m_labels.labelCount, m_labels.status,
                                                         mismatchWarning(m_labels)};
                        });
    showStatus(report.status);
    for (const QString& notice : report.notices) m_dialogs.message(this, kTitle, notice);
}

namespace {
std::unique_ptr<QPrinter> defaultPrinter() {
    return std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
}
}  // namespace

std::shared_ptr<DrawingSurface> MainWindow::choosePrinter() {
    auto printer = defaultPrinter();
    // Cancel cancels: printing after it would waste sheets of labels.
    if (!m_dialogs.choosePrinter(this, *printer)) return nullptr;
    return m_printerFactory(std::move(printer));
}

labelcheck::Check MainWindow::fullCheck(const FirstSheet& first) const {
    return [this, first](DrawingSurface& surface) {
        return checkFullLabels(m_labels, printedPlaces(), first, surface);
    };
}

void MainWindow::print() {
    if (m_labels.callNumberLines.isEmpty()) return;
    const std::optional<FirstSheet> first = m_firstSheet->firstSheet(m_dialogs, this);
    if (!first) return;
    const std::shared_ptr<DrawingSurface> surface = choosePrinter();
    if (!surface) return;
    if (!confirmLabels(m_dialogs, this, fullCheck(*first), *surface)) return;
    const PrintOutcome outcome =
        printAndTell(m_dialogs, this, fullWalk(m_labels, printedPlaces()), *surface, *first);
    if (outcome.printed) m_firstSheet->printed(outcome.lastSheet);
}

void MainWindow::printTestSheet() {
    const std::shared_ptr<DrawingSurface> surface = choosePrinter();
    if (!surface) return;
    printAndTell(m_dialogs, this, testsheet::walk(testPositions(printedPlaces())), *surface,
                 FirstSheet(SheetPlaces::kPerSheet));
}

void MainWindow::preview() {
    if (m_labels.callNumberLines.isEmpty()) return;
    const std::optional<FirstSheet> first = m_firstSheet->firstSheet(m_dialogs, this);
    if (!first) return;
    WaitCursor wait;
    // Checked as it will print: on the default printer, at the printed places.
    if (!confirmLabels(m_dialogs, this, fullCheck(*first), *m_printerFactory(defaultPrinter())))
        return;
    if (!m_preview) m_preview = new PreviewWindow(this);
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
    previewSheets(fullWalk(m_labels, previewPlaces()), m_preview->picture()->surface(), *first,
                  [this] {
                      return m_dialogs.question(m_preview, QStringLiteral("Mensaje:"),
                                                QStringLiteral("¿Continuar?"));
                  });
}

void MainWindow::clear() {
    m_labels = FullGeneration{};
    m_administrativeBase->clear();
    m_clientDirectory->clear();
    showStatus(kNoLabels);
}

void MainWindow::quit() {
    if (m_preview) m_preview->close();
    m_exit();
}

}  // namespace fichas
