#include "lomos/ui/frmprincipal.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "lomos/core/generation.h"
#include "lomos/core/spinecheck.h"
#include "lomos/core/spinewalk.h"
#include "lomos/ui/artwork.h"
#include "lomos/ui/frmconfigura.h"
#include "lomos/ui/frmtamano.h"
#include "common/core/drivec.h"
#include "common/core/generar.h"
#include "common/core/messages.h"
#include "common/core/settingsfile.h"
#include "common/core/sheetflow.h"
#include "common/core/testsheet.h"
#include "common/paint/paintersurface.h"
#include "common/ui/dialogs.h"
#include "common/ui/form1.h"
#include "common/ui/twips.h"
#include "common/ui/waitcursor.h"

namespace lomos {

using messages::kNoLabels;
using messages::kTitle;

frmPrincipal::frmPrincipal(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QString());
    m_printerFactory = [] { return std::make_shared<PrinterSurface>(); };
    m_exit = [] { QApplication::exit(0); };
    buildMenu();
    buildClientArea();
    loadSettings();
}

frmPrincipal::~frmPrincipal() {
    // The other windows have no parent (they are windows of their own).
    delete m_form1;
    delete m_configura;
    delete m_tamano;
}

void frmPrincipal::buildMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("Menú"));
    menu->setObjectName(QStringLiteral("mnuMenu"));
    QAction* tamano = menu->addAction(QStringLiteral("Tamaño de Fuente"));
    tamano->setObjectName(QStringLiteral("mnuTamao_fuente"));
    tamano->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(tamano, &QAction::triggered, this, &frmPrincipal::Tamano);
    QAction* prueba = menu->addAction(QStringLiteral("Hoja de prueba"));
    prueba->setObjectName(QStringLiteral("mnuHojaPrueba"));
    connect(prueba, &QAction::triggered, this, &frmPrincipal::HojaDePrueba);
    QAction* salir = menu->addAction(QStringLiteral("Salir"));
    salir->setObjectName(QStringLiteral("mnuSalir"));
    salir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(salir, &QAction::triggered, this, &frmPrincipal::Salir);
}

void frmPrincipal::buildToolbar() {
    using artwork::ToolIcon;
    struct Button {
        const char* caption;
        ToolIcon icon;
    };
    static const Button buttons[] = {
        {"Generar", ToolIcon::Generar},   {"Vista Previa", ToolIcon::VistaPrevia},
        {"Imprimir", ToolIcon::Imprimir}, {"Configurar", ToolIcon::Configurar},
        {"Limpiar", ToolIcon::Limpiar},   {"Salir", ToolIcon::Salir},
    };
    m_toolbar->setIconSize(QSize(32, 32));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar->setMovable(false);
    m_toolbar->setFont(uiFont(QStringLiteral("Arial"), 8, false));
    m_toolbar->setContentsMargins(0, 0, 0, 0);
    m_toolbar->layout()->setSpacing(0);
    // Six buttons of one width share the window's width, as on the sheet of
    // the toolbar's design.
    const int buttonWidth = (twips::toPixels(m_toolbar, 5700) - 8) / 6;
    int index = 1;
    for (const Button& b : buttons) {
        QAction* action =
            m_toolbar->addAction(artwork::toolIcon(b.icon), QString::fromUtf8(b.caption));
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(index));
        connect(action, &QAction::triggered, this, [this, index] { toolbarClicked(index); });
        if (QWidget* button = m_toolbar->widgetForAction(action))
            button->setFixedWidth(buttonWidth);
        ++index;
    }
}

