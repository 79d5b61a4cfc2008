#include "fichas/ui/frmprincipal.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "fichas/core/fullcheck.h"
#include "fichas/core/fullwalk.h"
#include "common/core/drivec.h"
#include "common/core/generar.h"
#include "common/core/messages.h"
#include "common/core/settingsfile.h"
#include "common/core/sheetflow.h"
#include "common/core/testsheet.h"
#include "common/paint/paintersurface.h"
#include "common/ui/dialogs.h"
#include "common/ui/twips.h"
#include "common/ui/waitcursor.h"

namespace fichas {

using messages::kNoLabels;
using messages::kTitle;

frmPrincipal::frmPrincipal(Dialogs& dialogs, QWidget* parent)
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
    connect(salir, &QAction::triggered, this, &frmPrincipal::Salir);

    buildClientArea();

    const Settings settings = loadSettings(drivec::settingsFile());
    m_txtDir->setText(settings.clientDirectory);
    m_txtBase->setText(settings.administrativeBase);
}

frmPrincipal::~frmPrincipal() { delete m_form1; }

void frmPrincipal::buildClientArea() {
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
    m_txtDir = new QLineEdit(client);
    m_txtDir->setObjectName(QStringLiteral("txtDir"));
    m_txtDir->setFont(fieldFont);
    twips::place(m_txtDir, 2160, 1800, 1935, 285);
    m_txtBase = new QLineEdit(client);
    m_txtBase->setObjectName(QStringLiteral("txtBase"));
    m_txtBase->setFont(fieldFont);
    twips::place(m_txtBase, 2160, 2280, 1935, 285);

    const QFont buttonFont = uiFont(QStringLiteral("Arial Narrow"), 12, true);
    auto button = [&](const char* name, const QString& caption, int left, int top, int width,
                      int height, void (frmPrincipal::*handler)()) {
        auto* b = new QPushButton(caption, client);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(buttonFont);
        twips::place(b, left, top, width, height);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    // The caption wraps onto two lines within the button, as designed.
    button("cmdGenerar", QStringLiteral("Generar\nEtiquetas"), 600, 2880, 1215, 855,
           &frmPrincipal::cmdGenerar);
    button("cmdVer", QStringLiteral("Vista Previa"), 2280, 2880, 1455, 375, &frmPrincipal::cmdVer);
    button("cmdImprimir", QStringLiteral("Imprimir"), 2280, 3360, 1455, 420,
           &frmPrincipal::cmdImprimir);
    button("cmdLimpiar", QStringLiteral("Limpiar"), 600, 3840, 1215, 615,
           &frmPrincipal::cmdLimpiar);
    button("cmdSalir", QStringLiteral("Salir"), 2280, 3840, 1455, 615, &frmPrincipal::Salir);

    // To the right: where on the sheet in the tray printing starts.
    m_inicio = new FirstSheetPanel(QStringLiteral("fichas"), SheetPlaces::kPerSheet, 3, client);
    twips::place(m_inicio, 4440, 240, 2040, 3840);
    QPushButton* prueba = button("cmdHojaPrueba", QStringLiteral("Hoja de prueba"), 4440, 4140,
                                 2040, 420, &frmPrincipal::cmdHojaPrueba);
    prueba->setFont(uiFont(QStringLiteral("Arial Narrow"), 10, true));

    m_lblEspere = new QLabel(kNoLabels, client);
    m_lblEspere->setObjectName(QStringLiteral("lblEspere"));
    m_lblEspere->setFont(uiFont(QStringLiteral("Arial Narrow"), 18, true));
    m_lblEspere->setAlignment(Qt::AlignCenter);
    // As wide as the window: the count of a million labels reads whole.
    twips::place(m_lblEspere, 120, 4680, 6360, 495);

    setTabOrder(m_txtDir, m_txtBase);
}

void frmPrincipal::showStatus(const QString& status) {
    m_lblEspere->setText(status);
    fitText(m_lblEspere, status, 18, 0);
}

void frmPrincipal::cmdGenerar() {
    WaitCursor wait;
    m_lists = FullGeneration{};
    const generar::Report report = generar::run(
        {m_txtDir->text(), m_txtBase->text()}, generar::SaveSettings::Yes,
        [this](const QString& printFile) {
            m_lists = generateFullLabels(printFile);
            return generar::Generated{m_lists.labelCount, m_lists.status, mismatchWarning(m_lists)};
        });
    showStatus(report.status);
    for (const QString& notice : report.notices) m_dialogs.message(this, kTitle, notice);
}

namespace {
std::unique_ptr<QPrinter> defaultPrinter() {
    return std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
}
}  // namespace

std::shared_ptr<DrawingSurface> frmPrincipal::choosePrinter() {
    auto printer = defaultPrinter();
    // Cancel cancels: printing after it would waste sheets of labels.
    if (!m_dialogs.choosePrinter(this, *printer)) return nullptr;
    return m_printerFactory(std::move(printer));
}

labelcheck::Check frmPrincipal::fullCheck(const FirstSheet& first) const {
    return [this, first](DrawingSurface& surface) {
        return checkFullLabels(m_lists, printedPlaces(), first, surface);
    };
}

void frmPrincipal::cmdImprimir() {
    if (m_lists.lstClasify.isEmpty()) return;
    const std::optional<FirstSheet> first = m_inicio->firstSheet(m_dialogs, this);
    if (!first) return;
    const std::shared_ptr<DrawingSurface> surface = choosePrinter();
    if (!surface) return;
    if (!confirmLabels(m_dialogs, this, fullCheck(*first), *surface)) return;
    const PrintOutcome outcome =
        printAndTell(m_dialogs, this, fullWalk(m_lists, printedPlaces()), *surface, *first);
    if (outcome.printed) m_inicio->printed(outcome.lastSheet);
}

void frmPrincipal::cmdHojaPrueba() {
    const std::shared_ptr<DrawingSurface> surface = choosePrinter();
    if (!surface) return;
    printAndTell(m_dialogs, this, testsheet::walk(testPositions(printedPlaces())), *surface,
                 FirstSheet(SheetPlaces::kPerSheet));
}

void frmPrincipal::cmdVer() {
    if (m_lists.lstClasify.isEmpty()) return;
    const std::optional<FirstSheet> first = m_inicio->firstSheet(m_dialogs, this);
    if (!first) return;
    WaitCursor wait;
    // Checked as it will print: on the default printer, at the printed places.
    if (!confirmLabels(m_dialogs, this, fullCheck(*first), *m_printerFactory(defaultPrinter())))
        return;
    if (!m_form1) m_form1 = new Form1(this);
    m_form1->show();
    m_form1->raise();
    m_form1->activateWindow();
    previewSheets(fullWalk(m_lists, previewPlaces()), m_form1->picture()->surface(), *first,
                  [this] {
                      return m_dialogs.question(m_form1, QStringLiteral("Mensaje:"),
                                                QStringLiteral("¿Continuar?"));
                  });
}

void frmPrincipal::cmdLimpiar() {
    m_lists = FullGeneration{};
    m_txtBase->clear();
    m_txtDir->clear();
    showStatus(kNoLabels);
}

void frmPrincipal::Salir() {
    if (m_form1) m_form1->close();
    m_exit();
}

}  // namespace fichas