void frmPrincipal::buildClientArea() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    client->setFixedSize(twips::toPixels(client, 7860), twips::toPixels(client, 5145));

    m_toolbar = new QToolBar(client);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    twips::place(m_toolbar, 0, 0, 5700, 870);
    buildToolbar();

    auto* frame = new QGroupBox(client);
    frame->setObjectName(QStringLiteral("Frame1"));
    twips::place(frame, 360, 1080, 4935, 1215);

    const QFont captionFont = uiFont(QStringLiteral("Arial"), 11.25, true);
    QPalette navy;
    navy.setColor(QPalette::WindowText, QColor(0, 0, 0x80));
    // The captions lie inside the frame; their places are given in the
    // window's coordinates.
    auto caption = [&](const char* name, const char* text, int left, int top, int width) {
        auto* label = new QLabel(QString::fromUtf8(text), client);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(captionFont);
        label->setPalette(navy);
        twips::place(label, left, top, width, 270);
        return label;
    };
    caption("Label5", "Directorio cliente:", 600, 1440, 1935);
    caption("Label6", "Base administrativa:", 450, 1800, 2175);

    const QFont fieldFont = uiFont(QStringLiteral("Arial"), 9, true);
    auto field = [&](const char* name, int top) {
        auto* edit = new QLineEdit(client);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setFont(fieldFont);
        twips::place(edit, 2760, top, 1935, 285);
        return edit;
    };
    m_txtDir = field("txtDir", 1440);
    m_txtBase = field("txtBase", 1800);
    setTabOrder(m_txtDir, m_txtBase);

    auto* picture = new QLabel(client);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(artwork::shelfPicture());
    picture->setAlignment(Qt::AlignCenter);
    twips::place(picture, 2040, 2760, 1950, 690);

    m_lblEspere = new QLabel(kNoLabels, client);
    m_lblEspere->setObjectName(QStringLiteral("lblEspere"));
    m_lblEspere->setFont(uiFont(QStringLiteral("Arial Narrow"), 14.25, true));
    m_lblEspere->setAlignment(Qt::AlignCenter);
    m_lblEspere->setAutoFillBackground(true);
    QPalette blackOnWhite = m_lblEspere->palette();
    blackOnWhite.setColor(QPalette::Window, Qt::white);
    blackOnWhite.setColor(QPalette::WindowText, Qt::black);
    m_lblEspere->setPalette(blackOnWhite);
    twips::place(m_lblEspere, 840, 4080, 4095, 495);

    m_txttamano = new QLineEdit(QStringLiteral("Se va a imprimir con tamaño 8"), client);
    m_txttamano->setObjectName(QStringLiteral("txttamaño"));
    m_txttamano->setFont(uiFont(QStringLiteral("Arial Narrow"), 9.75, false));
    m_txttamano->setAlignment(Qt::AlignCenter);
    m_txttamano->setReadOnly(true);  // a note: the size is chosen in "Tamaño de Fuente"
    m_txttamano->setFocusPolicy(Qt::NoFocus);
    twips::place(m_txttamano, 3240, 4680, 2415, 315);

    // Beside the rest: where on the sheet in the tray printing starts.
    m_inicio = new FirstSheetPanel(QStringLiteral("lomos"), kLabelsPerSheet,
                                   CoordinateTable::kColumns, client);
    twips::place(m_inicio, 5880, 1080, 1800, 3900);
}

void frmPrincipal::loadSettings() {
    const Settings settings = ::loadSettings(drivec::settingsFile());
    m_txtDir->setText(settings.clientDirectory);
    m_txtBase->setText(settings.administrativeBase);
}

void frmPrincipal::toolbarClicked(int index) {
    switch (index) {
        case 1:
            Generar();
            break;
        case 2:
            Ver();
            break;
        case 3:
            Imprimir();
            break;
        case 4:
            Configurar();
            break;
        case 5:
            Limpiar();
            break;
        case 6:
            Salir();
            break;
        default:
            break;
    }
}

void frmPrincipal::Generar() {
    WaitCursor wait;
    m_lstClasify.clear();
    const generar::Report report =
        generar::run({m_txtDir->text(), m_txtBase->text()}, generar::SaveSettings::Yes,
                     [this](const QString& printFile) {
                         SpineGeneration generated = generateSpineLabels(printFile);
                         m_lstClasify = std::move(generated.lstClasify);
                         m_cutLabels = std::move(generated.cutLabels);
                         return generar::Generated{generated.labelCount, generated.status, {}};
                     });
    showStatus(report.status);
    for (const QString& notice : report.notices) m_dialogs.message(this, kTitle, notice);
}

void frmPrincipal::LEE_CORD() { m_coordinates = readCoordinateFile(drivec::coordinateFile()); }

labelcheck::Check frmPrincipal::spineCheck(const QString& face, const FirstSheet& first) const {
    return [this, face, first](DrawingSurface& surface) {
        return checkSpineLabels(m_lstClasify, m_cutLabels, m_coordinates, m_txttamanoOnly, face,
                                first, surface);
    };
}

void frmPrincipal::Imprimir() {
    if (m_lstClasify.isEmpty()) return;
    const std::optional<FirstSheet> first = m_inicio->firstSheet(m_dialogs, this);
    if (!first) return;
    LEE_CORD();
    const std::shared_ptr<DrawingSurface> printer = m_printerFactory();
    if (!confirmLabels(m_dialogs, this, spineCheck(kPrinterFace, *first), *printer)) return;
    const PrintOutcome outcome = printAndTell(
        m_dialogs, this, spineWalk(m_lstClasify, m_coordinates, m_txttamanoOnly, kPrinterFace),
        *printer, *first);
    if (outcome.printed) m_inicio->printed(outcome.lastSheet);
}

void frmPrincipal::HojaDePrueba() {
    LEE_CORD();
    printTestSheet(m_coordinates);
}

void frmPrincipal::printTestSheet(const CoordinateTable& table) {
    printAndTell(m_dialogs, this, testsheet::walk(testPositions(table)), *m_printerFactory(),
                 FirstSheet(kLabelsPerSheet));
}

void frmPrincipal::Ver() {
    if (m_lstClasify.isEmpty()) return;
    const std::optional<FirstSheet> first = m_inicio->firstSheet(m_dialogs, this);
    if (!first) return;
    WaitCursor wait;
    LEE_CORD();
    // Checked as it will print: on the printer, in its face.
    if (!confirmLabels(m_dialogs, this, spineCheck(kPrinterFace, *first), *m_printerFactory()))
        return;
    if (!m_form1) m_form1 = new Form1(this);
    m_form1->show();
    m_form1->raise();
    m_form1->activateWindow();
    previewSheets(spineWalk(m_lstClasify, m_coordinates, m_txttamanoOnly, kPreviewFace),
                  m_form1->picture()->surface(), *first, [this] {
                      return m_dialogs.question(m_form1, QString(), QStringLiteral("Continuar"));
                  });
}

void frmPrincipal::Configurar() {
    if (m_configura) {
        m_configura->show();
        m_configura->raise();
        m_configura->activateWindow();
        return;
    }
    m_configura = new frmConfigura(m_dialogs, this);
    connect(m_configura, &frmConfigura::testSheetRequested, this, &frmPrincipal::printTestSheet);
    m_configura->show();
}

void frmPrincipal::Limpiar() {
    m_lstClasify.clear();
    m_cutLabels.clear();
    m_txtBase->clear();
    m_txtDir->clear();
    showStatus(kNoLabels);
}

void frmPrincipal::showStatus(const QString& status) {
    m_lblEspere->setText(status);
    fitText(m_lblEspere, status, 14.25, 0);
}

void frmPrincipal::Tamano() {
    if (!m_tamano) {
        m_tamano = new frmTamano;
        connect(m_tamano, &frmTamano::sizeChosen, this, &frmPrincipal::setFontSizeText);
    }
    m_tamano->show();
    m_tamano->raise();
    m_tamano->activateWindow();
}

void frmPrincipal::setFontSizeText(const QString& size) {
    m_txttamano->setText(QStringLiteral("Se va a imprimir con tamaño: ") + size);
    m_txttamanoOnly = size;
}

void frmPrincipal::Salir() {
    // Every window goes at once; only coordinates edited and not saved are
    // asked about, and Cancelar there stays.
    if (m_configura && !m_configura->close()) return;
    if (m_form1) m_form1->close();
    if (m_tamano) m_tamano->close();
    m_exit();
}

}  // namespace lomos
